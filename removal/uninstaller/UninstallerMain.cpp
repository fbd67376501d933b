// QVU.exe: shows its message for ten seconds, then removes the add-in workbook, its help file
// and the settings library and ends. It reads no arguments and shows no other message.

#include "UninstallerWindow.h"
#include "Win32FileDeleter.h"
#include "Win32RegistryStore.h"
#include "Win32SystemFolder.h"

#include <windows.h>
#include <commctrl.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    // The manifest asks for common controls 6, whose classes must be registered first.
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    qv::win::Win32RegistryStore store;
    qv::removal::win::Win32SystemFolder systemFolder;
    qv::removal::win::Win32FileDeleter deleter;
    qv::removal::Uninstaller uninstaller(store, systemFolder, deleter);
    qv::removal::win::UninstallerMainWindow window(instance, uninstaller);
    if (!window.create(showCommand)) return 0;

    MSG message{};  // read as the exit code even if the first GetMessageA fails (-1)
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
