// The settings members from the C++ client, early bound: errors from deep calls keep their
// number and description, and the message boxes the members show are the real ones.

#include "ComClient.h"
#include "MessageBoxWatcher.h"

namespace qv::testing {
namespace {

constexpr LONG kHkcu = static_cast<LONG>(0x80000001u);

class SettingsClientTest : public TitledLibraryTest {
  protected:
    void storeText(const wchar_t* name, const wchar_t* text) {
        UniqueBstr key(L"Software\\Quorvane11\\Groupdate");
        VARIANT_BOOL existed = VARIANT_FALSE;
        ASSERT_EQ(library_->CreateRegistryKey(kHkcu, key.get(), &existed), S_OK);
        UniqueBstr valueName(name);
        VARIANT value = textArgument(text);
        ASSERT_EQ(library_->SetRegistryValue(kHkcu, key.get(), valueName.get(), 1, &value), S_OK);
        VariantClear(&value);
    }
};

TEST_F(SettingsClientTest, AColourThatIsNoNumberShowsOneMessageTitledByTheLibrary) {
    MessageBoxWatcher watcher;
    storeText(L"Color", L"255");
    LONG color = -1;
    ASSERT_EQ(library_->lpType_color(&color), S_OK);
    EXPECT_EQ(color, 255);
    EXPECT_TRUE(watcher.seen().empty());

    storeText(L"Color", L"red");
    ASSERT_EQ(library_->lpType_color(&color), S_OK);
    EXPECT_EQ(color, 0);
    EXPECT_EQ(watcher.seen(), (std::vector<SeenMessage>{{L"IQV_v011", L"Type mismatch"}}));
}

TEST_F(SettingsClientTest, ChosenOptionsConvertAsThePlatformDoes) {
    struct Case {
        const wchar_t* stored;
        SHORT option;
    };
    const Case cases[] = {{L" 4 ", 4}, {L"2.5", 2},   {L"3.5", 4},
                          {L"x", 0},   {L"40000", 0}, {L"", 1}};
    UniqueBstr key(L"Software\\Quorvane11\\Groupdate\\Tl\\S");
    VARIANT_BOOL existed = VARIANT_FALSE;
    ASSERT_EQ(library_->CreateRegistryKey(kHkcu, key.get(), &existed), S_OK);
    for (const auto& c : cases) {
        UniqueBstr valueName(L"value");
        VARIANT value = textArgument(c.stored);
        ASSERT_EQ(library_->SetRegistryValue(kHkcu, key.get(), valueName.get(), 1, &value), S_OK);
        VariantClear(&value);
        BSTR slot = SysAllocString(L"S");
        BSTR group = SysAllocString(L"Tl");
        SHORT option = -99;
        EXPECT_EQ(library_->lpValue_button_opt(&slot, &group, &option), S_OK);
        EXPECT_EQ(option, c.option) << std::string(c.stored, c.stored + wcslen(c.stored));
        SysFreeString(slot);
        SysFreeString(group);
    }
}

TEST_F(SettingsClientTest, ReadersThatShowNothingShowNothing) {
    MessageBoxWatcher watcher;
    UniqueBstr text;
    ASSERT_EQ(library_->lpType_line(text.put()), S_OK);
    EXPECT_EQ(win::textOf(text.get()), L"chk1");
    FLOAT oval = 0;
    ASSERT_EQ(library_->Get_oval(&oval), S_OK);
    EXPECT_FLOAT_EQ(oval, 0.1f);
    ASSERT_EQ(library_->Delete_All(), S_OK);  // a wipe without error warns of nothing
    EXPECT_TRUE(watcher.seen().empty());
}

TEST_F(SettingsClientTest, RecordsKeepTheirStoredForms) {
    BSTR status = SysAllocString(L"True");
    ASSERT_EQ(library_->prcSet_status_Addin(&status), S_OK);
    SysFreeString(status);
    const auto stored = readRaw("Software\\Quorvane11\\Groupdate", "STATUS_APP");
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(stored->type, static_cast<DWORD>(REG_BINARY));
    const std::wstring codes = L"84114117101";
    EXPECT_EQ(stored->data,
              std::vector<BYTE>(reinterpret_cast<const BYTE*>(codes.data()),
                                reinterpret_cast<const BYTE*>(codes.data() + codes.size())));
    VARIANT_BOOL installed = VARIANT_FALSE;
    ASSERT_EQ(library_->IsAddin_Installed(&installed), S_OK);
    EXPECT_EQ(installed, VARIANT_TRUE);
}

// The chosen option of every group, by group key: what the selection keys hold.
std::vector<std::wstring> chosenOptions(_CLibrary* library, const std::vector<std::wstring>& keys) {
    std::vector<std::wstring> options;
    for (const std::wstring& key : keys) {
        UniqueBstr keyName(L"Software\\Quorvane11\\Groupdate\\" + key + L"\\S");
        UniqueBstr valueName(L"value");
        UniqueVariant value;
        EXPECT_EQ(
            library->GetRegistryValueX(keyName.get(), valueName.get(), 1, nullptr, value.get()),
            S_OK);
        options.push_back(variantText(*value.get()));
    }
    return options;
}

TEST_F(SettingsClientTest, EachResetWriterAndTheResetReachTheGroupsTheyServe) {
    // The groups in number order with the member that resets each (none for Altrows).
    const std::pair<const wchar_t*, const wchar_t*> groups[] = {
        {L"Tl", L"Set_button_Tl"},      {L"IO", L"Set_button_IO"},
        {L"Blls", L"Set_button_Blls"},  {L"Stn", L"Set_button_Stn"},
        {L"Ccase", L"Set_button_case"}, {L"Zoom", L"Set_button_zoom"},
        {L"Num", L"Set_button_Num"},    {L"Date", L"Set_button_Date"},
        {L"Brd", L"Set_button_Brd"},    {L"Hgt", L"Set_button_Hgt"},
        {L"Opt", L"Set_button_Opt"},    {L"Brds", L"Set_button_Brds"},
        {L"Altrows", nullptr},          {L"Colh", L"Set_button_colh"},
        {L"Rowh", L"Set_button_rowh"},  {L"Dotl", L"Set_button_dotl"},
    };
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Quorvane11");
    ASSERT_EQ(library_->prcChecked_Key_RG(), S_OK);
    std::vector<std::wstring> keys;
    for (SHORT group = 1; group <= 16; ++group) {
        ASSERT_EQ(library_->prcChecked_Key_RG_subkeys(&group), S_OK);
        keys.push_back(groups[group - 1].first);
    }
    const auto chooseSevenEverywhere = [&] {
        for (SHORT group = 1; group <= 16; ++group) {
            SHORT seven = 7;
            ASSERT_EQ(library_->Set_change_values_buttons(&group, &seven), S_OK);
        }
    };
    for (std::size_t index = 0; index < std::size(groups); ++index) {
        SCOPED_TRACE(::testing::Message() << "group " << index + 1);
        chooseSevenEverywhere();
        std::vector<std::wstring> expected(16, L"7");
        if (const wchar_t* writer = groups[index].second) {
            EXPECT_EQ(callByName(library_.get(), writer, {}).status, S_OK);
            expected[index] = L"1";
        }
        EXPECT_EQ(chosenOptions(library_.get(), keys), expected);

        // The reset runs every other group's writer, through the object's own interface.
        chooseSevenEverywhere();
        SHORT chosen = static_cast<SHORT>(index + 1);
        ASSERT_EQ(library_->Reset_options_button_now(&chosen), S_OK);
        for (std::size_t other = 0; other < std::size(groups); ++other) {
            const bool reset = groups[index].second && groups[other].second && other != index;
            expected[other] = reset ? L"1" : L"7";
        }
        EXPECT_EQ(chosenOptions(library_.get(), keys), expected);
    }
}

TEST_F(SettingsClientTest, A1001FromADeepCallReachesTheOuterCaller) {
    // A volatile product key refuses the lasting settings key below it: the error of
    // CreateRegistryKey travels out through prcChecked_Key_RG and prcDir unchanged.
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Quorvane11");
    win::UniqueHKey volatileKey;
    ASSERT_EQ(
        RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Quorvane11", 0, nullptr, REG_OPTION_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, volatileKey.put(), nullptr),
        ERROR_SUCCESS);
    BSTR folder = SysAllocString(L"C:\\QV");
    const HRESULT result = library_->prcDir(&folder);
    SysFreeString(folder);
    EXPECT_EQ(result, static_cast<HRESULT>(0x800A03E9u));
    EXPECT_EQ(lastErrorDescription(), L"No fue posible crear la clave del registro");
}

}  // namespace
}  // namespace qv::testing
