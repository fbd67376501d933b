#pragma once
// The road by which one member of CLibrary calls another: through the object's own COM
// interface, as an outside caller would. A failure that comes back is raised again with
// its number and description.

#include "IQV_v011.h"
#include "LibraryCalls.h"

namespace qv::win {

class LibrarySelfCalls final : public LibraryCalls {
  public:
    explicit LibrarySelfCalls(_CLibrary* library) : library_(library) {}

    bool CreateRegistryKey(RegistryRoot root, const std::wstring& keyName) override;
    void DeleteRegistryKey(RegistryRoot root, const std::wstring& keyName) override;
    bool CheckRegistryKey(RegistryRoot root, const std::wstring& keyName) override;
    RegistryValue GetRegistryValue(RegistryRoot root, const std::wstring& keyName,
                                   const std::wstring& valueName, std::int16_t keyType,
                                   const std::wstring& defaultText) override;
    void SetRegistryValue(RegistryRoot root, const std::wstring& keyName,
                          const std::wstring& valueName, std::int16_t keyType,
                          const PortableValue& value) override;
    void prcChecked_Key_RG() override;
    void resetWriter(int group) override;
    bool Delete_information_All() override;
    void prcSet_status_Addin(const std::wstring& status) override;
    std::wstring Get_status_Addin() override;
    std::wstring lCia() override;
    void showMessage(const std::wstring& text, std::uint32_t style,
                     const std::wstring& title) override;
    std::int16_t textToInt16(const std::wstring& text) override;
    std::int32_t textToInt32(const std::wstring& text) override;
    const AnsiCodePage& codePage() override;

  private:
    _CLibrary* library_;
};

}  // namespace qv::win
