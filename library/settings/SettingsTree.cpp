#include "SettingsTree.h"

namespace qv {

const wchar_t kProductKey[] = L"Software\\Quorvane11";
const wchar_t kSettingsKey[] = L"Software\\Quorvane11\\Groupdate";

namespace {

const std::vector<const wchar_t*> kSlotsAndSelection = {L"1", L"2", L"3", L"4", L"5", L"S"};
const std::vector<const wchar_t*> kSelectionOnly = {L"S"};
const std::vector<const wchar_t*> kZoomKeys = {L"G", L"S"};

}  // namespace

const std::vector<ButtonGroup>& buttonGroups() {
    static const std::vector<ButtonGroup> groups = {
        {1, L"Tl", kSlotsAndSelection, L"Set_button_Tl", L"tl", L"TL"},
        {2, L"IO", kSlotsAndSelection, L"Set_button_IO", L"io", L"IO"},
        {3, L"Blls", kSlotsAndSelection, L"Set_button_Blls", L"blls", L"BLLS"},
        {4, L"Stn", kSlotsAndSelection, L"Set_button_Stn", L"stn", nullptr},
        {5, L"Ccase", kSelectionOnly, L"Set_button_case", nullptr, nullptr},
        {6, L"Zoom", kZoomKeys, L"Set_button_zoom", nullptr, nullptr},
        {7, L"Num", kSlotsAndSelection, L"Set_button_Num", L"num", L"NUM"},
        {8, L"Date", kSlotsAndSelection, L"Set_button_Date", L"date", L"DATE"},
        {9, L"Brd", kSlotsAndSelection, L"Set_button_Brd", L"brd", nullptr},
        {10, L"Hgt", kSlotsAndSelection, L"Set_button_Hgt", L"hgt", L"HGT"},
        {11, L"Opt", kSlotsAndSelection, L"Set_button_Opt", L"opt", nullptr},
        {12, L"Brds", kSlotsAndSelection, L"Set_button_Brds", L"brds", nullptr},
        {13, L"Altrows", kSelectionOnly, nullptr, L"altrows", nullptr},
        {14, L"Colh", kSelectionOnly, L"Set_button_colh", L"colh", nullptr},
        {15, L"Rowh", kSelectionOnly, L"Set_button_rowh", L"rowh", nullptr},
        {16, L"Dotl", kSelectionOnly, L"Set_button_dotl", L"dotl", nullptr},
    };
    return groups;
}

const ButtonGroup* buttonGroup(int number) {
    const auto& groups = buttonGroups();
    if (number < 1 || number > static_cast<int>(groups.size())) return nullptr;
    return &groups[static_cast<std::size_t>(number - 1)];
}

const ButtonGroup* buttonGroupResetBy(const std::wstring& writer) {
    for (const auto& group : buttonGroups()) {
        if (group.resetWriter && writer == group.resetWriter) return &group;
    }
    return nullptr;
}

std::wstring settingsPath(const std::wstring& relative) {
    return std::wstring(kSettingsKey) + L"\\" + relative;
}

std::vector<std::wstring> settingsDeletionOrder() {
    std::vector<std::wstring> order;
    for (const auto& group : buttonGroups()) {
        for (const wchar_t* subKey : group.subKeys) {
            order.push_back(settingsPath(std::wstring(group.key) + L"\\" + subKey));
        }
        order.push_back(settingsPath(group.key));
    }
    order.push_back(kSettingsKey);
    order.push_back(kProductKey);
    return order;
}

}  // namespace qv
