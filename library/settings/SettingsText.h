#pragma once
// Text rules shared by the settings store and the setup: blanks trimmed, values read back
// as text, and the character-code string of the installation records.

#include "AnsiCodePage.h"
#include "RegistryValue.h"

#include <string>

namespace qv {

// The text with the blanks (space characters) at both ends removed.
std::wstring trimBlanks(const std::wstring& text);

// A value read back turned into text: a byte array pairs into characters again.
std::wstring textOfValue(const RegistryValue& value);

// The decimal ANSI codes of the characters of `text`, joined: "True" gives 84114117101.
// Raises Overflow (6) for more than 32767 characters, which the position counter cannot hold.
std::wstring characterCodes(const std::wstring& text, const AnsiCodePage& codePage);

}  // namespace qv
