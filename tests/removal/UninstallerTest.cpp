#include "RemovalFakes.h"
#include "Uninstaller.h"

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
using testing::RecordingWindow;
using testing::storedValue;
using testing::storeValue;
using testing::textBytes;

const std::string kSystem = FakeSystemFolder().folder.value();

// "Dir" as the setup writes it: the folder's ANSI bytes and the terminating zero.
Bytes dirValue(const std::string& folder) { return textBytes(folder + '\0'); }

struct InstallFolderCase {
    const char* what;
    std::optional<Bytes> stored;  // nothing: the key exists without the value
    std::optional<std::string> folder;
};

// Failure messages name the case by its description.
void PrintTo(const InstallFolderCase& row, std::ostream* out) { *out << row.what; }

class InstallFolderReadTest : public ::testing::TestWithParam<InstallFolderCase> {};

TEST_P(InstallFolderReadTest, ReadsOnlyAFolderToDeleteIn) {
    MemoryRegistryStore store;
    storeValue(store, kInstallRecordKey, "STATUS_APP", kRegSz, textBytes("84114117101"));
    if (GetParam().stored) {
        storeValue(store, kInstallRecordKey, kInstallFolderValue, kRegSz, *GetParam().stored);
    }
    EXPECT_EQ(readInstallFolder(store), GetParam().folder);
}

const std::string k254 = "C:\\" + std::string(251, 'q');  // with its zero, fills the buffer

INSTANTIATE_TEST_SUITE_P(
    Values, InstallFolderReadTest,
    ::testing::Values(InstallFolderCase{"recorded", dirValue("C:\\Quorvane"), "C:\\Quorvane"},
                      InstallFolderCase{"longest that fits", dirValue(k254), k254},
                      InstallFolderCase{"one too long", dirValue(k254 + "q"), std::nullopt},
                      InstallFolderCase{"300 characters", dirValue("C:" + std::string(298, '\\')),
                                        std::nullopt},
                      InstallFolderCase{"missing", std::nullopt, std::nullopt},
                      InstallFolderCase{"0 bytes", Bytes{}, std::nullopt},
                      InstallFolderCase{"empty", dirValue(""), std::nullopt},
                      InstallFolderCase{"blank", dirValue("   "), std::nullopt},
                      InstallFolderCase{"relative", dirValue("Quorvane"), std::nullopt},
                      InstallFolderCase{"root-relative", dirValue("\\Quorvane"), std::nullopt},
                      InstallFolderCase{"extra zero", dirValue("C:\\Quorvane\0"s), "C:\\Quorvane"},
                      InstallFolderCase{"zero inside", dirValue("C:\\Q\0uorvane"s), "C:\\Q"}),
    testing::caseName<::testing::TestParamInfo<InstallFolderCase>>);

TEST(InstallFolderRead, MissingKeyGivesNoFolder) {
    MemoryRegistryStore store;
    EXPECT_EQ(readInstallFolder(store), std::nullopt);
}

// One removal pass's log entries for the given folders, then the hide.
EventLog passLog(const std::optional<std::string>& install,
                 const std::optional<std::string>& system) {
    EventLog log;
    if (install) {
        log.push_back("delete " + *install + "\\Quorvane11.chm");
        log.push_back("delete " + *install + "\\Quorvane Function11.xla");
    }
    if (system) log.push_back("delete " + *system + "\\IQV_v011.dll");
    log.push_back("hide");
    return log;
}

// The uninstaller over an in-memory registry, with its deletions and hides in one log.
class UninstallerRun : public ::testing::Test {
  protected:
    void recordFolder(const std::string& folder) {
        storeValue(store_, kInstallRecordKey, kInstallFolderValue, kRegSz, dirValue(folder));
    }

    MemoryRegistryStore store_;
    FakeSystemFolder systemFolder_;
    EventLog log_;
    RecordingDeleter deleter_{log_};
    RecordingWindow window_{log_};
    Uninstaller uninstaller_{store_, systemFolder_, deleter_};
};

struct TickCase {
    const char* what;
    std::optional<std::string> dir;  // nothing: no installation recorded
    std::optional<std::string> system;
    std::optional<std::string> installDeleted;
    std::optional<std::string> systemDeleted;
};

// Failure messages name the case by its description.
void PrintTo(const TickCase& row, std::ostream* out) { *out << row.what; }

class UninstallerTickTest : public UninstallerRun,
                            public ::testing::WithParamInterface<TickCase> {};

TEST_P(UninstallerTickTest, RunsTenPassesHidingTheWindowInEach) {
    const TickCase& row = GetParam();
    if (row.dir) recordFolder(*row.dir);
    systemFolder_.folder = row.system;

    uninstaller_.onTimerTick(window_);

    EventLog expected;
    const EventLog pass = passLog(row.installDeleted, row.systemDeleted);
    for (int i = 0; i < kUninstallerPasses; ++i) {
        expected.insert(expected.end(), pass.begin(), pass.end());
    }
    EXPECT_EQ(log_, expected);
    EXPECT_EQ(uninstaller_.passes(), kUninstallerPasses);
    EXPECT_EQ(systemFolder_.reads(), 1);  // both folders are read once, before the passes
}

INSTANTIATE_TEST_SUITE_P(
    Folders, UninstallerTickTest,
    ::testing::Values(TickCase{"installed", "C:\\Quorvane", kSystem, "C:\\Quorvane", kSystem},
                      TickCase{"not installed", std::nullopt, kSystem, std::nullopt, kSystem},
                      TickCase{"empty folder", "", kSystem, std::nullopt, kSystem},
                      TickCase{"relative folder", "Quorvane", kSystem, std::nullopt, kSystem},
                      TickCase{"system folder unknown", "C:\\Quorvane", std::nullopt,
                               "C:\\Quorvane", std::nullopt},
                      TickCase{"system folder relative", "C:\\Quorvane", "system32", "C:\\Quorvane",
                               std::nullopt}),
    testing::caseName<::testing::TestParamInfo<TickCase>>);

TEST_F(UninstallerRun, LaterTickDeletesNothing) {
    recordFolder("C:\\Quorvane");
    uninstaller_.onTimerTick(window_);
    log_.clear();

    uninstaller_.onTimerTick(window_);

    EXPECT_TRUE(log_.empty());
    EXPECT_EQ(uninstaller_.passes(), kUninstallerPasses);
}

TEST_F(UninstallerRun, LeavesTheRegistryInPlace) {
    const std::string groupKey = std::string(kInstallRecordKey) + "\\Tl\\S";
    recordFolder("C:\\Quorvane");
    storeValue(store_, kInstallRecordKey, "STATUS_APP", kRegSz, textBytes("84114117101"));
    storeValue(store_, groupKey, "value", kRegSz, textBytes("2"));

    uninstaller_.onTimerTick(window_);

    EXPECT_EQ(storedValue(store_, kInstallRecordKey, kInstallFolderValue),
              dirValue("C:\\Quorvane"));
    EXPECT_EQ(storedValue(store_, kInstallRecordKey, "STATUS_APP"), textBytes("84114117101\0"s));
    EXPECT_EQ(storedValue(store_, groupKey, "value"), textBytes("2\0"s));
}

}  // namespace
}  // namespace qv::removal
