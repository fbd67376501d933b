#include "NamePromptDialog.h"

#include "PageControls.h"

namespace qv::setup::win {

std::wstring NamePromptDialog::ask(const std::wstring& title, const std::wstring& prompt,
                                   const std::wstring& defaultAnswer) {
    title_ = title;
    prompt_ = prompt;
    answer_ = defaultAnswer;
    const INT_PTR outcome =
        DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_NameFolder), owner_,
                        procedure, reinterpret_cast<LPARAM>(this));
    // Cancel, the close box and a dialog that could not be made all give the empty answer.
    return outcome == IDOK ? answer_ : std::wstring();
}

INT_PTR CALLBACK NamePromptDialog::procedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    if (message == WM_INITDIALOG) SetWindowLongPtrW(window, DWLP_USER, lParam);
    auto* self = reinterpret_cast<NamePromptDialog*>(GetWindowLongPtrW(window, DWLP_USER));
    if (!self) return FALSE;
    switch (message) {
        case WM_INITDIALOG: {
            SetWindowTextW(window, self->title_.c_str());
            SetDlgItemTextW(window, IDC_PromptText, self->prompt_.c_str());
            SetDlgItemTextW(window, IDC_AnswerText, self->answer_.c_str());
            RECT owner{}, own{};
            GetWindowRect(self->owner_ ? self->owner_ : GetDesktopWindow(), &owner);
            GetWindowRect(window, &own);
            SetWindowPos(window, nullptr,
                         owner.left + (owner.right - owner.left - (own.right - own.left)) / 2,
                         owner.top + (owner.bottom - owner.top - (own.bottom - own.top)) / 2, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER);
            SetFocus(GetDlgItem(window, IDC_AnswerText));
            return FALSE;
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) {
                HWND answer = GetDlgItem(window, IDC_AnswerText);
                std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(answer)) + 1,
                                  L'\0');
                text.resize(static_cast<std::size_t>(
                    GetWindowTextW(answer, text.data(), static_cast<int>(text.size()))));
                self->answer_ = text;
                EndDialog(window, IDOK);
                return TRUE;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                EndDialog(window, IDCANCEL);
                return TRUE;
            }
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace qv::setup::win
