#pragma once
// The members of CLibrary that other members call. Members call one another through the
// object's own public interface, as an outside caller would, so an error raised inside
// comes out again with its number and description; this interface is that road for the
// portable rules. The library object implements it by calling its own COM interface.

#include "AnsiCodePage.h"
#include "RegistryStore.h"
#include "RegistryValue.h"

#include <cstdint>
#include <string>

namespace qv {

// Icon and buttons of a message box, with the platform's MB_* numbers.
enum MessageStyle : std::uint32_t {
    kOkOnly = 0x0,
    kCritical = 0x10,
    kExclamation = 0x30,
    kInformation = 0x40,
};

class LibraryCalls {
  public:
    virtual ~LibraryCalls() = default;

    virtual bool CreateRegistryKey(RegistryRoot root, const std::wstring& keyName) = 0;
    virtual void DeleteRegistryKey(RegistryRoot root, const std::wstring& keyName) = 0;
    virtual bool CheckRegistryKey(RegistryRoot root, const std::wstring& keyName) = 0;
    // The stored value, or `defaultText` when nothing can be read.
    virtual RegistryValue GetRegistryValue(RegistryRoot root, const std::wstring& keyName,
                                           const std::wstring& valueName, std::int16_t keyType,
                                           const std::wstring& defaultText) = 0;
    virtual void SetRegistryValue(RegistryRoot root, const std::wstring& keyName,
                                  const std::wstring& valueName, std::int16_t keyType,
                                  const PortableValue& value) = 0;

    virtual void prcChecked_Key_RG() = 0;
    // The reset writer (Set_button_Tl, Set_button_IO, ...) of the group numbered `group`.
    virtual void resetWriter(int group) = 0;
    virtual bool Delete_information_All() = 0;
    virtual void prcSet_status_Addin(const std::wstring& status) = 0;
    virtual std::wstring Get_status_Addin() = 0;

    virtual std::wstring lCia() = 0;
    virtual void showMessage(const std::wstring& text, std::uint32_t style,
                             const std::wstring& title) = 0;

    // The platform's conversions of a text for the user's locale: half to even, raising
    // Type mismatch (13) or Overflow (6).
    virtual std::int16_t textToInt16(const std::wstring& text) = 0;
    virtual std::int32_t textToInt32(const std::wstring& text) = 0;
    // The system's ANSI code page.
    virtual const AnsiCodePage& codePage() = 0;
};

}  // namespace qv
