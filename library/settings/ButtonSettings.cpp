#include "ButtonSettings.h"

#include "LibraryError.h"
#include "RegistryAccess.h"
#include "SettingsTree.h"

#include <algorithm>

namespace qv {
namespace {

// A read that fails with an error leaves this, which strips to nothing like an absent value.
const std::wstring kFiveBlanks(5, L' ');

}  // namespace

std::int16_t ButtonSettings::readFlag(const std::wstring& key, const wchar_t* valueName) {
    std::wstring text = kFiveBlanks;
    try {
        text = textOfValue(calls_.GetRegistryValue(kCurrentUser, key, valueName, kTextValue, L""));
    } catch (const LibraryError&) {
    }
    return trimBlanks(text) == L"1" ? 1 : 0;
}

std::int16_t ButtonSettings::lpValue_button(const std::wstring& lpOpt,
                                            const std::wstring& lpSub_key) {
    return readFlag(settingsPath(lpSub_key + L"\\" + lpOpt), L"1");
}

std::int16_t ButtonSettings::lpValue_print(const std::wstring& lpOpt) {
    return readFlag(settingsPath(L"Stn\\" + lpOpt), L"5");
}

std::int16_t ButtonSettings::lpValue_button_opt(const std::wstring& lpOpt,
                                                const std::wstring& lpSub_key) {
    std::wstring text = kFiveBlanks;
    try {
        text = trimBlanks(textOfValue(calls_.GetRegistryValue(
            kCurrentUser, settingsPath(lpSub_key + L"\\" + lpOpt), L"value", kTextValue, L"")));
        if (text.empty()) return 1;
        return calls_.textToInt16(text);
    } catch (const LibraryError&) {
        return trimBlanks(text).empty() ? 1 : 0;
    }
}

void ButtonSettings::resetWriter(int group) {
    const ButtonGroup* found = buttonGroup(group);
    if (!found || !found->resetWriter) return;
    calls_.SetRegistryValue(kCurrentUser, settingsPath(std::wstring(found->key) + L"\\S"), L"value",
                            kTextValue, PortableValue(L"1"));
}

void ButtonSettings::resetWriterNamed(const std::wstring& writer) {
    if (const ButtonGroup* found = buttonGroupResetBy(writer)) resetWriter(found->number);
}

void ButtonSettings::Set_change_values_buttons(std::int16_t group, std::int16_t value) {
    const ButtonGroup* found = buttonGroup(group);
    if (!found) return;
    calls_.SetRegistryValue(kCurrentUser, settingsPath(std::wstring(found->key) + L"\\S"), L"value",
                            kTextValue, PortableValue(std::to_wstring(value)));
}

void ButtonSettings::prcChecked_Key_RG() {
    const bool productExists = calls_.CheckRegistryKey(kCurrentUser, kProductKey);
    const bool settingsExist = calls_.CheckRegistryKey(kCurrentUser, kSettingsKey);
    if (productExists && settingsExist) return;
    calls_.CreateRegistryKey(kCurrentUser, kSettingsKey);
}

void ButtonSettings::prcChecked_Key_RG_subkeys(std::int16_t group) {
    const ButtonGroup* found = buttonGroup(group);
    if (!found) return;
    const std::wstring groupKey = settingsPath(found->key);
    // An existing group is taken as complete: it is never repaired.
    if (calls_.CheckRegistryKey(kCurrentUser, groupKey)) return;
    for (const wchar_t* subKey : found->subKeys) {
        calls_.CreateRegistryKey(kCurrentUser, groupKey + L"\\" + subKey);
    }
}

void ButtonSettings::Reset_options_button_now(std::int16_t group) {
    const ButtonGroup* chosen = buttonGroup(group);
    if (!chosen || !chosen->resetWriter) return;  // Altrows resets nothing
    // Table order, except that for the last group the Rowh writer runs before Colh.
    std::vector<int> order;
    for (const auto& other : buttonGroups()) {
        if (other.resetWriter && other.number != group) order.push_back(other.number);
    }
    if (group == 16) std::iter_swap(order.end() - 2, order.end() - 1);
    for (const int other : order) calls_.resetWriter(other);
}

bool ButtonSettings::Delete_information_All() {
    bool failed = false;
    for (const auto& key : settingsDeletionOrder()) {
        try {
            calls_.DeleteRegistryKey(kCurrentUser, key);
        } catch (const LibraryError&) {
            failed = true;  // the step is skipped and the wipe goes on
        }
    }
    return !failed;
}

}  // namespace qv
