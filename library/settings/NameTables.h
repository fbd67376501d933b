#pragma once
// The worksheet range names the add-in workbook defines, looked up by name-table code,
// level and kind. Pure lookups: input outside the tables gives the empty text.

#include <string>

namespace qv {

// Cell range names: kinds "B" (copy), "D" and "C".
std::wstring lpCell_name(const std::wstring& lpOption, float lpLevel, const std::wstring& lpType);

// Image range names: kinds "D" and "C".
std::wstring lpRange_image(const std::wstring& lpOption, float lpLevel, const std::wstring& lpType);

}  // namespace qv
