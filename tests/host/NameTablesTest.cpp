// The worksheet name tables, checked name by name against the workbook's range names.

#include "NameTables.h"
#include "SettingsTree.h"

#include <gtest/gtest.h>

#include <map>

namespace qv {
namespace {

struct Row {
    const wchar_t* code;
    std::vector<std::wstring> names;  // levels 1 to 5
};

std::vector<std::wstring> numbered(const std::wstring& stem) {
    std::vector<std::wstring> names;
    for (int level = 1; level <= 5; ++level) names.push_back(stem + std::to_wstring(level));
    return names;
}

TEST(NameTablesTest, EveryCellName) {
    const std::map<std::wstring, std::wstring> prefixes = {
        {L"TL", L"Title"},  {L"IO", L"Io"},         {L"BLLS", L"Blls"}, {L"NUM", L"Num"},
        {L"DATE", L"Date"}, {L"BORDER", L"Border"}, {L"HGT", L"Height"}};
    int names = 0;
    for (const auto& [code, prefix] : prefixes) {
        for (const auto& [kind, infix] : std::map<std::wstring, std::wstring>{
                 {L"B", L"_copy_c"}, {L"D", L"_d"}, {L"C", L"_c"}}) {
            const auto expected = numbered(prefix + infix);
            for (int level = 1; level <= 5; ++level, ++names) {
                EXPECT_EQ(lpCell_name(code, static_cast<float>(level), kind), expected[level - 1]);
            }
        }
    }
    EXPECT_EQ(names, 105);
    EXPECT_EQ(lpCell_name(L"TL", 1, L"B"), L"Title_copy_c1");
    EXPECT_EQ(lpCell_name(L"HGT", 5, L"C"), L"Height_c5");
}

TEST(NameTablesTest, EveryImageName) {
    std::vector<std::wstring> ioD = numbered(L"Image_io_d");
    ioD[4] = L"Io_d5";
    const std::vector<std::pair<Row, Row>> rows = {
        {{L"TL", numbered(L"Title_d")}, {L"TL", numbered(L"Image_tl_c")}},
        {{L"IO", ioD}, {L"IO", numbered(L"Image_io_c")}},
        {{L"BLLS", numbered(L"Blls_d")}, {L"BLLS", numbered(L"Blls_c")}},
        {{L"NUM", numbered(L"Num_d")}, {L"NUM", numbered(L"Num_c")}},
        {{L"DATE", numbered(L"Date_d")}, {L"DATE", numbered(L"Date_c")}},
        {{L"BORDER", numbered(L"View_brd_d")}, {L"BORDER", numbered(L"View_brd_c")}},
        {{L"HGT", numbered(L"Height_d")}, {L"HGT", numbered(L"Height_c")}},
    };
    int names = 0;
    for (const auto& [kindD, kindC] : rows) {
        for (int level = 1; level <= 5; ++level, names += 2) {
            EXPECT_EQ(lpRange_image(kindD.code, static_cast<float>(level), L"D"),
                      kindD.names[level - 1]);
            EXPECT_EQ(lpRange_image(kindC.code, static_cast<float>(level), L"C"),
                      kindC.names[level - 1]);
            EXPECT_EQ(lpRange_image(kindD.code, static_cast<float>(level), L"B"), L"");
        }
    }
    EXPECT_EQ(names, 70);
}

TEST(NameTablesTest, InputsOutsideTheTablesGiveTheEmptyText) {
    struct Case {
        const wchar_t* code;
        float level;
        const wchar_t* kind;
    };
    const Case cases[] = {{L"tl", 1, L"D"},  {L"Tl", 1, L"D"},    {L"Stn", 1, L"D"},
                          {L"Opt", 1, L"C"}, {L"Brd", 1, L"C"},   {L"TL", 0, L"D"},
                          {L"TL", 6, L"D"},  {L"TL", 2.5f, L"D"}, {L"TL", 0.999999f, L"D"},
                          {L"TL", 1, L"d"},  {L"TL", 1, L"c"},    {L" TL", 1, L"D"},
                          {L"", 1, L"D"},    {L"TL", 1, L""}};
    for (const auto& c : cases) {
        EXPECT_EQ(lpCell_name(c.code, c.level, c.kind), L"") << c.code << " " << c.level;
        EXPECT_EQ(lpRange_image(c.code, c.level, c.kind), L"") << c.code << " " << c.level;
    }
}

TEST(NameTablesTest, EveryGroupsNameTableCodeIsInTheTables) {
    for (const auto& group : buttonGroups()) {
        if (group.nameTableCode) {
            EXPECT_NE(lpCell_name(group.nameTableCode, 1, L"D"), L"");
        }
    }
}

}  // namespace
}  // namespace qv
