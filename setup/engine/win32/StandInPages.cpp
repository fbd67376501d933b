#include "StandInPages.h"

#include "RuntimeError.h"

#include <windows.h>

namespace qv::setup::win {
namespace {

const wchar_t* captionOf(Page page) {
    switch (page) {
        case Page::Terms:
            return L"Wizard Install  - Step 2 of 4 ";
        case Page::Folder:
            return L"Wizard Install  - Step 3 of 4";
        case Page::Install:
            return L"Wizard Install  - Step 4 of 4 ";
        case Page::Finish:
            break;
    }
    return L"Finalizando Instalacion.........";
}

}  // namespace

void StandInPages::showModal(Page page) {
    std::wstring text = L"OK: forward.  Cancel: end the setup.";
    if (page == Page::Folder) text = L"Install folder: " + folderText_ + L"\r" + text;
    const int answer =
        MessageBoxA(nullptr, codePage_.fromText(text).c_str(),
                    codePage_.fromText(captionOf(page)).c_str(), MB_OKCANCEL | MB_SETFOREGROUND);
    if (answer != IDOK || !engine_) throw EndOfProgram{};
    switch (page) {
        case Page::Terms:
            engine_->termsForwardStep();
            break;
        case Page::Folder:
            engine_->folderForwardStep();
            break;
        case Page::Install:
            engine_->installStep();
            break;
        case Page::Finish:
            break;
    }
}

void StandInPages::unload(Page page) {
    // A page created again after unloading starts with an empty folder box.
    if (page == Page::Folder) folderText_.clear();
}

}  // namespace qv::setup::win
