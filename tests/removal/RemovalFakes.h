#pragma once
// Stand-ins for the machine in the host tests: a system folder whose answer the test sets,
// and a deleter and window that write what they are asked to do into one shared log.

#include "CaseName.h"
#include "MemoryRegistryStore.h"
#include "RemovalPlatform.h"
#include "Uninstaller.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace qv::removal::testing {

using EventLog = std::vector<std::string>;

class FakeSystemFolder final : public SystemFolder {
  public:
    std::optional<std::string> read() const override {
        ++reads_;
        return folder;
    }
    int reads() const { return reads_; }

    std::optional<std::string> folder = "C:\\Windows\\system32";

  private:
    mutable int reads_ = 0;
};

class RecordingDeleter final : public FileDeleter {
  public:
    explicit RecordingDeleter(EventLog& log) : log_(log) {}
    void deleteFile(const std::string& path) override {
        log_.push_back("delete " + path);
        if (afterDelete) afterDelete(path);
    }
    std::function<void(const std::string&)> afterDelete;

  private:
    EventLog& log_;
};

class RecordingWindow final : public UninstallerWindow {
  public:
    explicit RecordingWindow(EventLog& log) : log_(log) {}
    void hide() override { log_.push_back("hide"); }

  private:
    EventLog& log_;
};

// Writes a value below HKEY_CURRENT_USER, creating the key.
inline void storeValue(MemoryRegistryStore& store, const std::string& keyPath,
                       const std::string& name, std::uint32_t type, const Bytes& data) {
    std::unique_ptr<RegistryKey> key;
    bool existed = false;
    store.createKey(kCurrentUser, keyPath, kKeyWrite, key, existed);
    key->setValue(name, type, data);
}

// The value's bytes, or nothing when key or value is missing.
inline std::optional<Bytes> storedValue(MemoryRegistryStore& store, const std::string& keyPath,
                                        const std::string& name) {
    std::unique_ptr<RegistryKey> key;
    if (store.openKey(kCurrentUser, keyPath, kKeyRead, key) != kSuccess) return std::nullopt;
    Bytes data;
    if (key->queryValue(name, 1u << 16, data) != kSuccess) return std::nullopt;
    return data;
}

inline Bytes textBytes(const std::string& text) { return Bytes(text.begin(), text.end()); }

}  // namespace qv::removal::testing
