#pragma once
// Drives QV_Setup.exe from the test process as a user would: finds its windows by caption,
// reads its controls, clicks, types, answers its message boxes and takes screenshots. Every
// wait is bounded, and clicks are posted so that a page's modal handler never blocks the
// test.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace qv::setup::testing {

// The program as a process of its own, ended when the object goes if it still runs.
class SetupProgram {
  public:
    SetupProgram(const std::string& program, const std::string& folder);
    ~SetupProgram();
    SetupProgram(const SetupProgram&) = delete;
    SetupProgram& operator=(const SetupProgram&) = delete;

    bool started() const { return process_ != nullptr; }
    DWORD id() const { return id_; }
    bool endsWithin(DWORD milliseconds) const;
    DWORD exitCode() const;

  private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

bool waitUntil(const std::function<bool()>& condition, DWORD milliseconds = 20000);

// A visible top-level window of `process` with exactly `caption`; null when none comes.
HWND waitForWindow(DWORD process, const std::wstring& caption, DWORD milliseconds = 20000);
// The visible top-level windows of `process`, by caption.
std::vector<std::wstring> windowCaptions(DWORD process);

struct ShownBox {
    HWND window = nullptr;
    std::wstring title;
    std::wstring text;
    std::vector<std::wstring> buttons;
};
// The next message box of `process` not yet seen; window null when none comes.
ShownBox waitForMessageBox(DWORD process, DWORD milliseconds = 20000);
bool messageBoxShown(DWORD process);
void answer(const ShownBox& box, int button);  // IDOK, IDYES, IDNO...

std::wstring windowText(HWND window);
std::wstring controlText(HWND dialog, int id);
bool isEnabled(HWND dialog, int id);
bool isVisible(HWND dialog, int id);
bool isChecked(HWND dialog, int id);
void click(HWND dialog, int id);         // a button or check box
void clickPicture(HWND dialog, int id);  // a clickable picture
void typeText(HWND dialog, int id, const std::wstring& text);
std::wstring selectedComboText(HWND dialog, int id);
std::vector<std::wstring> listItems(HWND dialog, int id);
// Double-clicks the list item whose text, without its indentation, is `item`.
bool openListItem(HWND dialog, int id, const std::wstring& item);

// A screenshot of `window` into the screenshot folder as `name`.png; the file's Unix path,
// or empty when it could not be taken.
std::string screenshot(HWND window, const std::string& name);

}  // namespace qv::setup::testing
