#pragma once
// The library's message boxes: no owner window, texts through the ANSI code page.

#include <windows.h>

#include <string>

namespace qv::win {

void showLibraryMessage(const std::wstring& text, UINT style, const std::wstring& title);

}  // namespace qv::win
