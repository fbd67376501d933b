// QV_Setup.exe: the engine and its pages over the real registry, the file-system object,
// Excel, the system and message boxes, started from the folder of the package.

#include "ExcelLateBound.h"
#include "ScriptingFileSystem.h"
#include "SetupRun.h"
#include "SystemCodePage.h"
#include "Win32RegistryStore.h"
#include "Win32Services.h"
#include "Win32WizardPages.h"

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <string>

namespace {

// The folder of the running program, without its trailing separator.
std::wstring programFolder(const qv::AnsiCodePage& codePage) {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return std::wstring();
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return codePage.toText(path.substr(0, path.find_last_of('\\')));
}

class ComApartment {
  public:
    ComApartment() : result_(CoInitialize(nullptr)) {}
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment() {
        if (SUCCEEDED(result_)) CoUninitialize();
    }

  private:
    HRESULT result_;
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // A drive without its medium (an empty CD or card reader opened in the folder chooser)
    // fails the call instead of raising the system's own box: the wizard says so itself.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    ComApartment apartment;
    qv::win::SystemCodePage codePage;
    qv::win::Win32RegistryStore registry;
    qv::setup::win::ScriptingFileSystem files;
    qv::setup::win::ExcelLateBound excel;
    qv::setup::win::Win32SystemServices system(codePage);
    qv::setup::win::Win32MessageBoxes messages(codePage);
    qv::setup::win::Win32WizardPages pages({files, excel, system, messages});
    qv::setup::SetupEngine engine(
        {registry, codePage, files, excel, system, messages, pages, programFolder(codePage)});
    pages.attach(engine);
    return qv::setup::runSetup(engine, messages);
}
