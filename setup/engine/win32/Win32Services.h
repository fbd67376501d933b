#pragma once
// The system folder, processes, the shell's open action and message boxes through the
// narrow-character (A) functions, texts converted in the system's ANSI code page.

#include "AnsiCodePage.h"
#include "MessageBoxes.h"
#include "SystemServices.h"

namespace qv::setup::win {

class Win32SystemServices final : public SystemServices {
  public:
    explicit Win32SystemServices(const AnsiCodePage& codePage) : codePage_(codePage) {}
    std::int32_t getSystemDirectory(std::uint32_t bufferSize, std::wstring& buffer) override;
    // The process and thread handles are closed at once: the setup neither waits for the
    // registration tool nor touches it again.
    void startHidden(const std::wstring& commandLine) override;
    void openWithShell(const std::wstring& address) override;

  private:
    const AnsiCodePage& codePage_;
};

class Win32MessageBoxes final : public MessageBoxes {
  public:
    explicit Win32MessageBoxes(const AnsiCodePage& codePage) : codePage_(codePage) {}
    void show(const std::wstring& text, MessageIcon icon, const std::wstring& title) override;
    bool askYesNo(const std::wstring& text, const std::wstring& title) override;

  private:
    const AnsiCodePage& codePage_;
};

}  // namespace qv::setup::win
