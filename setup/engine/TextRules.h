#pragma once
// The small text rules of the engine: blanks trimmed, upper case, the leading number of a
// version text, and the character-code string of the installation records.

#include "AnsiCodePage.h"

#include <string>

namespace qv::setup {

// Blanks (spaces only, not tabs) removed at both ends.
std::wstring trimBlanks(const std::wstring& text);

// Letters of ASCII and Latin-1 in upper case; everything else unchanged.
std::wstring upperCase(const std::wstring& text);

// The numeric value of the leading number: blanks skipped, digits with at most one
// decimal point; 0 when the text does not begin with a number.
double leadingNumber(const std::wstring& text);

// The decimal ANSI codes of the characters of `text`, joined: "True" gives 84114117101.
std::wstring characterCodes(const std::wstring& text, const AnsiCodePage& codePage);

}  // namespace qv::setup
