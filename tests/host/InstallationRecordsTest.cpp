// The installation records and the key letter, natively over the in-memory registry.

#include "PortableLibrary.h"
#include "SettingsTree.h"
#include "Utf16Text.h"

#include <gtest/gtest.h>

namespace qv::testing {
namespace {

class InstallationRecordsTest : public ::testing::Test {
  protected:
    std::optional<RegistryValue> stored(const wchar_t* name, std::int16_t type) {
        return library_.registry.getValue(kCurrentUser, kSettingsKey, name, type);
    }
    void storeText(const wchar_t* name, const std::wstring& text) {
        library_.registry.createKey(kCurrentUser, kSettingsKey);
        library_.registry.setValue(kCurrentUser, kSettingsKey, name, 1, PortableValue(text));
    }

    PortableLibrary library_;
    InstallationRecords& records_ = library_.records;
};

TEST_F(InstallationRecordsTest, StatusIsStoredAsTheCharacterCodesOfItsText) {
    EXPECT_EQ(records_.Get_status_Addin(), L"");
    EXPECT_FALSE(records_.IsAddin_Installed());

    records_.prcSet_status_Addin(L"True");
    EXPECT_EQ(stored(L"STATUS_APP", 3), RegistryValue(utf16LeBytes(L"84114117101")));
    EXPECT_EQ(records_.Get_status_Addin(), L"84114117101");
    EXPECT_TRUE(records_.IsAddin_Installed());

    records_.prcSet_status_Addin(L"true");
    EXPECT_EQ(records_.Get_status_Addin(), L"116114117101");
    EXPECT_FALSE(records_.IsAddin_Installed());
}

TEST_F(InstallationRecordsTest, UninstallMarksTheAddinRemoved) {
    EXPECT_TRUE(records_.App_Exist());
    records_.prcDesinstalar_Addin();
    EXPECT_FALSE(records_.App_Exist());
    EXPECT_FALSE(records_.IsAddin_Installed());
    EXPECT_EQ(records_.Get_status_Addin(), L"7097108115101");
    EXPECT_EQ(stored(L"APP_EXIST", 3), RegistryValue(utf16LeBytes(L"01")));

    records_.prcSet_Addin(L"x");
    library_.registry.setValue(kCurrentUser, kSettingsKey, L"APP_EXIST", 3, PortableValue(L"02"));
    EXPECT_FALSE(records_.App_Exist());
    EXPECT_EQ(stored(L"set_confg", 3), RegistryValue(utf16LeBytes(L"x")));
}

TEST_F(InstallationRecordsTest, TheInstallFolderIsTrimmedAndLimitedTo255Characters) {
    EXPECT_EQ(records_.InstallPath(), L"");
    records_.prcDir(L"  C:\\Program Files\\Quorvane  ");
    EXPECT_EQ(stored(L"Dir", 3), RegistryValue(utf16LeBytes(L"C:\\Program Files\\Quorvane")));
    EXPECT_EQ(records_.InstallPath(), L"C:\\Program Files\\Quorvane");
    records_.prcDir(std::wstring(255, L'd'));
    EXPECT_EQ(records_.InstallPath(), std::wstring(255, L'd'));
    records_.prcDir(std::wstring(256, L'd'));
    EXPECT_EQ(records_.InstallPath(), L"");
}

TEST_F(InstallationRecordsTest, WritersRecreateTheSettingsKeyFirst) {
    records_.prcDir(L"C:\\QV");
    library_.registry.deleteKey(kCurrentUser, kSettingsKey);
    library_.registry.deleteKey(kCurrentUser, kProductKey);
    records_.prcSet_status_Addin(L"True");
    EXPECT_TRUE(records_.IsAddin_Installed());
}

TEST_F(InstallationRecordsTest, WriterErrorsReachTheCallerAndLeaveTheValueAsItWas) {
    records_.prcSet_status_Addin(L"True");
    const auto expectError = [](std::int32_t number, const std::function<void()>& call) {
        try {
            call();
            ADD_FAILURE() << "no error";
        } catch (const LibraryError& error) {
            EXPECT_EQ(error.number(), number);
        }
    };
    expectError(9, [&] { records_.prcSet_status_Addin(L""); });
    expectError(9, [&] { records_.prcSet_Addin(L""); });
    expectError(6, [&] { records_.prcSet_status_Addin(std::wstring(32768, L'a')); });
    EXPECT_TRUE(records_.IsAddin_Installed());

    PortableLibrary refusing;
    refusing.store.refuseKeyCreation(kAccessDenied);
    try {
        refusing.records.prcDir(L"C:\\QV");
        ADD_FAILURE() << "no error";
    } catch (const LibraryError& error) {
        EXPECT_EQ(error.number(), 1001);
        EXPECT_EQ(error.description(), L"No fue posible crear la clave del registro");
    }
}

// A wipe whose steps fail.
class FailingWipe : public PortableLibrary {
  public:
    bool Delete_information_All() override { return false; }
};

TEST_F(InstallationRecordsTest, DeleteAllWarnsOnlyWhenTheWipeMetAnError) {
    records_.prcDir(L"C:\\QV");
    library_.title = L"Quorvane Function";
    records_.Delete_All();
    EXPECT_TRUE(library_.messages.empty());
    EXPECT_EQ(records_.InstallPath(), L"");
    EXPECT_TRUE(records_.App_Exist());

    FailingWipe failing;
    failing.title = L"Quorvane Function";
    failing.records.Delete_All();
    EXPECT_EQ(failing.messages, (std::vector<ShownMessage>{{L"Can't register Addinn.", kExclamation,
                                                            L"Quorvane Function"}}));
}

TEST_F(InstallationRecordsTest, TheKeyLetterDefaultsToP) {
    struct Case {
        const wchar_t* stored;  // nullptr: no value
        const wchar_t* assigned;
        const wchar_t* asStored;
    };
    const Case cases[] = {
        {nullptr, L"P", L""}, {L"   ", L"P", L"   "}, {L" K ", L"K", L" K "}, {L"Q", L"Q", L"Q"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.asStored);
        library_.registry.deleteValue(kCurrentUser, kSettingsKey, L"6");
        if (c.stored) storeText(L"6", c.stored);
        EXPECT_EQ(records_.Asigna_key(), c.assigned);
        EXPECT_EQ(records_.Reset_key(), c.asStored);
    }
}

}  // namespace
}  // namespace qv::testing
