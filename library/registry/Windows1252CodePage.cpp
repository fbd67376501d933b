#include "AnsiCodePage.h"

#include <array>

namespace qv {
namespace {

// Bytes 0x80 to 0x9F; the rest of the code page is Latin-1. Zero marks the five bytes
// Windows leaves undefined, which read back as the same control characters.
constexpr std::array<wchar_t, 32> kHighControlRange = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

wchar_t decode(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        const wchar_t mapped = kHighControlRange[byte - 0x80];
        return mapped ? mapped : static_cast<wchar_t>(byte);
    }
    return static_cast<wchar_t>(byte);
}

char encode(wchar_t character) {
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) {
        return static_cast<char>(character);
    }
    for (std::size_t i = 0; i < kHighControlRange.size(); ++i) {
        if (kHighControlRange[i] == character) return static_cast<char>(0x80 + i);
    }
    return '?';
}

}  // namespace

std::string Windows1252CodePage::fromText(const std::wstring& text) const {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const wchar_t character = text[i];
        // A UTF-16 surrogate pair (Windows' wchar_t) is one character, one replacement.
        if (character >= 0xD800 && character <= 0xDBFF && i + 1 < text.size() &&
            text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            ++i;
        }
        bytes.push_back(encode(character));
    }
    return bytes;
}

std::wstring Windows1252CodePage::toText(const std::string& bytes) const {
    std::wstring text;
    text.reserve(bytes.size());
    for (const char byte : bytes) text.push_back(decode(static_cast<unsigned char>(byte)));
    return text;
}

}  // namespace qv
