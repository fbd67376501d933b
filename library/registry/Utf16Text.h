#pragma once
// The binary text form: a text kept as its UTF-16LE code units, low byte first, with no
// terminator.

#include "RegistryStore.h"

#include <string>

namespace qv {

Bytes utf16LeBytes(const std::wstring& text);

// Pairs the bytes into characters again; an odd last byte is dropped.
std::wstring textFromUtf16LeBytes(const Bytes& bytes);

}  // namespace qv
