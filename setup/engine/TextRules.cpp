#include "TextRules.h"

#include <cwctype>

namespace qv::setup {

std::wstring upperCase(const std::wstring& text) {
    std::wstring upper = text;
    for (auto& c : upper) {
        const bool asciiLower = c >= L'a' && c <= L'z';
        // Latin-1 lower-case letters sit 0x20 above their capitals, except the division sign.
        const bool latinLower = c >= 0xE0 && c <= 0xFE && c != 0xF7;
        if (asciiLower || latinLower) c = static_cast<wchar_t>(c - 0x20);
    }
    return upper;
}

double leadingNumber(const std::wstring& text) {
    std::size_t at = text.find_first_not_of(L' ');
    if (at == std::wstring::npos) return 0;
    double value = 0;
    double scale = 0;  // 0 before the decimal point, then the place value of the next digit
    for (; at < text.size(); ++at) {
        const wchar_t c = text[at];
        if (c >= L'0' && c <= L'9') {
            if (scale == 0) {
                value = value * 10 + (c - L'0');
            } else {
                value += (c - L'0') * scale;
                scale /= 10;
            }
        } else if (c == L'.' && scale == 0) {
            scale = 0.1;
        } else {
            break;
        }
    }
    return value;
}

}  // namespace qv::setup
