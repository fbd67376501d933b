// The settings tree: the group table and the order in which the tree is deleted.

#include "SettingsTree.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(SettingsTreeTest, DeletionRunsLeavesFirstThroughEveryGroup) {
    const auto order = settingsDeletionOrder();
    ASSERT_EQ(order.size(), 85u);
    const std::wstring base = L"Software\\Quorvane11\\Groupdate\\";
    const std::vector<std::wstring> start = {base + L"Tl\\1", base + L"Tl\\2", base + L"Tl\\3",
                                             base + L"Tl\\4", base + L"Tl\\5", base + L"Tl\\S",
                                             base + L"Tl",    base + L"IO\\1"};
    EXPECT_EQ(std::vector<std::wstring>(order.begin(), order.begin() + 8), start);
    const std::vector<std::wstring> middle = {base + L"Ccase\\S", base + L"Ccase",
                                              base + L"Zoom\\G",  base + L"Zoom\\S",
                                              base + L"Zoom",     base + L"Num\\1"};
    EXPECT_EQ(std::vector<std::wstring>(order.begin() + 28, order.begin() + 34), middle);
    const std::vector<std::wstring> end = {
        base + L"Altrows\\S",   base + L"Altrows", base + L"Colh\\S",
        base + L"Colh",         base + L"Rowh\\S", base + L"Rowh",
        base + L"Dotl\\S",      base + L"Dotl",    L"Software\\Quorvane11\\Groupdate",
        L"Software\\Quorvane11"};
    EXPECT_EQ(std::vector<std::wstring>(order.end() - 10, order.end()), end);
}

TEST(SettingsTreeTest, GroupsAreFoundByNumberOnly) {
    EXPECT_EQ(buttonGroup(0), nullptr);
    EXPECT_EQ(buttonGroup(17), nullptr);
    EXPECT_STREQ(buttonGroup(13)->key, L"Altrows");
    EXPECT_EQ(buttonGroup(13)->resetWriter, nullptr);
    EXPECT_EQ(buttonGroup(5)->customIndexValue, nullptr);
}

TEST(SettingsTreeTest, AResetWriterIsFoundByItsMembersNameOnly) {
    const std::pair<const wchar_t*, const wchar_t*> found[] = {
        {L"Set_button_Tl", L"Tl"},
        {L"Set_button_case", L"Ccase"},  // the member's name is not the group key's
        {L"Set_button_dotl", L"Dotl"},
    };
    for (const auto& [writer, key] : found) {
        const ButtonGroup* group = buttonGroupResetBy(writer);
        ASSERT_NE(group, nullptr) << writer;
        EXPECT_STREQ(group->key, key);
    }
    for (const wchar_t* other : {L"Set_button_Altrows", L"Tl", L""}) {
        EXPECT_EQ(buttonGroupResetBy(other), nullptr);
    }
}

}  // namespace
}  // namespace qv
