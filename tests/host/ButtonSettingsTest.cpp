// The button groups in the settings tree, natively over the in-memory registry.

#include "PortableLibrary.h"
#include "SettingsTree.h"

#include <gtest/gtest.h>

namespace qv::testing {
namespace {

class ButtonSettingsTest : public ::testing::Test {
  protected:
    void store(const std::wstring& relativeKey, const wchar_t* name, const std::wstring& text) {
        library_.registry.createKey(kCurrentUser, settingsPath(relativeKey));
        library_.registry.setValue(kCurrentUser, settingsPath(relativeKey), name, 1,
                                   PortableValue(text));
    }
    std::optional<RegistryValue> stored(const std::wstring& relativeKey, const wchar_t* name) {
        return library_.registry.getValue(kCurrentUser, settingsPath(relativeKey), name, 1);
    }
    bool exists(const std::wstring& fullKey) {
        return library_.registry.checkKey(kCurrentUser, fullKey);
    }

    PortableLibrary library_;
    ButtonSettings& buttons_ = library_.buttons;
};

TEST_F(ButtonSettingsTest, FlagReadersAcceptExactlyOne) {
    struct Case {
        const wchar_t* stored;  // nullptr: no value
        std::int16_t flag;
    };
    const Case cases[] = {{L"1", 1},   {L" 1 ", 1},  {L"0", 0},  {L"2", 0}, {L"01", 0},
                          {L"1.0", 0}, {L"true", 0}, {L"on", 0}, {L"", 0},  {nullptr, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored ? c.stored : L"(missing)");
        library_.registry.deleteKey(kCurrentUser, settingsPath(L"Tl\\3"));
        library_.registry.deleteKey(kCurrentUser, settingsPath(L"Stn\\2"));
        if (c.stored) {
            store(L"Tl\\3", L"1", c.stored);
            store(L"Stn\\2", L"5", c.stored);
        }
        EXPECT_EQ(buttons_.lpValue_button(L"3", L"Tl"), c.flag);
        EXPECT_EQ(buttons_.lpValue_button(L"3", L"tl"), c.flag);  // the registry ignores case
        EXPECT_EQ(buttons_.lpValue_print(L"2"), c.flag);
    }
}

TEST_F(ButtonSettingsTest, ThePrintFlagIsValueFiveOnly) {
    store(L"Stn\\2", L"1", L"1");
    EXPECT_EQ(buttons_.lpValue_print(L"2"), 0);
    EXPECT_EQ(buttons_.lpValue_button(L"2", L"Stn"), 1);
}

TEST_F(ButtonSettingsTest, TheChosenOptionReadsAsA16BitNumber) {
    struct Case {
        const wchar_t* stored;  // nullptr: no value
        std::int16_t option;
    };
    const Case cases[] = {{nullptr, 1}, {L"", 1},    {L"   ", 1},       {L"4", 4},
                          {L" 4 ", 4},  {L"-2", -2}, {L"x", 0},         {L"40000", 0},
                          {L"2.5", 2},  {L"3.5", 4}, {L"32767", 32767}, {L"-32768", -32768}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored ? c.stored : L"(missing)");
        library_.registry.deleteKey(kCurrentUser, settingsPath(L"Tl\\S"));
        if (c.stored) store(L"Tl\\S", L"value", c.stored);
        EXPECT_EQ(buttons_.lpValue_button_opt(L"S", L"Tl"), c.option);
    }
}

TEST_F(ButtonSettingsTest, WritersLandOnlyInKeysThatExist) {
    buttons_.Set_change_values_buttons(1, 4);  // Tl\S is missing: nothing is written
    EXPECT_EQ(buttons_.lpValue_button_opt(L"S", L"Tl"), 1);
    EXPECT_FALSE(exists(settingsPath(L"Tl\\S")));

    for (std::int16_t group = 1; group <= 16; ++group) buttons_.prcChecked_Key_RG_subkeys(group);
    buttons_.Set_change_values_buttons(1, -1);
    EXPECT_EQ(stored(L"Tl\\S", L"value"), RegistryValue(std::wstring(L"-1")));
    EXPECT_EQ(buttons_.lpValue_button_opt(L"S", L"Tl"), -1);
    buttons_.Set_change_values_buttons(13, 2);
    EXPECT_EQ(stored(L"Altrows\\S", L"value"), RegistryValue(std::wstring(L"2")));
    for (std::int16_t outside : {0, 17, -1}) buttons_.Set_change_values_buttons(outside, 9);

    for (const auto& group : buttonGroups()) {
        SCOPED_TRACE(group.key);
        buttons_.Set_change_values_buttons(group.number, 7);
        buttons_.resetWriter(group.number);
        const std::wstring expected = group.resetWriter ? L"1" : L"7";
        EXPECT_EQ(stored(std::wstring(group.key) + L"\\S", L"value"), RegistryValue(expected));
    }
}

TEST_F(ButtonSettingsTest, SubkeyChecksCreateOneGroupOnceAndNeverRepairIt) {
    buttons_.prcChecked_Key_RG_subkeys(6);
    EXPECT_TRUE(exists(settingsPath(L"Zoom\\G")));
    EXPECT_TRUE(exists(settingsPath(L"Zoom\\S")));
    EXPECT_FALSE(exists(settingsPath(L"Zoom\\1")));
    buttons_.prcChecked_Key_RG_subkeys(5);
    EXPECT_EQ(library_.registry.enumKeys(kCurrentUser, settingsPath(L"Ccase")),
              std::vector<std::wstring>{L"S"});
    buttons_.prcChecked_Key_RG_subkeys(1);
    EXPECT_EQ(library_.registry.enumKeys(kCurrentUser, settingsPath(L"Tl"))->size(), 6u);

    library_.registry.deleteKey(kCurrentUser, settingsPath(L"Tl\\S"));
    buttons_.prcChecked_Key_RG_subkeys(1);
    EXPECT_FALSE(exists(settingsPath(L"Tl\\S")));

    PortableLibrary empty;
    for (std::int16_t outside : {0, 17}) empty.buttons.prcChecked_Key_RG_subkeys(outside);
    EXPECT_FALSE(empty.registry.checkKey(kCurrentUser, kProductKey));
}

TEST_F(ButtonSettingsTest, SettingsKeyCheckCreatesBothKeysOrRaises1001) {
    buttons_.prcChecked_Key_RG();
    EXPECT_TRUE(exists(kSettingsKey));
    PortableLibrary refusing;
    refusing.store.refuseKeyCreation(kAccessDenied);
    try {
        refusing.buttons.prcChecked_Key_RG_subkeys(1);
        ADD_FAILURE() << "no error";
    } catch (const LibraryError& error) {
        EXPECT_EQ(error.number(), 1001);
        EXPECT_EQ(error.description(), L"No fue posible crear la clave del registro");
    }
}

// Records which reset writers run, in order.
class ResetRecorder : public PortableLibrary {
  public:
    void resetWriter(int group) override { groups.push_back(group); }
    std::vector<int> groups;
};

TEST(ResetOptionsTest, ResetsEveryOtherGroupWithAWriterInTableOrder) {
    struct Case {
        std::int16_t chosen;
        std::vector<int> reset;
    };
    const Case cases[] = {
        {1, {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 15, 16}},
        {7, {1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 14, 15, 16}},
        {14, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 15, 16}},
        {16, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 15, 14}},  // Rowh before Colh
        {13, {}},
        {0, {}},
        {17, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chosen);
        ResetRecorder library;
        library.buttons.Reset_options_button_now(c.chosen);
        EXPECT_EQ(library.groups, c.reset);
    }
}

