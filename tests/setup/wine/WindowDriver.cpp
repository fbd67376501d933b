#include "WindowDriver.h"

#include "PngFile.h"
#include "StandInEnvironment.h"

#include <set>

namespace qv::setup::testing {
namespace {

constexpr int kMessageTextControl = 0xFFFF;
constexpr DWORD kAnswerWait = 5000;

std::wstring className(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

struct WindowSearch {
    DWORD process;
    std::vector<HWND> found;
};

BOOL CALLBACK collectWindow(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<WindowSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search.process && IsWindowVisible(window)) search.found.push_back(window);
    return TRUE;
}

std::vector<HWND> topWindows(DWORD process) {
    WindowSearch search{process, {}};
    EnumWindows(collectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool isMessageBox(HWND window) {
    return className(window) == L"#32770" && GetDlgItem(window, kMessageTextControl) != nullptr;
}

LRESULT sendBounded(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kAnswerWait, &result);
    return static_cast<LRESULT>(result);
}

std::wstring trimmed(const std::wstring& text) {
    const auto first = text.find_first_not_of(L' ');
    return first == std::wstring::npos ? std::wstring() : text.substr(first);
}

std::set<HWND>& seenBoxes() {
    static std::set<HWND> seen;
    return seen;
}

}  // namespace

SetupProgram::SetupProgram(const std::string& program, const std::string& folder) {
    std::string line = "\"" + program + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &process))
        return;
    CloseHandle(process.hThread);
    process_ = process.hProcess;
    id_ = process.dwProcessId;
}

SetupProgram::~SetupProgram() {
    if (!process_) return;
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_, 99);
        WaitForSingleObject(process_, 5000);
    }
    CloseHandle(process_);
}

bool SetupProgram::endsWithin(DWORD milliseconds) const {
    return process_ && WaitForSingleObject(process_, milliseconds) == WAIT_OBJECT_0;
}

DWORD SetupProgram::exitCode() const {
    DWORD code = STILL_ACTIVE;
    if (process_) GetExitCodeProcess(process_, &code);
    return code;
}

bool waitUntil(const std::function<bool()>& condition, DWORD milliseconds) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start > milliseconds) return false;
        Sleep(50);
    }
}

HWND waitForWindow(DWORD process, const std::wstring& caption, DWORD milliseconds) {
    HWND found = nullptr;
    waitUntil(
        [&] {
            for (HWND window : topWindows(process))
                if (!isMessageBox(window) && windowText(window) == caption) found = window;
            return found != nullptr;
        },
        milliseconds);
    // Let the window finish painting before anyone looks at it.
    if (found) sendBounded(found, WM_NULL, 0, 0);
    return found;
}

std::vector<std::wstring> windowCaptions(DWORD process) {
    std::vector<std::wstring> captions;
    for (HWND window : topWindows(process)) captions.push_back(windowText(window));
    return captions;
}

ShownBox waitForMessageBox(DWORD process, DWORD milliseconds) {
    ShownBox box;
    waitUntil(
        [&] {
            for (HWND window : topWindows(process))
                if (isMessageBox(window) && !seenBoxes().count(window)) box.window = window;
            return box.window != nullptr;
        },
        milliseconds);
    if (!box.window) return box;
    seenBoxes().insert(box.window);
    sendBounded(box.window, WM_NULL, 0, 0);
    box.title = windowText(box.window);
    box.text = windowText(GetDlgItem(box.window, kMessageTextControl));
    for (int id : {IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO}) {
        HWND button = GetDlgItem(box.window, id);
        if (button && IsWindowVisible(button)) box.buttons.push_back(windowText(button));
    }
    return box;
}

bool messageBoxShown(DWORD process) {
    for (HWND window : topWindows(process))
        if (isMessageBox(window)) return true;
    return false;
}

void answer(const ShownBox& box, int button) {
    PostMessageW(box.window, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box.window, button)));
    waitUntil([&] { return !IsWindow(box.window) || !IsWindowVisible(box.window); }, kAnswerWait);
}

std::wstring windowText(HWND window) {
    if (!window) return std::wstring();
    const auto length = static_cast<std::size_t>(sendBounded(window, WM_GETTEXTLENGTH, 0, 0));
    std::wstring text(length + 1, L'\0');
    const auto copied = static_cast<std::size_t>(
        sendBounded(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
    text.resize(copied < length ? copied : length);
    return text;
}

std::wstring controlText(HWND dialog, int id) { return windowText(GetDlgItem(dialog, id)); }

bool isEnabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != 0; }

bool isVisible(HWND dialog, int id) {
    // The control's own style: a hidden page still tells which of its labels are shown.
    return (GetWindowLongW(GetDlgItem(dialog, id), GWL_STYLE) & WS_VISIBLE) != 0;
}

bool isChecked(HWND dialog, int id) {
    return sendBounded(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void click(HWND dialog, int id) { PostMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

void clickPicture(HWND dialog, int id) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, STN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void typeText(HWND dialog, int id, const std::wstring& text) {
    sendBounded(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::wstring selectedComboText(HWND dialog, int id) {
    HWND combo = GetDlgItem(dialog, id);
    const auto index = sendBounded(combo, CB_GETCURSEL, 0, 0);
    if (index < 0) return std::wstring();
    const auto length = static_cast<std::size_t>(sendBounded(combo, CB_GETLBTEXTLEN, index, 0));
    std::wstring text(length + 1, L'\0');
    sendBounded(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(length);
    return text;
}

std::vector<std::wstring> listItems(HWND dialog, int id) {
    HWND list = GetDlgItem(dialog, id);
    std::vector<std::wstring> items;
    const auto count = sendBounded(list, LB_GETCOUNT, 0, 0);
    for (LRESULT index = 0; index < count; ++index) {
        const auto length = static_cast<std::size_t>(sendBounded(list, LB_GETTEXTLEN, index, 0));
        std::wstring text(length + 1, L'\0');
        sendBounded(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
        text.resize(length);
        items.push_back(text);
    }
    return items;
}

bool openListItem(HWND dialog, int id, const std::wstring& item) {
    const auto items = listItems(dialog, id);
    for (std::size_t index = 0; index < items.size(); ++index) {
        if (trimmed(items[index]) != item) continue;
        HWND list = GetDlgItem(dialog, id);
        sendBounded(list, LB_SETCURSEL, index, 0);
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, LBN_DBLCLK),
                     reinterpret_cast<LPARAM>(list));
        return true;
    }
    return false;
}

std::string screenshot(HWND window, const std::string& name) {
    RECT area{};
    if (!window || !GetWindowRect(window, &area)) return std::string();
    // Give the window a moment to paint what changed last.
    sendBounded(window, WM_NULL, 0, 0);
    Sleep(150);
    const std::string folder = QV_SCREENSHOT_DIR;
    CreateDirectoryA(buildFile(folder.c_str()).c_str(), nullptr);
    const std::string file = folder + "/" + name + ".png";
    return saveScreenArea(area, buildFile(file.c_str())) ? file : std::string();
}

}  // namespace qv::setup::testing
