#pragma once
// The library's one road to the registry: the general operations behind CreateRegistryKey,
// DeleteRegistryKey, GetRegistryValue, SetRegistryValue, DeleteRegistryValue,
// CheckRegistryKey and EnumRegistryKeys. Every call opens the key it needs, does one thing
// and closes the key again; nothing is kept between calls.
//
// Value type codes: 1 text (REG_SZ, ANSI bytes plus a terminating zero), 3 binary
// (REG_BINARY; a text is written as its UTF-16LE bytes), 4 32-bit number (REG_DWORD).

#include "AnsiCodePage.h"
#include "RegistryStore.h"
#include "RegistryValue.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qv {

constexpr std::int16_t kTextValue = 1;
constexpr std::int16_t kBinaryValue = 3;
constexpr std::int16_t kNumberValue = 4;

// Buffers through which values and names are read; a larger value reads as missing.
constexpr std::uint32_t kTextBufferSize = 1024;
constexpr std::uint32_t kBinaryBufferSize = 4096;
constexpr std::uint32_t kNumberSize = 4;
constexpr std::uint32_t kSubkeyNameBufferSize = 260;
constexpr std::uint32_t kLastSubkeyIndex = 999999;

class RegistryAccess {
  public:
    RegistryAccess(RegistryStore& store, const AnsiCodePage& codePage)
        : store_(store), codePage_(codePage) {}

    // True when the key already existed; every missing level is created. Raises 1001
    // "No fue posible crear la clave del registro" when the key can be neither.
    bool createKey(RegistryRoot root, const std::wstring& keyName) const;

    // Deletes a key without subkeys; the outcome is not reported.
    void deleteKey(RegistryRoot root, const std::wstring& keyName) const;

    // The stored value read with the layout of `keyType`, or nothing when the caller's
    // default stands (key or value missing, value larger than the buffer). Raises 1001
    // "Tipo de valor no compatible" for a type code other than 1, 3 and 4 when the key exists.
    std::optional<RegistryValue> getValue(RegistryRoot root, const std::wstring& keyName,
                                          const std::wstring& valueName,
                                          std::int16_t keyType) const;

    // Writes into an existing key only; a missing key or an unknown type code writes
    // nothing and raises nothing. Raises the conversion's run-time error, and 9 for an
    // empty binary value.
    void setValue(RegistryRoot root, const std::wstring& keyName, const std::wstring& valueName,
                  std::int16_t keyType, const ValueSource& value) const;

    // Deletes a value; nothing is ever reported.
    void deleteValue(RegistryRoot root, const std::wstring& keyName,
                     const std::wstring& valueName) const;

    // True when the key exists and opens for reading.
    bool checkKey(RegistryRoot root, const std::wstring& keyName) const;

    // The subkey names in the registry's order; nothing (an unset array) when the key does
    // not open. An empty key name lists the root itself.
    std::optional<std::vector<std::wstring>> enumKeys(RegistryRoot root,
                                                      const std::wstring& keyName) const;

  private:
    RegistryStore& store_;
    const AnsiCodePage& codePage_;
};

// The settings path with its trailing separator.
extern const wchar_t kSettingsPath[];

// The text before its first zero character, or the text itself when it has none. Raises
// Overflow (6) when the first zero stands beyond position 32767.
std::wstring stripTerminator(const std::wstring& text);

}  // namespace qv
