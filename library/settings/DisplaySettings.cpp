#include "DisplaySettings.h"

#include "ButtonSettings.h"
#include "LibraryError.h"
#include "RegistryAccess.h"
#include "SettingsTree.h"

namespace qv {

const wchar_t kLibraryTitle[] = L"IQV_v011";

namespace {

// The custom index value of a group name, matched exactly: nullptr for no match.
const wchar_t* customIndexValue(const std::wstring& group) {
    for (const auto& candidate : buttonGroups()) {
        if (candidate.customIndexValue && group == candidate.key) return candidate.customIndexValue;
    }
    return nullptr;
}

struct OvalOffset {
    const wchar_t* text;
    float offset;
};
constexpr OvalOffset kOvalOffsets[] = {{L"0", -0.2f}, {L"1", -0.15f}, {L"2", -0.1f}, {L"3", 0.0f},
                                       {L"4", 0.1f},  {L"5", 0.15f},  {L"6", 0.2f}};
constexpr float kDefaultOvalOffset = 0.1f;

struct Palette {
    const wchar_t* code;
    const wchar_t* name;
};
constexpr Palette kPalettes[] = {{L"D", L"Default"},
                                 {L"S", L"Summer"},
                                 {L"SP", L"Spring"},
                                 {L"A", L"Autumm"},
                                 {L"", L"Default"}};

}  // namespace

std::wstring DisplaySettings::read(const std::wstring& key, const wchar_t* valueName,
                                   std::wstring initial) {
    try {
        return textOfValue(calls_.GetRegistryValue(kCurrentUser, key, valueName, kTextValue, L""));
    } catch (const LibraryError&) {
        return initial;
    }
}

void DisplaySettings::Set_indest_custom(const std::wstring& lpOpt, const std::wstring& lpValue) {
    calls_.prcChecked_Key_RG();
    if (const wchar_t* valueName = customIndexValue(lpOpt)) {
        calls_.SetRegistryValue(kCurrentUser, kSettingsKey, valueName, kTextValue,
                                PortableValue(lpValue));
    }
}

bool DisplaySettings::lpIndest_custom(const std::wstring& lpOpt) {
    const wchar_t* valueName = customIndexValue(lpOpt);
    if (!valueName) return false;
    return !trimBlanks(read(kSettingsKey, valueName, std::wstring(5, L' '))).empty();
}

std::int32_t DisplaySettings::lpZoom() {
    const std::wstring text = trimBlanks(read(settingsPath(L"Zoom\\G"), L"value", L""));
    if (text.empty()) return 100;
    try {
        return calls_.textToInt32(text);
    } catch (const LibraryError&) {
        return 0;
    }
}

void DisplaySettings::Set_pos_cell(const std::wstring& lpAddress) {
    calls_.prcChecked_Key_RG();
    calls_.SetRegistryValue(kCurrentUser, kSettingsKey, L"address", kTextValue,
                            PortableValue(lpAddress));
}

bool DisplaySettings::lpAddress(const std::wstring& lpNewAddress) {
    const std::wstring stored = trimBlanks(read(kSettingsKey, L"address", L""));
    return !stored.empty() && trimBlanks(lpNewAddress) != stored;
}

std::wstring DisplaySettings::lpType_line() {
    std::wstring text(10, L' ');
    std::wstring pendingError;
    try {
        text = textOfValue(
            calls_.GetRegistryValue(kCurrentUser, kSettingsKey, L"Line", kTextValue, L""));
    } catch (const LibraryError& error) {
        pendingError = error.description();
    }
    text = trimBlanks(text);
    if (text.empty()) text = L"chk1";
    if (!pendingError.empty()) calls_.showMessage(pendingError, kOkOnly, kLibraryTitle);
    return text;
}

std::int32_t DisplaySettings::lpType_color() {
    std::wstring text(30, L' ');
    std::int32_t color = 0;
    std::wstring pendingError;
    try {
        text = textOfValue(
            calls_.GetRegistryValue(kCurrentUser, kSettingsKey, L"Color", kTextValue, L""));
    } catch (const LibraryError& error) {
        pendingError = error.description();
    }
    if (trimBlanks(text).empty()) text = L"0";
    try {
        color = calls_.textToInt32(text);
    } catch (const LibraryError& error) {
        pendingError = error.description();
    }
    if (!pendingError.empty()) calls_.showMessage(pendingError, kOkOnly, kLibraryTitle);
    return color;
}

float DisplaySettings::Get_oval() {
    const std::wstring text = trimBlanks(read(kSettingsKey, L"Circle", L""));
    for (const auto& entry : kOvalOffsets) {
        if (text == entry.text) return entry.offset;
    }
    return kDefaultOvalOffset;
}

std::wstring DisplaySettings::lpPalette_favorite() {
    const std::wstring text = trimBlanks(read(kSettingsKey, L"XPLT", L""));
    for (const auto& palette : kPalettes) {
        if (text == palette.code) return palette.name;
    }
    return text;
}

}  // namespace qv
