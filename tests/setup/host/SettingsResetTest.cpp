// The reset of the settings tree: 85 deletions, leaves first.

#include "SetupFixture.h"

namespace qv::setup::testing {
namespace {

class SettingsReset : public SetupFixture {
  protected:
    void createCompleteTree() {
        for (const auto& group : buttonGroups())
            for (const wchar_t* subKey : group.subKeys)
                registry.createKey(kCurrentUser,
                                   settingsPath(std::wstring(group.key) + L"\\" + subKey));
        registry.setValue(kCurrentUser, kSettingsKey, L"Dir", kTextValue, PortableValue(L"C:\\X"));
    }
};

TEST_F(SettingsReset, DeletesTheWholeTreeInItsOrder) {
    createCompleteTree();

    EXPECT_TRUE(engine.prcReset_Settings());

    const auto deletions = callsStartingWith(L"RegDeleteKey(");
    ASSERT_EQ(deletions.size(), 85u);
    const std::wstring tree = L"RegDeleteKey(Software\\Quorvane11\\Groupdate";
    const std::vector<std::wstring> opening = {
        tree + L"\\Tl\\1)", tree + L"\\Tl\\2)", tree + L"\\Tl\\3)", tree + L"\\Tl\\4)",
        tree + L"\\Tl\\5)", tree + L"\\Tl\\S)", tree + L"\\Tl)",    tree + L"\\IO\\1)"};
    EXPECT_EQ(std::vector<std::wstring>(deletions.begin(), deletions.begin() + 8), opening);
    const std::vector<std::wstring> closing = {tree + L"\\Zoom\\G)", tree + L"\\Zoom\\S)",
                                               tree + L"\\Zoom)"};
    EXPECT_NE(std::search(deletions.begin(), deletions.end(), closing.begin(), closing.end()),
              deletions.end());
    EXPECT_EQ(deletions[82], tree + L"\\Dotl)");
    EXPECT_EQ(deletions[83], tree + L")");
    EXPECT_EQ(deletions[84], L"RegDeleteKey(Software\\Quorvane11)");
    // The same paths, one for one, as the tree's own deletion order.
    const auto order = settingsDeletionOrder();
    for (std::size_t i = 0; i < order.size(); ++i)
        EXPECT_EQ(deletions[i], L"RegDeleteKey(" + order[i] + L")");

    EXPECT_FALSE(registry.checkKey(kCurrentUser, kSettingsKey));
    EXPECT_FALSE(registry.checkKey(kCurrentUser, kProductKey));
}

TEST_F(SettingsReset, OnAnEmptyRegistryDoesNothingAndSucceeds) {
    EXPECT_TRUE(engine.prcReset_Settings());
    EXPECT_EQ(callsStartingWith(L"RegDeleteKey(").size(), 85u);
    EXPECT_FALSE(registry.checkKey(kCurrentUser, kProductKey));
}

TEST_F(SettingsReset, UnknownSubKeyKeepsItsAncestorsAndTheirValues) {
    createCompleteTree();
    registry.createKey(kCurrentUser, settingsPath(L"Tl\\6"));

    EXPECT_TRUE(engine.prcReset_Settings());

    EXPECT_TRUE(registry.checkKey(kCurrentUser, settingsPath(L"Tl\\6")));
    EXPECT_FALSE(registry.checkKey(kCurrentUser, settingsPath(L"Tl\\1")));
    EXPECT_FALSE(registry.checkKey(kCurrentUser, settingsPath(L"IO")));
    EXPECT_TRUE(registry.checkKey(kCurrentUser, kProductKey));
    EXPECT_EQ(storedText(kSettingsKey, L"Dir", kTextValue), L"C:\\X");
}

TEST_F(SettingsReset, RaisedErrorGivesFalse) {
    store.raiseOnDelete = true;
    EXPECT_FALSE(engine.prcReset_Settings());
}

TEST_F(SettingsReset, RecordsAfterResetRecreateBothKeys) {
    createCompleteTree();
    engine.gInstall_Path = L"C:\\NEW";
    engine.prcRecord_Install();
    EXPECT_TRUE(registry.checkKey(kCurrentUser, kProductKey));
    EXPECT_EQ(storedText(kSettingsKey, L"Dir", kTextValue), L"C:\\NEW");
    EXPECT_FALSE(registry.checkKey(kCurrentUser, settingsPath(L"Tl")));
}

}  // namespace
}  // namespace qv::setup::testing
