// frmPath: the drive list, the folder list and the path label over the chooser's rules.

#include "PageControls.h"
#include "PageWindows.h"
#include "SetupTexts.h"
#include "TextRules.h"

#include <commctrl.h>

#include <algorithm>

namespace qv::setup::win {
namespace {

// The description of error 68, the report of a drive that cannot be read (a removable drive
// without medium).
constexpr wchar_t kDeviceUnavailable[] = L"Device unavailable";

std::wstring withSeparator(std::wstring folder) {
    if (folder.empty() || folder.back() != L'\\') folder += L'\\';
    return folder;
}

// The subfolders of `folder` by name, in the order a person reads them; false when the
// folder cannot be read at all.
bool subfoldersOf(const std::wstring& folder, std::vector<std::wstring>& names) {
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((withSeparator(folder) + L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_FILE_NOT_FOUND;
    do {
        const std::wstring name = found.cFileName;
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name != L"." && name != L"..")
            names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end(), [](const std::wstring& a, const std::wstring& b) {
        return upperCase(a) < upperCase(b);
    });
    return true;
}

// "c:" or "c: [LABEL]", as drive lists show a drive.
std::wstring driveCaption(wchar_t letter) {
    std::wstring caption{static_cast<wchar_t>(letter - L'A' + L'a'), L':'};
    const std::wstring root = std::wstring(1, letter) + L":\\";
    // Only fixed disks are asked for their label: asking an empty removable drive waits.
    if (GetDriveTypeW(root.c_str()) == DRIVE_FIXED) {
        wchar_t label[MAX_PATH + 1] = {};
        if (GetVolumeInformationW(root.c_str(), label, MAX_PATH + 1, nullptr, nullptr, nullptr,
                                  nullptr, 0) &&
            label[0])
            caption += std::wstring(L" [") + label + L"]";
    }
    return caption;
}

}  // namespace

FolderChooserWindow::FolderChooserWindow(FailureGate& gate, FolderChooser& rules,
                                         MessageBoxes& messages)
    : PageDialog(gate, IDD_frmPath), rules_(rules), messages_(messages) {}

bool FolderChooserWindow::onInit() {
    SendMessageW(item(IDC_lblPath), WM_SETFONT,
                 reinterpret_cast<WPARAM>(windowFont(L"Arial", 9.75, false)), 0);

    // The tool tip of "New folder".
    HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window(),
                               nullptr, GetModuleHandleW(nullptr), nullptr);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window();
    tool.uId = reinterpret_cast<UINT_PTR>(item(IDC_Command3));
    wchar_t tipText[] = L"New folder";
    tool.lpszText = tipText;
    SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));

    // Like a folder list, the chooser begins in the current folder; the label stays empty
    // until the open folder changes.
    listDrives();
    wchar_t current[MAX_PATH + 1] = {};
    GetCurrentDirectoryW(MAX_PATH + 1, current);
    openFolder(current);
    selectDrive(current, false);
    setItemText(IDC_lblPath, std::wstring());

    const std::wstring fixed = rules_.Form_Load();
    if (fixed.empty()) return true;
    selectDrive(fixed);
    openFolder(fixed);
    return true;
}

void FolderChooserWindow::listDrives() {
    HWND drives = item(IDC_Drive1);
    SendMessageW(drives, CB_RESETCONTENT, 0, 0);
    const DWORD present = GetLogicalDrives();
    for (int bit = 0; bit < 26; ++bit) {
        if (!(present & (1u << bit))) continue;
        const wchar_t letter = static_cast<wchar_t>(L'A' + bit);
        const auto index = SendMessageW(drives, CB_ADDSTRING, 0,
                                        reinterpret_cast<LPARAM>(driveCaption(letter).c_str()));
        SendMessageW(drives, CB_SETITEMDATA, static_cast<WPARAM>(index), letter);
    }
    // Listing again keeps the drive shown; only a new choice is a change.
    if (!openFolder_.empty()) selectDrive(openFolder_, false);
}

