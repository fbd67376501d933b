#pragma once
// One engine over a complete set of recording stand-ins: a package folder holding every
// file, a system folder holding every component, Excel 11 with its library folder.

#include "AnsiCodePage.h"
#include "ComponentTable.h"
#include "RegistryAccess.h"
#include "SettingsTree.h"
#include "SetupFakes.h"
#include "Utf16Text.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qv::setup::testing {

inline const std::wstring kPackage = L"D:\\PACKAGE";
inline const std::wstring kSystemDir = L"C:\\WINDOWS\\SYSTEM32";

class SetupFixture : public ::testing::Test {
  protected:
    SetupFixture() {
        files.addFolder(kPackage);
        files.addFolder(kSystemDir);
        files.addFolder(L"C:\\OFFICE");
        for (const wchar_t* name : {L"QVF.xla", L"QV.chm", L"QVU.exe", L"UQV.exe"})
            files.addFile(kPackage + L"\\" + name);
        for (const auto& row : supportComponents()) {
            files.addFile(kPackage + L"\\" + row.sourceName);
            files.addFile(kSystemDir + row.presentName);
        }
        excel.settings.libraryPath = L"C:\\OFFICE";
        files.addFolder(excel.settings.libraryPath);
    }

    // An earlier installation into `folder`: the settings tree with its records.
    void recordInstallation(const std::wstring& folder) {
        registry.createKey(kCurrentUser, kSettingsKey);
        registry.setValue(kCurrentUser, kSettingsKey, L"Dir", kTextValue, PortableValue(folder));
    }

    std::wstring storedText(const std::wstring& key, const std::wstring& value, std::int16_t type) {
        const auto stored = registry.getValue(kCurrentUser, key, value, type);
        if (!stored) return L"<missing>";
        if (const auto* text = std::get_if<std::wstring>(&*stored)) return *text;
        if (const auto* bytes = std::get_if<Bytes>(&*stored)) return textFromUtf16LeBytes(*bytes);
        return L"<number>";
    }

    // The log entries that begin with `prefix`, in order.
    std::vector<std::wstring> callsStartingWith(const std::wstring& prefix) const {
        std::vector<std::wstring> picked;
        for (const auto& call : log)
            if (call.rfind(prefix, 0) == 0) picked.push_back(call);
        return picked;
    }

    // The log from the first entry equal to `from` on; empty when it never occurs.
    std::vector<std::wstring> logFrom(const std::wstring& from) const {
        auto first = std::find(log.begin(), log.end(), from);
        return std::vector<std::wstring>(first, log.end());
    }

    CallLog log;
    FakeFileSystem files{log};
    FakeExcel excel{log};
    FakeSystem system{log};
    FakeMessages messages{log};
    FakePages pages{log};
    RecordingRegistry store{log};
    Windows1252CodePage codePage;
    RegistryAccess registry{store, codePage};
    SetupEngine engine{
        SetupOutside{store, codePage, files, excel, system, messages, pages, kPackage}};
};

}  // namespace qv::setup::testing
