// Custom indices, zoom, cell position and the drawing preferences, natively.

#include "PortableLibrary.h"
#include "SettingsTree.h"

#include <gtest/gtest.h>

namespace qv::testing {
namespace {

class DisplaySettingsTest : public ::testing::Test {
  protected:
    void store(const std::wstring& key, const wchar_t* name, const wchar_t* text) {
        library_.registry.createKey(kCurrentUser, key);
        library_.registry.deleteValue(kCurrentUser, key, name);
        if (text) library_.registry.setValue(kCurrentUser, key, name, 1, PortableValue(text));
    }

    PortableLibrary library_;
    DisplaySettings& display_ = library_.display;
};

TEST_F(DisplaySettingsTest, CustomIndicesMatchTheGroupNameExactly) {
    display_.Set_indest_custom(L"Zoom", L"7");  // no custom index, but the key is made
    EXPECT_TRUE(library_.registry.checkKey(kCurrentUser, kSettingsKey));
    display_.Set_indest_custom(L"Tl", L"7");
    EXPECT_EQ(library_.registry.getValue(kCurrentUser, kSettingsKey, L"tl", 1),
              RegistryValue(std::wstring(L"7")));
    display_.Set_indest_custom(L"tl", L"8");
    display_.Set_indest_custom(L"Hgt", L"   ");
    display_.Set_indest_custom(L"Altrows", L"x");
    struct Case {
        const wchar_t* group;
        bool custom;
    };
    const Case cases[] = {{L"Tl", true},   {L"tl", false},     {L"TL", false},    {L" Tl", false},
                          {L"Hgt", false}, {L"Altrows", true}, {L"Ccase", false}, {L"IO", false}};
    for (const auto& c : cases) EXPECT_EQ(display_.lpIndest_custom(c.group), c.custom) << c.group;
}

TEST_F(DisplaySettingsTest, ZoomReadsAs32BitNumberOr100) {
    struct Case {
        const wchar_t* stored;
        std::int32_t zoom;
    };
    const Case cases[] = {{nullptr, 100}, {L"  ", 100}, {L" 75 ", 75},      {L"abc", 0},
                          {L"-5", -5},    {L"2.5", 2},  {L"99999999999", 0}};
    for (const auto& c : cases) {
        store(settingsPath(L"Zoom\\G"), L"value", c.stored);
        EXPECT_EQ(display_.lpZoom(), c.zoom) << (c.stored ? c.stored : L"(missing)");
    }
}

TEST_F(DisplaySettingsTest, TheCellPositionDiffersOnlyWhenOneIsStored) {
    EXPECT_FALSE(display_.lpAddress(L"$B$3"));
    display_.Set_pos_cell(L"$B$3");
    EXPECT_FALSE(display_.lpAddress(L"$B$3"));
    EXPECT_FALSE(display_.lpAddress(L"  $B$3 "));
    EXPECT_TRUE(display_.lpAddress(L"$b$3"));
    EXPECT_TRUE(display_.lpAddress(L"$C$3"));
    EXPECT_TRUE(display_.lpAddress(L"$C$3"));  // the comparison stores nothing
}

TEST_F(DisplaySettingsTest, DrawingPreferencesWithTheirDefaults) {
    store(kSettingsKey, L"Line", L" dash ");
    EXPECT_EQ(display_.lpType_line(), L"dash");
    store(kSettingsKey, L"Line", nullptr);
    EXPECT_EQ(display_.lpType_line(), L"chk1");

    struct Oval {
        const wchar_t* stored;
        float offset;
    };
    const Oval ovals[] = {{L"3", 0.0f},    {L"7", 0.1f},   {L"03", 0.1f}, {nullptr, 0.1f},
                          {L" 0 ", -0.2f}, {L"1", -0.15f}, {L"6", 0.2f}};
    for (const auto& c : ovals) {
        store(kSettingsKey, L"Circle", c.stored);
        EXPECT_EQ(display_.Get_oval(), c.offset) << (c.stored ? c.stored : L"(missing)");
    }

    struct Palette {
        const wchar_t* stored;
        const wchar_t* name;
    };
    const Palette palettes[] = {{L"SP", L"Spring"},    {L"sp", L"sp"},    {L" Winter ", L"Winter"},
                                {nullptr, L"Default"}, {L"A", L"Autumm"}, {L"S", L"Summer"},
                                {L"D", L"Default"}};
    for (const auto& c : palettes) {
        store(kSettingsKey, L"XPLT", c.stored);
        EXPECT_EQ(display_.lpPalette_favorite(), c.name);
    }
    EXPECT_TRUE(library_.messages.empty());
}

TEST_F(DisplaySettingsTest, AColourThatIsNoNumberIsZeroWithOneMessage) {
    store(kSettingsKey, L"Color", L"255");
    EXPECT_EQ(display_.lpType_color(), 255);
    store(kSettingsKey, L"Color", nullptr);
    EXPECT_EQ(display_.lpType_color(), 0);
    EXPECT_TRUE(library_.messages.empty());
    store(kSettingsKey, L"Color", L"red");
    EXPECT_EQ(display_.lpType_color(), 0);
    EXPECT_EQ(library_.messages,
              (std::vector<ShownMessage>{{L"Type mismatch", kOkOnly, L"IQV_v011"}}));
}

// A library whose reads of the settings key fail.
class FailingReads : public PortableLibrary {
  public:
    RegistryValue GetRegistryValue(RegistryRoot, const std::wstring&, const std::wstring&,
                                   std::int16_t, const std::wstring&) override {
        throw LibraryError(kLibraryErrorNumber, kUnsupportedValueTypeDescription);
    }
};

TEST(DisplaySettingsErrorsTest, OnlyLineAndColourShowAFailedRead) {
    FailingReads library;
    library.title = L"Quorvane Function";
    EXPECT_EQ(library.display.lpType_line(), L"chk1");
    EXPECT_EQ(library.display.lpType_color(), 0);
    const ShownMessage failed{L"Tipo de valor no compatible", kOkOnly, L"IQV_v011"};
    EXPECT_EQ(library.messages, (std::vector<ShownMessage>{failed, failed}));
    EXPECT_EQ(library.display.Get_oval(), 0.1f);
    EXPECT_EQ(library.display.lpPalette_favorite(), L"Default");
    EXPECT_EQ(library.display.lpZoom(), 100);
    EXPECT_FALSE(library.display.lpAddress(L"$A$1"));
    EXPECT_FALSE(library.display.lpIndest_custom(L"Tl"));
    EXPECT_EQ(library.buttons.lpValue_button_opt(L"S", L"Tl"), 1);
    EXPECT_EQ(library.buttons.lpValue_button(L"1", L"Tl"), 0);
    EXPECT_EQ(library.records.Asigna_key(), L"P");
    EXPECT_EQ(library.messages.size(), 2u);
}

TEST_F(DisplaySettingsTest, WritersStopAtAKeyThatCannotBeMade) {
    library_.store.refuseKeyCreation(kAccessDenied);
    for (const auto& write :
         std::vector<std::function<void()>>{[&] { display_.Set_pos_cell(L"$A$1"); },
                                            [&] { display_.Set_indest_custom(L"Tl", L"1"); }}) {
        try {
            write();
            ADD_FAILURE() << "no error";
        } catch (const LibraryError& error) {
            EXPECT_EQ(error.number(), 1001);
        }
    }
}

}  // namespace
}  // namespace qv::testing
