#include "Utf16Text.h"

namespace qv {
namespace {

void appendUnit(Bytes& bytes, std::uint32_t unit) {
    bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>((unit >> 8) & 0xFF));
}

}  // namespace

Bytes utf16LeBytes(const std::wstring& text) {
    Bytes bytes;
    bytes.reserve(text.size() * 2);
    for (const wchar_t character : text) {
        const auto code = static_cast<std::uint32_t>(character);
        if (code > 0xFFFF) {  // a wide wchar_t (not Windows): write the surrogate pair
            const std::uint32_t offset = code - 0x10000;
            appendUnit(bytes, 0xD800 + (offset >> 10));
            appendUnit(bytes, 0xDC00 + (offset & 0x3FF));
        } else {
            appendUnit(bytes, code);
        }
    }
    return bytes;
}

std::wstring textFromUtf16LeBytes(const Bytes& bytes) {
    std::wstring text;
    text.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const std::uint32_t unit = bytes[i] | (static_cast<std::uint32_t>(bytes[i + 1]) << 8);
        if constexpr (sizeof(wchar_t) > 2) {
            if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < bytes.size()) {
                const std::uint32_t low =
                    bytes[i + 2] | (static_cast<std::uint32_t>(bytes[i + 3]) << 8);
                if (low >= 0xDC00 && low <= 0xDFFF) {
                    text.push_back(
                        static_cast<wchar_t>(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00)));
                    i += 2;
                    continue;
                }
            }
        }
        text.push_back(static_cast<wchar_t>(unit));
    }
    return text;
}

}  // namespace qv
