#include "WineMachine.h"

#include <algorithm>

namespace qv::removal::wine_test {
namespace {

class OpenKey {
  public:
    OpenKey() = default;
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    ~OpenKey() {
        if (key_) RegCloseKey(key_);
    }
    HKEY* out() { return &key_; }
    HKEY get() const { return key_; }

  private:
    HKEY key_ = nullptr;
};

BOOL CALLBACK collectChildText(HWND child, LPARAM param) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(child)) + 1, '\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextA(child, text.data(), static_cast<int>(text.size()))));
    reinterpret_cast<std::vector<std::string>*>(param)->push_back(text);
    return TRUE;
}

struct WindowSearch {
    DWORD processId;
    std::vector<WindowState> found;
};

BOOL CALLBACK collectWindow(HWND window, LPARAM param) {
    auto& search = *reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search.processId) return TRUE;
    WindowState state = {};
    char className[257] = {};  // class names have at most 256 characters
    GetClassNameA(window, className, sizeof(className));
    state.className = className;
    state.visible = IsWindowVisible(window) != FALSE;
    GetWindowRect(window, &state.bounds);
    GetClientRect(window, &state.client);
    EnumChildWindows(window, collectChildText, reinterpret_cast<LPARAM>(&state.childTexts));
    search.found.push_back(std::move(state));
    return TRUE;
}

}  // namespace

std::string windowsPathOfHostFile(const std::string& hostPath) {
    std::string path = "Z:" + hostPath;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

std::string systemFolder() {
    std::string folder(MAX_PATH, '\0');
    folder.resize(GetSystemDirectoryA(folder.data(), static_cast<UINT>(folder.size())));
    return folder;
}

void makeFolders(const std::string& folder) {
    for (std::size_t separator = folder.find('\\', 3);;
         separator = folder.find('\\', separator + 1)) {
        CreateDirectoryA(folder.substr(0, separator).c_str(), nullptr);
        if (separator == std::string::npos) break;
    }
}

void placeFile(const std::string& path) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, "stand-in", 8, &written, nullptr);
    CloseHandle(file);
}

void removeFile(const std::string& path) { DeleteFileA(path.c_str()); }

bool fileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

HeldFile::HeldFile(const std::string& path)
    : handle_(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr)) {}

HeldFile::~HeldFile() {
    if (isOpen()) CloseHandle(handle_);
}

void writeValue(const std::string& keyPath, const std::string& name, DWORD type,
                const std::string& data) {
    OpenKey key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                        key.out(), nullptr) != ERROR_SUCCESS) {
        return;
    }
    RegSetValueExA(key.get(), name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                   static_cast<DWORD>(data.size()));
}

std::optional<StoredValue> readValue(const std::string& keyPath, const std::string& name) {
    OpenKey key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_READ, key.out()) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, nullptr, &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::string data(size, '\0');
    if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(data.data()), &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    data.resize(size);
    return StoredValue{type, data};
}

bool keyExists(const std::string& keyPath) {
    OpenKey key;
    return RegOpenKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_READ, key.out()) ==
           ERROR_SUCCESS;
}

void deleteKeyTree(const std::string& keyPath) {
    RegDeleteTreeA(HKEY_CURRENT_USER, keyPath.c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, keyPath.c_str());
}

std::vector<WindowState> windowsOfProcess(DWORD processId) {
    WindowSearch search{processId, {}};
    EnumWindows(collectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

StartedProgram::StartedProgram(const std::string& program, const std::string& currentFolder) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    if (!CreateProcessA(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr,
                        currentFolder.c_str(), &startup, &info_)) {
        info_ = {};
    }
}

StartedProgram::~StartedProgram() {
    if (!started()) return;
    if (!hasEnded(0)) TerminateProcess(info_.hProcess, 1);
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

std::optional<DWORD> StartedProgram::waitForExit(DWORD boundMs) {
    if (!started() || !hasEnded(boundMs)) return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

bool StartedProgram::hasEnded(DWORD pollMs) const {
    return WaitForSingleObject(info_.hProcess, pollMs) == WAIT_OBJECT_0;
}

void StartedProgram::waitUntilIdle(DWORD boundMs) const {
    WaitForInputIdle(info_.hProcess, boundMs);
}

int screenPixelsPerInch(int axis) {
    const HDC screen = GetDC(nullptr);
    const int pixels = GetDeviceCaps(screen, axis);
    ReleaseDC(nullptr, screen);
    return pixels;
}

ProgramRun runProgram(const std::string& program, DWORD boundMs) {
    ProgramRun run;
    StartedProgram started(program, kCurrentFolder);
    if (!started.started()) return run;
    started.waitUntilIdle(boundMs);
    const ULONGLONG deadline = GetTickCount64() + boundMs;
    while (!started.hasEnded(50) && GetTickCount64() < deadline) {
        run.looks.push_back(windowsOfProcess(started.processId()));
    }
    run.exitCode = started.waitForExit(0);
    return run;
}

}  // namespace qv::removal::wine_test
