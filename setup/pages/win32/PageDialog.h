#pragma once
// One wizard window made from its dialog template: the dialog procedure lives here once and
// hands messages to the window's own handlers. No exception crosses the procedure: a
// failure inside a handler is kept in the shared FailureGate, and the modal loop that shows
// the window raises it again in its own C++ frame once the message has been handled.

#include <windows.h>

#include <exception>
#include <memory>
#include <string>
#include <vector>

namespace qv::setup::win {

struct FailureGate {
    std::exception_ptr pending;
};

struct FontDeleter {
    void operator()(HFONT font) const {
        if (font) DeleteObject(font);
    }
};
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

// A font of `points` size on this display, by face name.
UniqueFont createFont(const wchar_t* face, double points, bool bold);

class PageDialog {
  public:
    PageDialog(FailureGate& gate, int templateId) : gate_(gate), templateId_(templateId) {}
    virtual ~PageDialog();
    PageDialog(const PageDialog&) = delete;
    PageDialog& operator=(const PageDialog&) = delete;

    // Creates the window, hidden, with the client area of the window's own size; raises the
    // run-time error of the system's failure when the window cannot be made.
    void create(HWND owner);
    // Destroys the window, then releases the fonts it was drawing with.
    void destroy();
    // Ends the window's modal show: the loop that shows it destroys it once it has given the
    // windows it disabled their input back (see Win32WizardPages::runModal).
    void endModal() { modalEnded_ = true; }
    bool modalEnded() const { return modalEnded_; }
    HWND window() const { return window_; }
    HWND item(int id) const { return GetDlgItem(window_, id); }
    std::wstring itemText(int id) const;
    void setItemText(int id, const std::wstring& text) const;

  protected:
    // A font of `points` size for the window's controls, kept until the window is gone.
    HFONT windowFont(const wchar_t* face, double points, bool bold);
    // The client area in twips; centred on the screen when it opens.
    virtual SIZE clientTwips() const = 0;
    // Returns true to let the dialog give the focus to its first control.
    virtual bool onInit() { return true; }
    virtual void onCommand(int id, int code) { (void)id, (void)code; }
    virtual void onDraw(const DRAWITEMSTRUCT& item) { (void)item; }
    // Any other message; returns true when handled, with the dialog result in `result`.
    virtual bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
        (void)message, (void)wParam, (void)lParam, (void)result;
        return false;
    }

  private:
    static INT_PTR CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR handle(UINT message, WPARAM wParam, LPARAM lParam);
    void placeOnScreen();

    FailureGate& gate_;
    const int templateId_;
    HWND window_ = nullptr;
    bool modalEnded_ = false;
    // Members of this class, so that the window, destroyed here, never outlives them.
    std::vector<UniqueFont> fonts_;
};

}  // namespace qv::setup::win
