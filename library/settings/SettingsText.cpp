#include "SettingsText.h"

#include "LibraryError.h"
#include "Utf16Text.h"

#include <limits>

namespace qv {

std::wstring trimBlanks(const std::wstring& text) {
    const auto first = text.find_first_not_of(L' ');
    if (first == std::wstring::npos) return {};
    return text.substr(first, text.find_last_not_of(L' ') - first + 1);
}

std::wstring textOfValue(const RegistryValue& value) {
    if (const auto* text = std::get_if<std::wstring>(&value)) return *text;
    if (const auto* bytes = std::get_if<Bytes>(&value)) return textFromUtf16LeBytes(*bytes);
    return std::to_wstring(std::get<std::int32_t>(value));
}

std::wstring characterCodes(const std::wstring& text, const AnsiCodePage& codePage) {
    if (text.size() > static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max())) {
        throw LibraryError::runtime(kOverflow);
    }
    std::wstring codes;
    for (const wchar_t character : text) {
        // A double-byte character's code is its lead byte then its trail byte.
        std::uint32_t code = 0;
        for (const char byte : codePage.fromText(std::wstring(1, character))) {
            code = (code << 8) | static_cast<unsigned char>(byte);
        }
        codes += std::to_wstring(code);
    }
    return codes;
}

}  // namespace qv
