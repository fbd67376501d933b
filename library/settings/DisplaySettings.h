#pragma once
// The workbook's further settings in the settings key: custom indices of the button groups,
// the zoom percentage, the last cell position, and the drawing preferences (line style,
// colour, oval offset, favourite palette). Readers fall back to fixed defaults.

#include "LibraryCalls.h"

#include <string>

namespace qv {

class DisplaySettings {
  public:
    explicit DisplaySettings(LibraryCalls& calls) : calls_(calls) {}

    void Set_indest_custom(const std::wstring& lpOpt, const std::wstring& lpValue);
    bool lpIndest_custom(const std::wstring& lpOpt);
    std::int32_t lpZoom();
    void Set_pos_cell(const std::wstring& lpAddress);
    bool lpAddress(const std::wstring& lpNewAddress);

    std::wstring lpType_line();
    std::int32_t lpType_color();
    float Get_oval();
    std::wstring lpPalette_favorite();

  private:
    // A text value of the settings key (or of `key`), or `initial` when the read fails.
    std::wstring read(const std::wstring& key, const wchar_t* valueName, std::wstring initial);

    LibraryCalls& calls_;
};

// The title of the messages of the drawing preferences.
extern const wchar_t kLibraryTitle[];

}  // namespace qv
