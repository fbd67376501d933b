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
        {1, L"Tl", kSlotsAndSelection, true, L"tl", L"TL"},
        {2, L"IO", kSlotsAndSelection, true, L"io", L"IO"},
        {3, L"Blls", kSlotsAndSelection, true, L"blls", L"BLLS"},
        {4, L"Stn", kSlotsAndSelection, true, L"stn", nullptr},
        {5, L"Ccase", kSelectionOnly, true, nullptr, nullptr},
        {6, L"Zoom", kZoomKeys, true, nullptr, nullptr},
        {7, L"Num", kSlotsAndSelection, true, L"num", L"NUM"},
        {8, L"Date", kSlotsAndSelection, true, L"date", L"DATE"},
        {9, L"Brd", kSlotsAndSelection, true, L"brd", nullptr},
        {10, L"Hgt", kSlotsAndSelection, true, L"hgt", L"HGT"},
        {11, L"Opt", kSlotsAndSelection, true, L"opt", nullptr},
        {12, L"Brds", kSlotsAndSelection, true, L"brds", nullptr},
        {13, L"Altrows", kSelectionOnly, false, L"altrows", nullptr},
        {14, L"Colh", kSelectionOnly, true, L"colh", nullptr},
        {15, L"Rowh", kSelectionOnly, true, L"rowh", nullptr},
        {16, L"Dotl", kSelectionOnly, true, L"dotl", nullptr},
    };
    return groups;
}

const ButtonGroup* buttonGroup(int number) {
    const auto& groups = buttonGroups();
    if (number < 1 || number > static_cast<int>(groups.size())) return nullptr;
    return &groups[static_cast<std::size_t>(number - 1)];
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
