#include "RegistryValue.h"

#include "LibraryError.h"
#include "Utf16Text.h"

#include <cmath>
#include <cwctype>
#include <limits>
#include <sstream>

namespace qv {
namespace {

template <class... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};
template <class... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

// Text to a number as the invariant locale reads it: blanks around, an optional sign,
// digits with an optional fraction and exponent.
double parseNumber(const std::wstring& text) {
    std::wistringstream stream(text);
    stream.imbue(std::locale::classic());
    double number = 0;
    stream >> std::ws >> number;
    if (stream.fail()) throw LibraryError::runtime(kTypeMismatch);
    stream >> std::ws;
    if (!stream.eof()) throw LibraryError::runtime(kTypeMismatch);
    return number;
}

// Rounds half to even, then checks the range, as the platform's integer conversions do.
std::int32_t roundToInt32(double number) {
    if (!std::isfinite(number)) throw LibraryError::runtime(kOverflow);
    const double rounded = std::nearbyint(number);  // default rounding mode: half to even
    if (rounded < std::numeric_limits<std::int32_t>::min() ||
        rounded > std::numeric_limits<std::int32_t>::max()) {
        throw LibraryError::runtime(kOverflow);
    }
    return static_cast<std::int32_t>(rounded);
}

}  // namespace

std::wstring PortableValue::toText() const {
    return std::visit(
        Overloaded{
            [](Empty) { return std::wstring(); },
            [](Null) -> std::wstring { throw LibraryError::runtime(kInvalidUseOfNull); },
            [](const std::wstring& text) { return text; },
            [](const Bytes& bytes) { return textFromUtf16LeBytes(bytes); },
            [](std::int32_t number) { return std::to_wstring(number); },
            [](double number) {
                std::wostringstream stream;
                stream.imbue(std::locale::classic());
                stream.precision(15);
                stream << number;
                return stream.str();
            },
            [](bool flag) { return std::wstring(flag ? L"True" : L"False"); },
        },
        content_);
}

Bytes PortableValue::toBytes() const {
    return std::visit(Overloaded{
                          [](Null) -> Bytes { throw LibraryError::runtime(kInvalidUseOfNull); },
                          [](const std::wstring& text) { return utf16LeBytes(text); },
                          [](const Bytes& bytes) { return bytes; },
                          [](const auto&) -> Bytes { throw LibraryError::runtime(kTypeMismatch); },
                      },
                      content_);
}

std::int32_t PortableValue::toInt32() const {
    return std::visit(
        Overloaded{
            [](Empty) { return std::int32_t{0}; },
            [](Null) -> std::int32_t { throw LibraryError::runtime(kInvalidUseOfNull); },
            [](const std::wstring& text) { return roundToInt32(parseNumber(text)); },
            [](const Bytes&) -> std::int32_t { throw LibraryError::runtime(kTypeMismatch); },
            [](std::int32_t number) { return number; },
            [](double number) { return roundToInt32(number); },
            [](bool flag) { return std::int32_t{flag ? -1 : 0}; },
        },
        content_);
}

}  // namespace qv
