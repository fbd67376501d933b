#include "Win32WizardPages.h"

#include "NamePromptDialog.h"
#include "PageControls.h"
#include "PageWindows.h"

#include <utility>

namespace qv::setup::win {

Win32WizardPages::~Win32WizardPages() {
    for (auto& [page, dialog] : pages_) dialog->destroy();
}

PageDialog* Win32WizardPages::loaded(Page page) const {
    const auto found = pages_.find(page);
    return found == pages_.end() ? nullptr : found->second.get();
}

PageDialog& Win32WizardPages::load(Page page) {
    if (PageDialog* dialog = loaded(page)) return *dialog;
    std::unique_ptr<PageDialog> dialog;
    switch (page) {
        case Page::Terms:
            dialog = std::make_unique<TermsPage>(gate_, *this);
            break;
        case Page::Folder:
            dialog = std::make_unique<FolderPage>(gate_, *this);
            break;
        case Page::Install:
            dialog = std::make_unique<InstallPage>(gate_, *this);
            break;
        case Page::Finish:
            dialog = std::make_unique<FinishWindow>(gate_);
            break;
    }
    dialog->create(nullptr);
    minimized_[page] = false;
    return *pages_.emplace(page, std::move(dialog)).first->second;
}

void Win32WizardPages::runModal(PageDialog& dialog) {
    HWND window = dialog.window();
    std::vector<HWND> disabled;
    for (const auto& [page, shown] : pages_) {
        HWND other = shown->window();
        if (other && other != window && IsWindowVisible(other) && IsWindowEnabled(other)) {
            EnableWindow(other, FALSE);
            disabled.push_back(other);
        }
    }
    if (!IsWindowVisible(window)) ShowWindow(window, SW_SHOWNORMAL);
    SetForegroundWindow(window);
    while (!gate_.pending && !dialog.modalEnded() && IsWindow(window) && IsWindowVisible(window)) {
        MSG message;
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            // Passed on to the loop outside, which ends the program.
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (got < 0) break;
        HWND active = GetActiveWindow();
        if (active && IsDialogMessageW(active, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    // The other windows take input again before the modal one goes, as at the end of a dialog
    // box: the system hands the activation on only to a window that takes input, and would
    // otherwise leave the wizard behind another program's window.
    for (HWND other : disabled)
        if (IsWindow(other)) EnableWindow(other, TRUE);
    if (dialog.modalEnded()) dialog.destroy();
    if (gate_.pending) std::rethrow_exception(std::exchange(gate_.pending, nullptr));
}

void Win32WizardPages::showModal(Page page) {
    PageDialog& dialog = load(page);
    if (minimized_[page]) ShowWindow(dialog.window(), SW_SHOWMINIMIZED);
    runModal(dialog);
}

void Win32WizardPages::showModeless(Page page) {
    HWND window = load(page).window();
    ShowWindow(window, minimized_[page] ? SW_SHOWMINNOACTIVE : SW_SHOWNORMAL);
    UpdateWindow(window);
}

void Win32WizardPages::hide(Page page) { ShowWindow(load(page).window(), SW_HIDE); }

void Win32WizardPages::unload(Page page) {
    auto found = pages_.find(page);
    if (found == pages_.end()) return;
    found->second->destroy();
    closed_.push_back(std::move(found->second));
    pages_.erase(found);
}

void Win32WizardPages::minimize(Page page) {
    HWND window = load(page).window();
    minimized_[page] = true;
    if (IsWindowVisible(window)) ShowWindow(window, SW_MINIMIZE);
}

void Win32WizardPages::repaint(Page page) {
    if (PageDialog* dialog = loaded(page))
        RedrawWindow(dialog->window(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void Win32WizardPages::setLabelVisible(PageLabel label, bool visible) {
    const Page page = label == PageLabel::Copy ? Page::Folder : Page::Install;
    const int id = label == PageLabel::Copy     ? IDC_lblCopy
                   : label == PageLabel::Delete ? IDC_lblDelete
                                                : IDC_lblAdd;
    PageDialog& dialog = load(page);
    ShowWindow(dialog.item(id), visible ? SW_SHOW : SW_HIDE);
    // The work that follows keeps the loop busy: the label shows now.
    UpdateWindow(dialog.window());
}

void Win32WizardPages::setFolderText(const std::wstring& text) {
    load(Page::Folder).setItemText(IDC_txtPathdefault, text);
}

std::wstring Win32WizardPages::folderText() {
    return load(Page::Folder).itemText(IDC_txtPathdefault);
}

void Win32WizardPages::showFolderChooser() {
    NamePromptDialog prompt;
    FolderChooser rules(*engine_, services_.files, services_.messages, *this, prompt);
    FolderChooserWindow chooser(gate_, rules, services_.messages);
    chooser.create(load(Page::Folder).window());
    prompt.setOwner(chooser.window());
    runModal(chooser);
}

}  // namespace qv::setup::win
