#include "Win32RegistryStore.h"

#include <windows.h>

namespace qv::win {
namespace {

// The predefined keys are sign-extended handle values on 64-bit Windows.
HKEY handleOf(RegistryRoot root) { return reinterpret_cast<HKEY>(static_cast<LONG_PTR>(root)); }

class Win32Key final : public RegistryKey {
  public:
    Win32Key(HKEY key, bool owned) : key_(key), owned_(owned) {}
    Win32Key(const Win32Key&) = delete;
    Win32Key& operator=(const Win32Key&) = delete;
    ~Win32Key() override {
        if (owned_) RegCloseKey(key_);
    }

    RegistryStatus queryValue(const std::string& name, std::uint32_t bufferSize,
                              Bytes& data) override {
        Bytes buffer(bufferSize);
        DWORD size = bufferSize;
        DWORD type = 0;
        const LONG status =
            RegQueryValueExA(key_, name.c_str(), nullptr, &type, buffer.data(), &size);
        if (status == ERROR_SUCCESS) {
            buffer.resize(size);
            data = std::move(buffer);
        }
        return status;
    }

    RegistryStatus setValue(const std::string& name, std::uint32_t type,
                            const Bytes& data) override {
        // The byte after the data is a zero, as after the characters of a string: the
        // narrow write then adds the terminator that a REG_SZ handed over without one lacks.
        Bytes buffer(data);
        buffer.push_back(0);
        return RegSetValueExA(key_, name.c_str(), 0, type, buffer.data(),
                              static_cast<DWORD>(data.size()));
    }

    RegistryStatus deleteValue(const std::string& name) override {
        return RegDeleteValueA(key_, name.c_str());
    }

    RegistryStatus enumSubkey(std::uint32_t index, std::uint32_t bufferSize,
                              std::string& name) override {
        std::string buffer(bufferSize, ' ');
        const LONG status = RegEnumKeyA(key_, index, buffer.data(), bufferSize);
        if (status == ERROR_SUCCESS) name = buffer.substr(0, buffer.find('\0'));
        return status;
    }

  private:
    HKEY key_;
    bool owned_;
};

}  // namespace

RegistryStatus Win32RegistryStore::openKey(RegistryRoot root, const std::string& path,
                                           std::uint32_t access,
                                           std::unique_ptr<RegistryKey>& key) {
    HKEY opened = nullptr;
    const LONG status = RegOpenKeyExA(handleOf(root), path.c_str(), 0, access, &opened);
    if (status == ERROR_SUCCESS) key = std::make_unique<Win32Key>(opened, true);
    return status;
}

RegistryStatus Win32RegistryStore::createKey(RegistryRoot root, const std::string& path,
                                             std::uint32_t access,
                                             std::unique_ptr<RegistryKey>& key, bool& existed) {
    HKEY created = nullptr;
    DWORD disposition = 0;
    const LONG status =
        RegCreateKeyExA(handleOf(root), path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access,
                        nullptr, &created, &disposition);
    if (status == ERROR_SUCCESS) {
        key = std::make_unique<Win32Key>(created, true);
        existed = disposition == REG_OPENED_EXISTING_KEY;
    }
    return status;
}

RegistryStatus Win32RegistryStore::deleteKey(RegistryRoot root, const std::string& path) {
    return RegDeleteKeyA(handleOf(root), path.c_str());
}

std::unique_ptr<RegistryKey> Win32RegistryStore::rootKey(RegistryRoot root) {
    return std::make_unique<Win32Key>(handleOf(root), false);
}

}  // namespace qv::win
