#include "PageDialog.h"

#include "LateBinding.h"

#include <vector>

namespace qv::setup::win {
namespace {

constexpr int kTwipsPerInch = 1440;

int screenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

}  // namespace

UniqueFont createFont(const wchar_t* face, double points, bool bold) {
    const int height = -static_cast<int>(points * screenDpi() / 72.0 + 0.5);
    return UniqueFont(CreateFontW(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                                  DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                  DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face));
}

PageDialog::~PageDialog() { destroy(); }

void PageDialog::create(HWND owner) {
    if (window_) return;
    modalEnded_ = false;
    if (CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), owner,
                           procedure, reinterpret_cast<LPARAM>(this)))
        return;
    // Without its window the page's loop would end at once and the setup would go on as if
    // the user had finished the page.
    const DWORD error = GetLastError();
    window_ = nullptr;
    fonts_.clear();
    throw automationError(error ? HRESULT_FROM_WIN32(error) : E_FAIL);
}

void PageDialog::destroy() {
    if (!window_) return;
    HWND window = window_;
    window_ = nullptr;
    SetWindowLongPtrW(window, DWLP_USER, 0);
    DestroyWindow(window);
    fonts_.clear();
}

HFONT PageDialog::windowFont(const wchar_t* face, double points, bool bold) {
    fonts_.push_back(createFont(face, points, bold));
    return fonts_.back().get();
}

std::wstring PageDialog::itemText(int id) const {
    HWND control = item(id);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

void PageDialog::setItemText(int id, const std::wstring& text) const {
    SetDlgItemTextW(window_, id, text.c_str());
}

// The template's layout is stretched to the window's client area: dialog units follow the
// dialog font, whose size differs between systems, while the client area is fixed.
void PageDialog::placeOnScreen() {
    const int dpi = screenDpi();
    const SIZE twips = clientTwips();
    const int width = MulDiv(twips.cx, dpi, kTwipsPerInch);
    const int height = MulDiv(twips.cy, dpi, kTwipsPerInch);
    RECT laidOut{};
    GetClientRect(window_, &laidOut);
    if (laidOut.right > 0 && laidOut.bottom > 0) {
        std::vector<HWND> children;
        for (HWND child = GetWindow(window_, GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT))
            children.push_back(child);
        for (HWND child : children) {
            RECT place{};
            GetWindowRect(child, &place);
            MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&place), 2);
            const int left = MulDiv(place.left, width, laidOut.right);
            const int top = MulDiv(place.top, height, laidOut.bottom);
            const int right = MulDiv(place.right, width, laidOut.right);
            int bottom = MulDiv(place.bottom, height, laidOut.bottom);
            wchar_t className[16] = {};
            GetClassNameW(child, className, 16);
            // A drop-down list's height is that of its open list, which must not shrink.
            if (lstrcmpiW(className, L"ComboBox") == 0)
                bottom = top + 12 * (place.bottom - place.top);
            MoveWindow(child, left, top, right - left, bottom - top, FALSE);
        }
    }
    RECT frame{0, 0, width, height};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE)));
    const int outerWidth = frame.right - frame.left, outerHeight = frame.bottom - frame.top;
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int left = work.left + (work.right - work.left - outerWidth) / 2;
    const int top = work.top + (work.bottom - work.top - outerHeight) / 2;
    SetWindowPos(window_, nullptr, left, top, outerWidth, outerHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

INT_PTR CALLBACK PageDialog::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<PageDialog*>(lParam);
        self->window_ = window;
        SetWindowLongPtrW(window, DWLP_USER, lParam);
    }
    auto* self = reinterpret_cast<PageDialog*>(GetWindowLongPtrW(window, DWLP_USER));
    if (!self) return FALSE;
    try {
        return self->handle(message, wParam, lParam);
    } catch (...) {
        if (!self->gate_.pending) self->gate_.pending = std::current_exception();
        return TRUE;
    }
}

INT_PTR PageDialog::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            placeOnScreen();
            return onInit() ? TRUE : FALSE;
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            HWND control = reinterpret_cast<HWND>(lParam);
            // A click queued before its button was disabled must not act.
            if (control && !IsWindowEnabled(control)) return TRUE;
            onCommand(id, HIWORD(wParam));
            return TRUE;
        }
        case WM_DRAWITEM:
            onDraw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        default: {
            INT_PTR result = FALSE;
            if (!onMessage(message, wParam, lParam, result)) return FALSE;
            SetWindowLongPtrW(window_, DWLP_MSGRESULT, result);
            return result;
        }
    }
}

}  // namespace qv::setup::win
