#include "UninstallerWindow.h"

namespace qv::removal::win {
namespace {

constexpr UINT_PTR kTimerId = 1;
constexpr UINT kTimerIntervalMs = 10000;

// The layout is kept in twips (1440 to the inch) and turned into pixels at the screen's
// resolution, so the window keeps its size on screens of any density.
constexpr int kTwipsPerInch = 1440;
constexpr int kClientWidth = 4095;
constexpr int kClientHeight = 960;
constexpr int kHalfWidthOffset = 2000;
constexpr int kHalfHeightOffset = 450;

struct TwipsRect {
    int left, top, width, height;
};
constexpr TwipsRect kFrame = {120, 0, 3855, 780};
constexpr TwipsRect kLabel = {240, 330, 3615, 255};
constexpr char kLabelText[] = "... Uninstalling Quorvane, please wait.";

class ScreenDeviceContext {
  public:
    ScreenDeviceContext() : dc_(GetDC(nullptr)) {}
    ScreenDeviceContext(const ScreenDeviceContext&) = delete;
    ScreenDeviceContext& operator=(const ScreenDeviceContext&) = delete;
    ~ScreenDeviceContext() {
        if (dc_) ReleaseDC(nullptr, dc_);
    }
    int pixelsPerInch(int axis) const { return dc_ ? GetDeviceCaps(dc_, axis) : 96; }

  private:
    HDC dc_;
};

struct TwipsScale {
    int x, y;
    int horizontal(int twips) const { return MulDiv(twips, x, kTwipsPerInch); }
    int vertical(int twips) const { return MulDiv(twips, y, kTwipsPerInch); }
};

TwipsScale screenScale() {
    const ScreenDeviceContext screen;
    return {screen.pixelsPerInch(LOGPIXELSX), screen.pixelsPerInch(LOGPIXELSY)};
}

constexpr DWORD kWindowStyle = WS_POPUP | WS_DLGFRAME;

}  // namespace

UninstallerMainWindow::UninstallerMainWindow(HINSTANCE instance, Uninstaller& uninstaller)
    : instance_(instance), uninstaller_(uninstaller) {}

UninstallerMainWindow::~UninstallerMainWindow() {
    if (window_) DestroyWindow(window_);
}

bool UninstallerMainWindow::create(int showCommand) {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = instance_;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kUninstallerWindowClass;
    if (!RegisterClassExA(&windowClass)) return false;

    const TwipsScale scale = screenScale();
    RECT bounds = {0, 0, scale.horizontal(kClientWidth), scale.vertical(kClientHeight)};
    AdjustWindowRectEx(&bounds, kWindowStyle, FALSE, 0);
    // The window's left and top edges, not its centre, go to these points.
    const int left = GetSystemMetrics(SM_CXSCREEN) / 2 - scale.horizontal(kHalfWidthOffset);
    const int top = GetSystemMetrics(SM_CYSCREEN) / 2 - scale.vertical(kHalfHeightOffset);
    if (!CreateWindowExA(0, kUninstallerWindowClass, "", kWindowStyle, left, top,
                         bounds.right - bounds.left, bounds.bottom - bounds.top, nullptr, nullptr,
                         instance_, this)) {
        return false;
    }
    createControls();
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
    return SetTimer(window_, kTimerId, kTimerIntervalMs, nullptr) != 0;
}

void UninstallerMainWindow::hide() { ShowWindow(window_, SW_HIDE); }

void UninstallerMainWindow::createControls() {
    const TwipsScale scale = screenScale();
    const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    const auto place = [&](const char* windowClass, const char* text, DWORD style,
                           const TwipsRect& rect) {
        HWND control = CreateWindowExA(0, windowClass, text, WS_CHILD | WS_VISIBLE | style,
                                       scale.horizontal(rect.left), scale.vertical(rect.top),
                                       scale.horizontal(rect.width), scale.vertical(rect.height),
                                       window_, nullptr, instance_, nullptr);
        if (control) SendMessageA(control, WM_SETFONT, font, FALSE);
    };
    place("BUTTON", "", BS_GROUPBOX, kFrame);
    place("STATIC", kLabelText, SS_LEFT, kLabel);
}

void UninstallerMainWindow::onTimer() {
    // One tick only: the passes run inside it and the program ends right after.
    KillTimer(window_, kTimerId);
    try {
        uninstaller_.onTimerTick(*this);
    } catch (...) {
        // Failures are never reported; the program ends all the same.
    }
    DestroyWindow(window_);
}

LRESULT CALLBACK UninstallerMainWindow::windowProcedure(HWND window, UINT message, WPARAM wParam,
                                                        LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<UninstallerMainWindow*>(
            reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<UninstallerMainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    return self->handle(message, wParam, lParam);
}

LRESULT UninstallerMainWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            if (wParam == kTimerId) onTimer();
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        case WM_NCDESTROY: {
            const HWND window = window_;
            SetWindowLongPtrA(window, GWLP_USERDATA, 0);
            window_ = nullptr;
            return DefWindowProcA(window, message, wParam, lParam);
        }
        default:
            return DefWindowProcA(window_, message, wParam, lParam);
    }
}

}  // namespace qv::removal::win
