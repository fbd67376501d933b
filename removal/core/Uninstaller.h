#pragma once
// The uninstaller's work, done on its window's first timer tick: it reads the install folder
// recorded in "Dir" and the system folder, then runs its removal passes one after the other,
// hiding the window in each. The counter of passes lives as long as the window.

#include "RegistryStore.h"
#include "RemovalPass.h"

#include <cstdint>
#include <optional>
#include <string>

namespace qv::removal {

constexpr std::int16_t kUninstallerPasses = 10;

// The key and value the setup records the install folder in, and the buffer the uninstaller
// reads it through (the folder's characters plus the terminating zero).
constexpr char kInstallRecordKey[] = "Software\\Quorvane11\\Groupdate";
constexpr char kInstallFolderValue[] = "Dir";
constexpr std::uint32_t kInstallFolderBufferSize = 255;
constexpr std::uint32_t kKeyAllAccess = 0xF003F;

// The install folder as the uninstaller reads it, or nothing when it names no folder to
// delete in: key or value missing, a value of 0 bytes, one that does not fit the buffer, or
// a folder that is not absolute.
std::optional<std::string> readInstallFolder(RegistryStore& store);

class UninstallerWindow {
  public:
    virtual ~UninstallerWindow() = default;
    virtual void hide() = 0;
};

class Uninstaller {
  public:
    Uninstaller(RegistryStore& store, const SystemFolder& systemFolder, FileDeleter& deleter)
        : store_(store), systemFolder_(systemFolder), deleter_(deleter) {}

    // The timer tick: runs the passes still due, hiding the window in each. Once it returns
    // the program is to end; a later call finds every pass done and deletes nothing.
    void onTimerTick(UninstallerWindow& window);

    std::int16_t passes() const { return passes_; }

  private:
    RegistryStore& store_;
    const SystemFolder& systemFolder_;
    FileDeleter& deleter_;
    std::int16_t passes_ = 0;
};

}  // namespace qv::removal
