#pragma once
// The add-in's settings tree below HKEY_CURRENT_USER: the product and settings keys and the
// table of the sixteen button groups, which every operation on the tree walks.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qv {

extern const wchar_t kProductKey[];   // "Software\Quorvane11"
extern const wchar_t kSettingsKey[];  // "Software\Quorvane11\Groupdate"

struct ButtonGroup {
    std::int16_t number;                  // the lpOption of the group operations, 1 to 16
    const wchar_t* key;                   // group key below the settings key, as written
    std::vector<const wchar_t*> subKeys;  // in creation (and deletion) order
    const wchar_t* resetWriter;           // the member that puts it back to "1", or nullptr
    const wchar_t* customIndexValue;      // value of the settings key, or nullptr
    const wchar_t* nameTableCode;         // code of the worksheet name tables, or nullptr
};

// The sixteen groups in table order (index = number - 1).
const std::vector<ButtonGroup>& buttonGroups();

// The group numbered `number`, or nothing for a number outside 1 to 16.
const ButtonGroup* buttonGroup(int number);

// The group whose reset writer is the member named `writer`, or nothing.
const ButtonGroup* buttonGroupResetBy(const std::wstring& writer);

// "Software\Quorvane11\Groupdate\" + relative path.
std::wstring settingsPath(const std::wstring& relative);

// Every key of the tree, full paths, leaves first: each group's sub-keys then the group key,
// in table order, then the settings key, then the product key (85 deletions).
std::vector<std::wstring> settingsDeletionOrder();

}  // namespace qv
