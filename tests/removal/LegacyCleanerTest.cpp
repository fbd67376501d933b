#include "LegacyCleaner.h"
#include "RemovalFakes.h"
#include "Utf16Text.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

namespace qv::removal {
namespace {

using namespace std::string_literals;
using testing::EventLog;
using testing::FakeSystemFolder;
using testing::RecordingDeleter;
using testing::storedValue;
using testing::storeValue;

constexpr char kLegacyKey[] = "Software\\Quorvane\\Groupdate";
const std::string kSystem = FakeSystemFolder().folder.value();

Bytes withOddByte(const std::wstring& text, std::uint8_t extra) {
    Bytes bytes = utf16LeBytes(text);
    bytes.push_back(extra);
    return bytes;
}

struct LegacyFolderCase {
    const char* what;
    std::optional<Bytes> stored;  // nothing: the key exists without the value
    std::optional<std::string> folder;
};

// Failure messages name the case by its description.
void PrintTo(const LegacyFolderCase& row, std::ostream* out) { *out << row.what; }

class LegacyFolderReadTest : public ::testing::TestWithParam<LegacyFolderCase> {};

TEST_P(LegacyFolderReadTest, ReadsOnlyAFolderToDeleteIn) {
    MemoryRegistryStore store;
    Windows1252CodePage codePage;
    const RegistryAccess registry(store, codePage);
    storeValue(store, kLegacyKey, "Other", kRegBinary, utf16LeBytes(L"kept"));
    if (GetParam().stored) storeValue(store, kLegacyKey, "Dir", kRegBinary, *GetParam().stored);
    EXPECT_EQ(readLegacyInstallFolder(registry, codePage), GetParam().folder);
}

const std::wstring k2048 = L"C:\\" + std::wstring(2045, L'q');  // fills the 4096-byte buffer

INSTANTIATE_TEST_SUITE_P(
    Values, LegacyFolderReadTest,
    ::testing::Values(
        LegacyFolderCase{"recorded", utf16LeBytes(L"C:\\Quorvane"), "C:\\Quorvane"},
        LegacyFolderCase{"blanks around", utf16LeBytes(L"   C:\\Quorvane  "), "C:\\Quorvane"},
        LegacyFolderCase{"odd byte", withOddByte(L"C:\\Quorvane", 'X'), "C:\\Quorvane"},
        LegacyFolderCase{"odd byte after blanks", withOddByte(L" C:\\Quorvane ", 'X'),
                         "C:\\Quorvane"},
        LegacyFolderCase{"code page letter", utf16LeBytes(L"C:\\Caf\u00e9"), "C:\\Caf\xe9"},
        LegacyFolderCase{"300 characters", utf16LeBytes(L"C:\\" + std::wstring(297, L'q')),
                         "C:\\" + std::string(297, 'q')},
        LegacyFolderCase{"longest that fits", utf16LeBytes(k2048), "C:\\" + std::string(2045, 'q')},
        LegacyFolderCase{"one too long", utf16LeBytes(k2048 + L"q"), std::nullopt},
        LegacyFolderCase{"zero inside", utf16LeBytes(L"C:\\Q \0uorvane"s), "C:\\Q"},
        LegacyFolderCase{"missing", std::nullopt, std::nullopt},
        LegacyFolderCase{"single byte", Bytes{'C'}, std::nullopt},
        LegacyFolderCase{"blank", utf16LeBytes(L"    "), std::nullopt},
        LegacyFolderCase{"relative", utf16LeBytes(L"Quorvane"), std::nullopt},
        LegacyFolderCase{"root-relative", utf16LeBytes(L" \\Quorvane "), std::nullopt},
        // A best-fit letter would name another folder than the recorded one.
        LegacyFolderCase{"outside the code page", utf16LeBytes(L"C:\\Qu\u043ervane"),
                         std::nullopt}),
    testing::caseName<::testing::TestParamInfo<LegacyFolderCase>>);

TEST(LegacyFolderRead, MissingKeyGivesNoFolder) {
    MemoryRegistryStore store;
    Windows1252CodePage codePage;
    EXPECT_EQ(readLegacyInstallFolder(RegistryAccess(store, codePage), codePage), std::nullopt);
}

EventLog legacyPass(const std::optional<std::string>& install, const std::string& system) {
    EventLog log;
    if (install) {
        log.push_back("delete " + *install + "\\Quorvane Function.xla");
        log.push_back("delete " + *install + "\\Quorvane.chm");
    }
    log.push_back("delete " + system + "\\IQV_v01.dll");
    return log;
}

class LegacyCleanerRun : public ::testing::Test {
  protected:
    void run() { runLegacyCleaner(registry_, codePage_, systemFolder_, deleter_); }

    MemoryRegistryStore store_;
    Windows1252CodePage codePage_;
    const RegistryAccess registry_{store_, codePage_};
    FakeSystemFolder systemFolder_;
    EventLog log_;
    RecordingDeleter deleter_{log_};
};

TEST_F(LegacyCleanerRun, EachOfThreePassesReadsBothFoldersAgain) {
    storeValue(store_, kLegacyKey, "Dir", kRegBinary, utf16LeBytes(L"C:\\Old"));
    // The recorded folder changes after the first pass's last deletion.
    deleter_.afterDelete = [this](const std::string& path) {
        if (path == kSystem + "\\IQV_v01.dll") {
            storeValue(store_, kLegacyKey, "Dir", kRegBinary, utf16LeBytes(L"D:\\Moved"));
        }
    };

    run();

    EventLog expected = legacyPass("C:\\Old", kSystem);
    for (int pass = 1; pass < kLegacyPasses; ++pass) {
        const EventLog later = legacyPass("D:\\Moved", kSystem);
        expected.insert(expected.end(), later.begin(), later.end());
    }
    EXPECT_EQ(log_, expected);
    EXPECT_EQ(systemFolder_.reads(), kLegacyPasses);
}

TEST_F(LegacyCleanerRun, WithoutThePreviousVersionRemovesOnlyItsLibrary) {
    run();

    EventLog expected;
    for (int pass = 0; pass < kLegacyPasses; ++pass) {
        const EventLog one = legacyPass(std::nullopt, kSystem);
        expected.insert(expected.end(), one.begin(), one.end());
    }
    EXPECT_EQ(log_, expected);
}

TEST_F(LegacyCleanerRun, LeavesTheOldKeyAndValuesInPlace) {
    const Bytes dir = utf16LeBytes(L" C:\\Old ");
    storeValue(store_, kLegacyKey, "Dir", kRegBinary, dir);
    storeValue(store_, kLegacyKey, "Other", kRegBinary, utf16LeBytes(L"kept"));

    run();

    EXPECT_EQ(storedValue(store_, kLegacyKey, "Dir"), dir);
    EXPECT_EQ(storedValue(store_, kLegacyKey, "Other"), utf16LeBytes(L"kept"));
}

}  // namespace
}  // namespace qv::removal
