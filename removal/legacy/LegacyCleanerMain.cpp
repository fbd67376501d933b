// UQV.exe: removes the previous version's add-in workbook, help file and settings library,
// then ends. It has no window, reads no arguments and shows no message.

#include "LegacyCleaner.h"
#include "SystemCodePage.h"
#include "Win32FileDeleter.h"
#include "Win32RegistryStore.h"
#include "Win32SystemFolder.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    try {
        qv::win::Win32RegistryStore store;
        qv::win::SystemCodePage codePage;
        const qv::RegistryAccess registry(store, codePage);
        qv::removal::win::Win32SystemFolder systemFolder;
        qv::removal::win::Win32FileDeleter deleter;
        qv::removal::runLegacyCleaner(registry, codePage, systemFolder, deleter);
    } catch (...) {
        // Failures are never reported: the program ends as it would have anyway.
    }
    return 0;
}
