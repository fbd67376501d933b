#pragma once
// Message boxes as the setup shows them: text, icon and title, with an OK button, or a
// question with Yes and No; the call returns when the user closes the box.

#include <string>

namespace qv::setup {

enum class MessageIcon { None, Critical, Exclamation, Information };

class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    virtual void show(const std::wstring& text, MessageIcon icon, const std::wstring& title) = 0;
    // A question with the question icon; true when the answer is Yes.
    virtual bool askYesNo(const std::wstring& text, const std::wstring& title) = 0;
};

}  // namespace qv::setup
