#include "Win32Services.h"

#include "RuntimeError.h"

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <utility>
#include <vector>

namespace qv::setup::win {
namespace {

class UniqueHandle {
  public:
    explicit UniqueHandle(HANDLE handle) : handle_(handle) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() {
        if (handle_) CloseHandle(handle_);
    }

  private:
    HANDLE handle_;
};

}  // namespace

std::int32_t Win32SystemServices::getSystemDirectory(std::uint32_t bufferSize,
                                                     std::wstring& buffer) {
    std::string narrow(bufferSize, '\0');
    const UINT result = GetSystemDirectoryA(narrow.data(), bufferSize);
    buffer = codePage_.toText(narrow);
    return static_cast<std::int32_t>(result);
}

void Win32SystemServices::startHidden(const std::wstring& commandLine) {
    // CreateProcessA may write into the command line, so it gets a copy of its own.
    std::string line = codePage_.fromText(commandLine);
    std::vector<char> writable(line.begin(), line.end());
    writable.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        const DWORD error = GetLastError();
        throw RuntimeError(error == ERROR_FILE_NOT_FOUND ? 53 : 5,
                           error == ERROR_FILE_NOT_FOUND ? L"File not found"
                                                         : L"Invalid procedure call or argument");
    }
    UniqueHandle processHandle(process.hProcess);
    UniqueHandle threadHandle(process.hThread);
}

void Win32SystemServices::openWithShell(const std::wstring& address) {
    // The outcome is deliberately ignored: whatever the shell does with the address (or
    // fails to do) is the user's to see, not the setup's to report.
    ShellExecuteA(nullptr, nullptr, codePage_.fromText(address).c_str(), nullptr, nullptr,
                  SW_SHOWNORMAL);
}

void Win32MessageBoxes::show(const std::wstring& text, MessageIcon icon,
                             const std::wstring& title) {
    // Task-modal: while a box is up, the wizard's windows take no clicks.
    UINT style = MB_OK | MB_SETFOREGROUND | MB_TASKMODAL;
    switch (icon) {
        case MessageIcon::Critical:
            style |= MB_ICONHAND;
            break;
        case MessageIcon::Exclamation:
            style |= MB_ICONEXCLAMATION;
            break;
        case MessageIcon::Information:
            style |= MB_ICONASTERISK;
            break;
        case MessageIcon::None:
            break;
    }
    MessageBoxA(nullptr, codePage_.fromText(text).c_str(), codePage_.fromText(title).c_str(),
                style);
}

bool Win32MessageBoxes::askYesNo(const std::wstring& text, const std::wstring& title) {
    return MessageBoxA(nullptr, codePage_.fromText(text).c_str(), codePage_.fromText(title).c_str(),
                       MB_YESNO | MB_ICONQUESTION | MB_SETFOREGROUND | MB_TASKMODAL) == IDYES;
}

}  // namespace qv::setup::win
