#pragma once
// Message boxes as the engine shows them: text, icon and title; every box has only an OK
// button and the call returns when the user closes it.

#include <string>

namespace qv::setup {

enum class MessageIcon { None, Critical, Exclamation, Information };

class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    virtual void show(const std::wstring& text, MessageIcon icon, const std::wstring& title) = 0;
};

}  // namespace qv::setup
