#include "InstallationRecords.h"

#include "ButtonSettings.h"
#include "LibraryError.h"
#include "RegistryAccess.h"
#include "SettingsTree.h"

namespace qv {
namespace {

constexpr std::size_t kLongestInstallPath = 255;
const wchar_t kDefaultKeyLetter[] = L"P";

}  // namespace

std::wstring InstallationRecords::readBinaryText(const wchar_t* valueName) {
    return textOfValue(
        calls_.GetRegistryValue(kCurrentUser, kSettingsKey, valueName, kBinaryValue, L""));
}

void InstallationRecords::writeBinaryText(const wchar_t* valueName, const std::wstring& text) {
    calls_.prcChecked_Key_RG();
    calls_.SetRegistryValue(kCurrentUser, kSettingsKey, valueName, kBinaryValue,
                            PortableValue(text));
}

void InstallationRecords::prcDesinstalar_Addin() {
    writeBinaryText(L"APP_EXIST", L"01");
    calls_.prcSet_status_Addin(L"False");
}

bool InstallationRecords::App_Exist() { return readBinaryText(L"APP_EXIST").empty(); }

void InstallationRecords::prcSet_status_Addin(const std::wstring& lpStatus) {
    writeBinaryText(L"STATUS_APP", characterCodes(lpStatus, calls_.codePage()));
}

std::wstring InstallationRecords::Get_status_Addin() { return readBinaryText(L"STATUS_APP"); }

bool InstallationRecords::IsAddin_Installed() {
    const std::wstring installed = characterCodes(L"True", calls_.codePage());
    return calls_.Get_status_Addin() == installed;
}

void InstallationRecords::Delete_All() {
    if (!calls_.Delete_information_All()) {
        calls_.showMessage(L"Can't register Addinn.", kExclamation | kOkOnly, calls_.lCia());
    }
}

void InstallationRecords::prcDir(const std::wstring& lpVal) {
    writeBinaryText(L"Dir", trimBlanks(lpVal));
}

std::wstring InstallationRecords::InstallPath() {
    std::wstring folder = readBinaryText(L"Dir");
    return folder.size() <= kLongestInstallPath ? folder : std::wstring();
}

void InstallationRecords::prcSet_Addin(const std::wstring& lpStatus) {
    writeBinaryText(L"set_confg", lpStatus);
}

std::wstring InstallationRecords::Reset_key() {
    return textOfValue(calls_.GetRegistryValue(kCurrentUser, kSettingsKey, L"6", kTextValue, L""));
}

std::wstring InstallationRecords::Asigna_key() {
    std::wstring letter;
    try {
        letter =
            textOfValue(calls_.GetRegistryValue(kCurrentUser, kSettingsKey, L"6", kTextValue, L""));
    } catch (const LibraryError&) {
    }
    letter = trimBlanks(letter);
    return letter.empty() ? kDefaultKeyLetter : letter;
}

}  // namespace qv
