// QVU.exe started under Wine among the files of a scene, with "Dir" as each case records it.

#include "CaseName.h"
#include "RemovalScene.h"
#include "WineMachine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace qv::removal::wine_test {
namespace {

using namespace std::string_literals;

constexpr char kRecordKey[] = "Software\\Quorvane11\\Groupdate";
constexpr char kGroupKey[] = "Software\\Quorvane11\\Groupdate\\Tl\\S";
constexpr char kLabelText[] = "... Uninstalling Quorvane, please wait.";
constexpr DWORD kBoundMs = 120000;  // the ten-second tick plus ample room; only stops a hang

// A REG_SZ as the setup writes it: the characters and the terminating zero.
std::string text(const std::string& characters) { return characters + '\0'; }

struct UninstallerCase {
    const char* what;
    std::optional<std::string> dir;  // the bytes of "Dir"; nothing: no installation recorded
    bool recordedRemoved;
    bool excelRunning;  // the workbook and the library are held open, as a running Excel does
};

// Failure messages name the case by its description.
void PrintTo(const UninstallerCase& row, std::ostream* out) { *out << row.what; }

// What the registry holds of the records, to compare before and after a run.
struct Records {
    bool keyExists;
    std::optional<StoredValue> dir, status, group;
    bool operator==(const Records& other) const {
        return keyExists == other.keyExists && dir == other.dir && status == other.status &&
               group == other.group;
    }
};

Records records() {
    return {keyExists(kRecordKey), readValue(kRecordKey, "Dir"),
            readValue(kRecordKey, "STATUS_APP"), readValue(kGroupKey, "value")};
}

const WindowState* findWindow(const std::vector<WindowState>& windows) {
    for (const WindowState& window : windows) {
        if (window.className == "QVU") return &window;
    }
    return nullptr;
}

// The window is shown with its message, then hidden or gone and never seen again; the
// program shows no other window (a message box would be one).
void expectWindowLifecycle(const ProgramRun& run) {
    std::optional<WindowState> shown;
    bool ended = false;  // the shown window was hidden or destroyed
    for (const auto& look : run.looks) {
        for (const WindowState& window : look) {
            EXPECT_FALSE(window.className != "QVU" && window.visible)
                << "another window: " << window.className;
            EXPECT_NE(window.className, "#32770") << "a message box";
        }
        const WindowState* window = findWindow(look);
        const bool visible = window && window->visible;
        if (visible && ended) ADD_FAILURE() << "the window appeared again after the tick";
        if (visible && !shown) shown = *window;
        if (!visible && shown) ended = true;
    }
    ASSERT_TRUE(shown) << "the window was never seen";

    EXPECT_NE(std::find(shown->childTexts.begin(), shown->childTexts.end(), kLabelText),
              shown->childTexts.end());
    const int perInchX = screenPixelsPerInch(LOGPIXELSX);
    const int perInchY = screenPixelsPerInch(LOGPIXELSY);
    EXPECT_EQ(shown->client.right - shown->client.left, MulDiv(4095, perInchX, 1440));
    EXPECT_EQ(shown->client.bottom - shown->client.top, MulDiv(960, perInchY, 1440));
    EXPECT_EQ(shown->bounds.left, GetSystemMetrics(SM_CXSCREEN) / 2 - MulDiv(2000, perInchX, 1440));
    EXPECT_EQ(shown->bounds.top, GetSystemMetrics(SM_CYSCREEN) / 2 - MulDiv(450, perInchY, 1440));
}

class UninstallerProgram : public ::testing::TestWithParam<UninstallerCase> {};

TEST_P(UninstallerProgram, RemovesOnlyTheRecordedFilesAndTheLibrary) {
    const UninstallerCase& row = GetParam();
    const RemovalScene scene({windowsPathOfHostFile(QV_QVU_PATH), kRecordKey,
                              "Quorvane Function11.xla", "Quorvane11.chm", "IQV_v011.dll"});
    if (row.dir) {
        writeValue(kRecordKey, "Dir", REG_SZ, *row.dir);
        writeValue(kRecordKey, "STATUS_APP", REG_SZ, text("84114117101"));
        writeValue(kGroupKey, "value", REG_SZ, text("2"));
    }
    const Records before = records();
    std::vector<std::string> held;
    std::optional<HeldFile> workbook, library;
    if (row.excelRunning) {
        held = {scene.recordedWorkbook(), scene.library()};
        ASSERT_TRUE(workbook.emplace(held[0]).isOpen());
        ASSERT_TRUE(library.emplace(held[1]).isOpen());
    }

    const ProgramRun run = runProgram(scene.files().program, kBoundMs);

    ASSERT_EQ(run.exitCode, 0u) << "not started or not ended";
    expectWindowLifecycle(run);
    EXPECT_EQ(scene.existingFiles(), scene.expectedFiles(row.recordedRemoved, held));
    EXPECT_TRUE(records() == before) << "the registry changed";
}

const std::string kRecorded = kRecordedFolder;

INSTANTIATE_TEST_SUITE_P(
    Dir, UninstallerProgram,
    ::testing::Values(UninstallerCase{"installed", text(kRecorded), true, false},
                      UninstallerCase{"Excel running", text(kRecorded), true, true},
                      UninstallerCase{"not installed", std::nullopt, false, false},
                      UninstallerCase{"empty", text(""), false, false},
                      UninstallerCase{"zero bytes", ""s, false, false},
                      UninstallerCase{"blank", text("   "), false, false},
                      UninstallerCase{"relative", text("Quorvane"), false, false},
                      // Too long for the buffer, though it would name the recorded folder.
                      UninstallerCase{"300 characters",
                                      text(kRecorded + std::string(300 - kRecorded.size(), '\\')),
                                      false, false}),
    testing::caseName<::testing::TestParamInfo<UninstallerCase>>);

}  // namespace
}  // namespace qv::removal::wine_test
