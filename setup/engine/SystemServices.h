#pragma once
// The system folder and the starting of processes.

#include <cstdint>
#include <string>

namespace qv::setup {

class SystemServices {
  public:
    virtual ~SystemServices() = default;

    // GetSystemDirectoryA into a buffer of `bufferSize` characters: its result (the length,
    // or 0 on failure, or the size needed when the buffer is too small) and the buffer's
    // whole content, zero characters included.
    virtual std::int32_t getSystemDirectory(std::uint32_t bufferSize, std::wstring& buffer) = 0;

    // Starts `commandLine` as a new process with a hidden window, found through the normal
    // program search, and does not wait for it. Raises RuntimeError when it cannot start.
    virtual void startHidden(const std::wstring& commandLine) = 0;

    // Asks the shell to open `address` with its default action, shown normally; the
    // outcome is not examined.
    virtual void openWithShell(const std::wstring& address) = 0;
};

}  // namespace qv::setup
