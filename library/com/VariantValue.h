#pragma once
// Values between VARIANTs and the registry rules.

#include "RegistryValue.h"

#include <windows.h>
#include <oleauto.h>

namespace qv::win {

// A caller's VARIANT (by reference or not), converted with the platform's conversions for
// the user's locale.
class VariantValueSource final : public ValueSource {
  public:
    explicit VariantValueSource(const VARIANT& value) : value_(value) {}
    std::wstring toText() const override;
    Bytes toBytes() const override;
    std::int32_t toInt32() const override;

  private:
    const VARIANT& value_;
};

// Fills `result` (which holds nothing) with a value read from the registry: a text, a byte
// array with lower bound 0, or a 32-bit integer.
void storeValue(const RegistryValue& value, VARIANT* result);

// True for an argument the caller left out.
bool isMissingArgument(const VARIANT* argument);

}  // namespace qv::win
