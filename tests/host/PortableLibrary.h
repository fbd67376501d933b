#pragma once
// The library's members over the in-memory registry, for native tests: the same rules the
// COM object runs, with message boxes recorded instead of shown.

#include "AnsiCodePage.h"
#include "ButtonSettings.h"
#include "DisplaySettings.h"
#include "InstallationRecords.h"
#include "LibraryError.h"
#include "MemoryRegistryStore.h"
#include "RegistryAccess.h"

#include <limits>
#include <string>
#include <vector>

namespace qv::testing {

struct ShownMessage {
    std::wstring text;
    std::uint32_t style;
    std::wstring title;
    bool operator==(const ShownMessage& other) const {
        return text == other.text && style == other.style && title == other.title;
    }
};

class PortableLibrary : public LibraryCalls {
  public:
    bool CreateRegistryKey(RegistryRoot root, const std::wstring& keyName) override {
        return registry.createKey(root, keyName);
    }
    void DeleteRegistryKey(RegistryRoot root, const std::wstring& keyName) override {
        registry.deleteKey(root, keyName);
    }
    bool CheckRegistryKey(RegistryRoot root, const std::wstring& keyName) override {
        return registry.checkKey(root, keyName);
    }
    RegistryValue GetRegistryValue(RegistryRoot root, const std::wstring& keyName,
                                   const std::wstring& valueName, std::int16_t keyType,
                                   const std::wstring& defaultText) override {
        return registry.getValue(root, keyName, valueName, keyType).value_or(defaultText);
    }
    void SetRegistryValue(RegistryRoot root, const std::wstring& keyName,
                          const std::wstring& valueName, std::int16_t keyType,
                          const PortableValue& value) override {
        registry.setValue(root, keyName, valueName, keyType, value);
    }
    void prcChecked_Key_RG() override { buttons.prcChecked_Key_RG(); }
    void resetWriter(int group) override { buttons.resetWriter(group); }
    bool Delete_information_All() override { return buttons.Delete_information_All(); }
    void prcSet_status_Addin(const std::wstring& status) override {
        records.prcSet_status_Addin(status);
    }
    std::wstring Get_status_Addin() override { return records.Get_status_Addin(); }
    std::wstring lCia() override { return title; }
    void showMessage(const std::wstring& text, std::uint32_t style,
                     const std::wstring& messageTitle) override {
        messages.push_back({text, style, messageTitle});
    }
    std::int16_t textToInt16(const std::wstring& text) override {
        const std::int32_t number = PortableValue(text).toInt32();
        if (number < std::numeric_limits<std::int16_t>::min() ||
            number > std::numeric_limits<std::int16_t>::max()) {
            throw LibraryError::runtime(kOverflow);
        }
        return static_cast<std::int16_t>(number);
    }
    std::int32_t textToInt32(const std::wstring& text) override {
        return PortableValue(text).toInt32();
    }
    const AnsiCodePage& codePage() override { return windows1252; }

    MemoryRegistryStore store;
    Windows1252CodePage windows1252;
    RegistryAccess registry{store, windows1252};
    ButtonSettings buttons{*this};
    InstallationRecords records{*this};
    DisplaySettings display{*this};
    std::wstring title;
    std::vector<ShownMessage> messages;
};

}  // namespace qv::testing