// Records the keys deleted, and fails the deletions it is told to.
class DeletionRecorder : public PortableLibrary {
  public:
    void DeleteRegistryKey(RegistryRoot root, const std::wstring& keyName) override {
        deleted.push_back(keyName);
        if (keyName == failing) throw LibraryError::runtime(kOutOfMemory);
        PortableLibrary::DeleteRegistryKey(root, keyName);
    }
    std::vector<std::wstring> deleted;
    std::wstring failing;
};

TEST(WipeTest, DeletesTheWholeTreeInOrderAndReportsErrorsOnlyThroughItsResult) {
    DeletionRecorder library;
    EXPECT_TRUE(library.buttons.Delete_information_All());  // nothing there
    EXPECT_EQ(library.deleted, settingsDeletionOrder());

    for (std::int16_t group = 1; group <= 16; ++group)
        library.buttons.prcChecked_Key_RG_subkeys(group);
    library.records.prcDir(L"C:\\QV");
    EXPECT_TRUE(library.buttons.Delete_information_All());
    EXPECT_FALSE(library.registry.checkKey(kCurrentUser, kProductKey));
    EXPECT_TRUE(library.buttons.Delete_information_All());  // twice in a row

    library.deleted.clear();
    library.failing = settingsPath(L"IO\\3");
    EXPECT_FALSE(library.buttons.Delete_information_All());
    EXPECT_EQ(library.deleted.size(), 85u);  // the failed step is skipped, the rest run
}

TEST(WipeTest, AnUnlistedSubkeyKeepsItsGroupAndTheRootsInPlace) {
    PortableLibrary library;
    for (std::int16_t group = 1; group <= 16; ++group)
        library.buttons.prcChecked_Key_RG_subkeys(group);
    library.registry.createKey(kCurrentUser, settingsPath(L"Tl\\6"));
    library.records.prcDir(L"C:\\QV");
    EXPECT_TRUE(library.buttons.Delete_information_All());
    EXPECT_TRUE(library.registry.checkKey(kCurrentUser, settingsPath(L"Tl\\6")));
    EXPECT_FALSE(library.registry.checkKey(kCurrentUser, settingsPath(L"Tl\\S")));
    EXPECT_FALSE(library.registry.checkKey(kCurrentUser, settingsPath(L"IO")));
    EXPECT_EQ(library.records.InstallPath(), L"C:\\QV");
}

}  // namespace
}  // namespace qv::testing
