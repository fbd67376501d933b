#pragma once
// The chooser's name prompt: a small input box over its owner window.

#include "FolderChooser.h"

#include <windows.h>

namespace qv::setup::win {

class NamePromptDialog final : public NamePrompt {
  public:
    void setOwner(HWND owner) { owner_ = owner; }
    std::wstring ask(const std::wstring& title, const std::wstring& prompt,
                     const std::wstring& defaultAnswer) override;

  private:
    static INT_PTR CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND owner_ = nullptr;
    std::wstring title_, prompt_, answer_;
};

}  // namespace qv::setup::win
