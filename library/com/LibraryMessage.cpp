#include "LibraryMessage.h"

#include "SystemCodePage.h"

namespace qv::win {

void showLibraryMessage(const std::wstring& text, UINT style, const std::wstring& title) {
    const SystemCodePage codePage;
    MessageBoxA(nullptr, codePage.fromText(text).c_str(), codePage.fromText(title).c_str(),
                style | MB_SETFOREGROUND);
}

}  // namespace qv::win
