// UQV.exe started under Wine among the files of a scene, with the previous version's "Dir"
// as each case records it.

#include "CaseName.h"
#include "RemovalScene.h"
#include "WineMachine.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace qv::removal::wine_test {
namespace {

constexpr char kLegacyKey[] = "Software\\Quorvane\\Groupdate";
constexpr DWORD kBoundMs = 60000;  // only stops a hang

// The binary text form: UTF-16LE code units of a text of ASCII characters.
std::string binaryText(const std::string& text) {
    std::string bytes;
    for (const char character : text) {
        bytes.push_back(character);
        bytes.push_back('\0');
    }
    return bytes;
}

struct LegacyCase {
    const char* what;
    std::optional<std::string> dir;  // the bytes of "Dir"; nothing: no previous version
    bool recordedRemoved;
    bool excelRunning;  // the old workbook and library are held open
};

// Failure messages name the case by its description.
void PrintTo(const LegacyCase& row, std::ostream* out) { *out << row.what; }

ProgramFiles legacyFiles() {
    return {windowsPathOfHostFile(QV_UQV_PATH), kLegacyKey, "Quorvane Function.xla", "Quorvane.chm",
            "IQV_v01.dll"};
}

struct LegacyState {
    std::set<std::string> files;
    std::optional<StoredValue> dir, other;
    bool operator==(const LegacyState& other_) const {
        return files == other_.files && dir == other_.dir && other == other_.other;
    }
};

LegacyState stateOf(const RemovalScene& scene) {
    return {scene.existingFiles(), readValue(kLegacyKey, "Dir"), readValue(kLegacyKey, "Other")};
}

// UQV has no window at all and ends on its own with exit code 0.
void runCleaner(const RemovalScene& scene) {
    const ProgramRun run = runProgram(scene.files().program, kBoundMs);
    ASSERT_EQ(run.exitCode, 0u) << "not started or not ended";
    for (const auto& look : run.looks) {
        for (const WindowState& window : look) {
            EXPECT_FALSE(window.visible) << "a window: " << window.className;
        }
    }
}

class LegacyCleanerProgram : public ::testing::TestWithParam<LegacyCase> {};

TEST_P(LegacyCleanerProgram, RemovesOnlyTheRecordedFilesAndTheLibrary) {
    const LegacyCase& row = GetParam();
    const RemovalScene scene(legacyFiles());
    if (row.dir) {
        writeValue(kLegacyKey, "Dir", REG_BINARY, *row.dir);
        writeValue(kLegacyKey, "Other", REG_BINARY, binaryText("kept"));
    }
    const LegacyState before = stateOf(scene);
    std::vector<std::string> held;
    std::optional<HeldFile> workbook, library;
    if (row.excelRunning) {
        held = {scene.recordedWorkbook(), scene.library()};
        ASSERT_TRUE(workbook.emplace(held[0]).isOpen());
        ASSERT_TRUE(library.emplace(held[1]).isOpen());
    }

    runCleaner(scene);

    const LegacyState after = stateOf(scene);
    EXPECT_EQ(after.files, scene.expectedFiles(row.recordedRemoved, held));
    EXPECT_TRUE(after.dir == before.dir && after.other == before.other) << "the registry changed";
    EXPECT_EQ(keyExists(kLegacyKey), row.dir.has_value());
}

TEST(LegacyCleanerProgramTwice, GivesTheSameResultAsOnce) {
    const RemovalScene scene(legacyFiles());
    writeValue(kLegacyKey, "Dir", REG_BINARY, binaryText(kRecordedFolder));
    writeValue(kLegacyKey, "Other", REG_BINARY, binaryText("kept"));

    runCleaner(scene);
    const LegacyState once = stateOf(scene);
    runCleaner(scene);

    EXPECT_EQ(once.files, scene.expectedFiles(true, {}));
    EXPECT_TRUE(stateOf(scene) == once);
}

const std::string kRecorded = kRecordedFolder;

INSTANTIATE_TEST_SUITE_P(
    Dir, LegacyCleanerProgram,
    ::testing::Values(
        LegacyCase{"recorded", binaryText(kRecorded), true, false},
        LegacyCase{"blanks around", binaryText("   " + kRecorded + "  "), true, false},
        // The odd byte 'X' taken as a character would name the decoy folder "QuorvaneX".
        LegacyCase{"odd number of bytes", binaryText(kRecorded) + "X", true, false},
        // Read whole: a cut at 255 or 260 characters would lose the folder.
        LegacyCase{"300 characters",
                   binaryText(std::string(300 - kRecorded.size(), ' ') + kRecorded), true, false},
        LegacyCase{"Excel running", binaryText(kRecorded), true, true},
        LegacyCase{"no previous version", std::nullopt, false, false},
        LegacyCase{"zero bytes", std::string(), false, false},
        LegacyCase{"blank", binaryText("     "), false, false},
        LegacyCase{"current folder", binaryText("."), false, false},
        LegacyCase{"relative", binaryText("Quorvane"), false, false},
        LegacyCase{"root-relative", binaryText("\\qvtest\\Quorvane"), false, false}),
    testing::caseName<::testing::TestParamInfo<LegacyCase>>);

}  // namespace
}  // namespace qv::removal::wine_test
