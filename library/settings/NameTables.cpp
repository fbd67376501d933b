#include "NameTables.h"

namespace qv {
namespace {

struct NameTableRow {
    const wchar_t* code;
    const wchar_t* cellPrefix;
    const wchar_t* imageD;  // image names of kind "D": this + level
    const wchar_t* imageC;  // image names of kind "C": this + level
};

constexpr NameTableRow kRows[] = {
    {L"TL", L"Title", L"Title_d", L"Image_tl_c"},
    {L"IO", L"Io", L"Image_io_d", L"Image_io_c"},
    {L"BLLS", L"Blls", L"Blls_d", L"Blls_c"},
    {L"NUM", L"Num", L"Num_d", L"Num_c"},
    {L"DATE", L"Date", L"Date_d", L"Date_c"},
    {L"BORDER", L"Border", L"View_brd_d", L"View_brd_c"},
    {L"HGT", L"Height", L"Height_d", L"Height_c"},
};

const NameTableRow* rowOf(const std::wstring& code) {
    for (const auto& row : kRows) {
        if (code == row.code) return &row;
    }
    return nullptr;
}

// The level as its one digit, for exactly 1 to 5; otherwise nothing.
wchar_t levelDigit(float level) {
    for (int candidate = 1; candidate <= 5; ++candidate) {
        if (level == static_cast<float>(candidate)) return static_cast<wchar_t>(L'0' + candidate);
    }
    return 0;
}

}  // namespace

std::wstring lpCell_name(const std::wstring& lpOption, float lpLevel, const std::wstring& lpType) {
    const NameTableRow* row = rowOf(lpOption);
    const wchar_t digit = levelDigit(lpLevel);
    if (!row || !digit) return {};
    const std::wstring prefix = row->cellPrefix;
    if (lpType == L"B") return prefix + L"_copy_c" + digit;
    if (lpType == L"D") return prefix + L"_d" + digit;
    if (lpType == L"C") return prefix + L"_c" + digit;
    return {};
}

std::wstring lpRange_image(const std::wstring& lpOption, float lpLevel,
                           const std::wstring& lpType) {
    const NameTableRow* row = rowOf(lpOption);
    const wchar_t digit = levelDigit(lpLevel);
    if (!row || !digit) return {};
    if (lpType == L"D") {
        // The one name outside its row's pattern: the cell name of the same inputs.
        if (lpOption == L"IO" && digit == L'5') return L"Io_d5";
        return row->imageD + std::wstring(1, digit);
    }
    if (lpType == L"C") return row->imageC + std::wstring(1, digit);
    return {};
}

}  // namespace qv
