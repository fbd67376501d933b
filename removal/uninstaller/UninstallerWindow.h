#pragma once
// The uninstaller's one window, "QVU": a frame holding the message, centred on the screen,
// and the timer whose first tick runs the removal passes and ends the program.

#include "Uninstaller.h"

#include <windows.h>

namespace qv::removal::win {

// The window class name, by which tests find the window.
constexpr char kUninstallerWindowClass[] = "QVU";

class UninstallerMainWindow final : public UninstallerWindow {
  public:
    UninstallerMainWindow(HINSTANCE instance, Uninstaller& uninstaller);
    UninstallerMainWindow(const UninstallerMainWindow&) = delete;
    UninstallerMainWindow& operator=(const UninstallerMainWindow&) = delete;
    ~UninstallerMainWindow() override;

    // Creates, places and shows the window and starts the timer; false when Windows refuses.
    bool create(int showCommand);

    void hide() override;

  private:
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void createControls();
    void onTimer();

    HINSTANCE instance_;
    Uninstaller& uninstaller_;
    HWND window_ = nullptr;  // owned: destroyed with this object at the latest
};

}  // namespace qv::removal::win
