#pragma once
// The machine the removal programs run on, as the Wine tests arrange and inspect it: files
// and folders, registry values, and the started program with its top-level windows.

#include <windows.h>

#include "RemovalScene.h"

#include <optional>
#include <string>
#include <vector>

namespace qv::removal::wine_test {

// A path of the build tree (a host path) as Windows programs under Wine see it: through
// drive Z:, which maps the host's root.
std::string windowsPathOfHostFile(const std::string& hostPath);

std::string systemFolder();

// Creates every missing level of `folder`.
void makeFolders(const std::string& folder);
void placeFile(const std::string& path);
void removeFile(const std::string& path);
bool fileExists(const std::string& path);

// A file held open for reading without delete sharing, as Excel holds a loaded add-in.
class HeldFile {
  public:
    explicit HeldFile(const std::string& path);
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;
    ~HeldFile();
    bool isOpen() const { return handle_ != INVALID_HANDLE_VALUE; }

  private:
    HANDLE handle_;
};

struct StoredValue {
    DWORD type;
    std::string data;
    bool operator==(const StoredValue& other) const {
        return type == other.type && data == other.data;
    }
};

// Values below HKEY_CURRENT_USER. `data` is written as it is: a REG_SZ that should end in a
// zero carries it.
void writeValue(const std::string& keyPath, const std::string& name, DWORD type,
                const std::string& data);
std::optional<StoredValue> readValue(const std::string& keyPath, const std::string& name);
bool keyExists(const std::string& keyPath);
void deleteKeyTree(const std::string& keyPath);

// One top-level window of a process, as seen at one moment.
struct WindowState {
    std::string className;
    bool visible;
    std::vector<std::string> childTexts;
    RECT bounds;  // the whole window, in screen coordinates
    RECT client;
};

std::vector<WindowState> windowsOfProcess(DWORD processId);

// The screen's resolution, in pixels per inch along `axis` (LOGPIXELSX or LOGPIXELSY).
int screenPixelsPerInch(int axis);

// A started program: owns its process and thread handles.
class StartedProgram {
  public:
    // Starts `program` without arguments, in `currentFolder`.
    StartedProgram(const std::string& program, const std::string& currentFolder);
    StartedProgram(const StartedProgram&) = delete;
    StartedProgram& operator=(const StartedProgram&) = delete;
    ~StartedProgram();

    bool started() const { return info_.hProcess != nullptr; }
    DWORD processId() const { return info_.dwProcessId; }
    // Waits at most `bound` for the program to end; its exit code, or nothing when it did
    // not end in time (it is then stopped).
    std::optional<DWORD> waitForExit(DWORD boundMs);
    // True once the program has ended; waits at most `pollMs`.
    bool hasEnded(DWORD pollMs) const;
    void waitUntilIdle(DWORD boundMs) const;

  private:
    PROCESS_INFORMATION info_ = {};
};

// A program run to its end, with the top-level windows it had at each look while it ran.
struct ProgramRun {
    std::optional<DWORD> exitCode;  // nothing: not started, or not ended within the bound
    std::vector<std::vector<WindowState>> looks;
};

// Starts `program` in the current folder of the scenes and looks at its windows about every
// 50 ms until it ends. `boundMs` only stops a program that hangs.
ProgramRun runProgram(const std::string& program, DWORD boundMs);

}  // namespace qv::removal::wine_test
