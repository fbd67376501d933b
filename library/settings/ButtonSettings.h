#pragma once
// The toolbar's button groups in the settings tree: flag and chosen-option reads, the
// writers of a group's chosen option, the checks that create keys, the reset of the other
// groups and the wipe of the whole tree. Readers never fail: they fall back to defaults.

#include "LibraryCalls.h"
#include "SettingsText.h"

#include <string>

namespace qv {

class ButtonSettings {
  public:
    explicit ButtonSettings(LibraryCalls& calls) : calls_(calls) {}

    // Value "1" of key lpSub_key\lpOpt: 1 for exactly "1" (blanks stripped), else 0.
    std::int16_t lpValue_button(const std::wstring& lpOpt, const std::wstring& lpSub_key);
    // Value "5" of key Stn\lpOpt: 1 or 0 as above.
    std::int16_t lpValue_print(const std::wstring& lpOpt);
    // Value "value" of key lpSub_key\lpOpt: 1 when blank or missing, the number it holds, or 0
    // when that is no 16-bit number.
    std::int16_t lpValue_button_opt(const std::wstring& lpOpt, const std::wstring& lpSub_key);

    // Writes "1" into the selection key of a group that has a reset writer.
    void resetWriter(int group);
    // The reset writer named `writer` (Set_button_Tl, ...): resets the group it belongs to.
    void resetWriterNamed(const std::wstring& writer);
    // Writes the decimal text of `value` into the selection key of group 1 to 16.
    void Set_change_values_buttons(std::int16_t group, std::int16_t value);

    void prcChecked_Key_RG();
    void prcChecked_Key_RG_subkeys(std::int16_t group);
    void Reset_options_button_now(std::int16_t group);
    bool Delete_information_All();

  private:
    std::int16_t readFlag(const std::wstring& key, const wchar_t* valueName);

    LibraryCalls& calls_;
};

}  // namespace qv
