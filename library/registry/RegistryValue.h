#pragma once
// Values as they cross the library's interface: text, byte array or 32-bit integer on the
// way out; on the way in, whatever the caller passed, converted on demand.

#include "RegistryStore.h"

#include <cstdint>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>

namespace qv {

using RegistryValue = std::variant<std::wstring, Bytes, std::int32_t>;

// A value handed in by a caller. Each conversion raises the run-time error the platform's
// conversion gives (type mismatch, overflow, invalid use of Null).
class ValueSource {
  public:
    virtual ~ValueSource() = default;
    virtual std::wstring toText() const = 0;
    // A byte array is taken as it is; a text becomes its UTF-16LE bytes.
    virtual Bytes toBytes() const = 0;
    virtual std::int32_t toInt32() const = 0;
};

// A value held by portable code, with the conversions of the default (invariant) locale.
class PortableValue final : public ValueSource {
  public:
    struct Empty {};
    struct Null {};
    using Content = std::variant<Empty, Null, std::wstring, Bytes, std::int32_t, double, bool>;

    template <class T, class = std::enable_if_t<std::is_constructible_v<Content, T&&> &&
                                                !std::is_same_v<std::decay_t<T>, PortableValue>>>
    PortableValue(T&& content) : content_(std::forward<T>(content)) {}
    PortableValue(const wchar_t* text) : content_(std::wstring(text)) {}

    std::wstring toText() const override;
    Bytes toBytes() const override;
    std::int32_t toInt32() const override;

    const Content& content() const { return content_; }

  private:
    Content content_;
};

}  // namespace qv