void FolderChooserWindow::selectDrive(const std::wstring& root, bool asChange) {
    HWND drives = item(IDC_Drive1);
    const auto count = SendMessageW(drives, CB_GETCOUNT, 0, 0);
    const wchar_t letter = upperCase(root.substr(0, 1))[0];
    for (LRESULT index = 0; index < count; ++index) {
        if (static_cast<wchar_t>(SendMessageW(drives, CB_GETITEMDATA, index, 0)) != letter)
            continue;
        const bool changed = SendMessageW(drives, CB_GETCURSEL, 0, 0) != index;
        SendMessageW(drives, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        // Setting the drive by program is a change like the user's own.
        if (changed && asChange) driveChanged();
        return;
    }
}

void FolderChooserWindow::driveChanged() {
    if (trimBlanks(rules_.ShowDrive()).empty()) return;
    HWND drives = item(IDC_Drive1);
    const auto index = SendMessageW(drives, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return;
    const auto letter = static_cast<wchar_t>(SendMessageW(drives, CB_GETITEMDATA, index, 0));
    if (openFolder(std::wstring(1, letter) + L":\\")) return;
    messages_.show(kDeviceUnavailable, MessageIcon::Information, kTitle);
    const std::wstring& setupDrive = rules_.setupDrive();
    // Back to the setup program's own drive, unless that is the one that failed.
    if (!setupDrive.empty() && upperCase(setupDrive.substr(0, 1))[0] != letter)
        selectDrive(setupDrive);
}

bool FolderChooserWindow::openFolder(const std::wstring& folder) {
    std::vector<std::wstring> names;
    if (!subfoldersOf(folder, names)) return false;
    HWND list = item(IDC_Dir1);
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    listed_.clear();

    // The chain from the root to the open folder, then its subfolders, one level deeper.
    std::wstring path = withSeparator(folder);
    std::vector<std::wstring> chain;
    for (std::size_t end = path.find(L'\\'); end != std::wstring::npos;
         end = path.find(L'\\', end + 1))
        chain.push_back(path.substr(0, end == 2 ? 3 : end));
    std::size_t depth = 0;
    const auto add = [&](const std::wstring& shown, const std::wstring& target) {
        SendMessageW(list, LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>((std::wstring(2 * depth, L' ') + shown).c_str()));
        listed_.push_back(target);
    };
    for (const auto& level : chain) {
        add(depth == 0 ? level : level.substr(level.rfind(L'\\') + 1), level);
        ++depth;
    }
    const auto openIndex = static_cast<WPARAM>(listed_.size() - 1);
    for (const auto& name : names) add(name, withSeparator(chain.back()) + name);
    SendMessageW(list, LB_SETCURSEL, openIndex, 0);
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);

    const std::wstring opened = chain.back();
    if (opened != openFolder_) {
        openFolder_ = opened;
        setItemText(IDC_lblPath, openFolder_);
    }
    return true;
}

void FolderChooserWindow::newFolder() {
    rules_.prcNew_Folder(trimBlanks(itemText(IDC_lblPath)));
    // The new folder shows in the list, which stays where the user is.
    const std::wstring open = openFolder_;
    listDrives();
    openFolder_.clear();
    if (!openFolder(open)) openFolder(rules_.setupDrive());
}

void FolderChooserWindow::onCommand(int id, int code) {
    switch (id) {
        case IDC_Drive1:
            if (code == CBN_SELCHANGE) driveChanged();
            break;
        case IDC_Dir1:
            if (code == LBN_DBLCLK) {
                const auto index = SendMessageW(item(IDC_Dir1), LB_GETCURSEL, 0, 0);
                if (index >= 0 && static_cast<std::size_t>(index) < listed_.size())
                    openFolder(std::wstring(listed_[static_cast<std::size_t>(index)]));
            }
            break;
        case IDC_Command2:
            rules_.choose(itemText(IDC_lblPath));
            endModal();
            break;
        case IDC_Command1:
            endModal();
            break;
        case IDC_Command3:
            newFolder();
            break;
        default:
            break;
    }
}

bool FolderChooserWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    // The path label in the colours of a window's contents.
    if (message != WM_CTLCOLORSTATIC || reinterpret_cast<HWND>(lParam) != item(IDC_lblPath))
        return false;
    HDC dc = reinterpret_cast<HDC>(wParam);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    result = reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_WINDOW));
    return true;
}

}  // namespace qv::setup::win
