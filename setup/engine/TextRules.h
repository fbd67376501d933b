#pragma once
// The small text rules of the engine: upper case and the leading number of a version text.
// Trimming and the character-code string are shared with the library (SettingsText.h).

#include "SettingsText.h"

#include <string>

namespace qv::setup {

// Letters of ASCII and Latin-1 in upper case; everything else unchanged.
std::wstring upperCase(const std::wstring& text);

// The numeric value of the leading number: blanks skipped, digits with at most one
// decimal point; 0 when the text does not begin with a number.
double leadingNumber(const std::wstring& text);

}  // namespace qv::setup
