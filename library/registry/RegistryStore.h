#pragma once
// The registry as the library reaches it: the narrow-character (ANSI) registry functions,
// reduced to what the library calls. Names and text data are bytes in the system's ANSI
// code page; results are the Win32 status codes. Two stores implement it: the Win32
// registry and an in-memory store that behaves the same way (the registry contract tests
// hold both to it).

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace qv {

using Bytes = std::vector<std::uint8_t>;

// A predefined root key, as the 32-bit signed handle value callers pass.
using RegistryRoot = std::int32_t;
constexpr RegistryRoot kClassesRoot = static_cast<RegistryRoot>(0x80000000u);
constexpr RegistryRoot kCurrentUser = static_cast<RegistryRoot>(0x80000001u);
constexpr RegistryRoot kLocalMachine = static_cast<RegistryRoot>(0x80000002u);
constexpr RegistryRoot kUsers = static_cast<RegistryRoot>(0x80000003u);

// Win32 status codes the stores report.
using RegistryStatus = long;
constexpr RegistryStatus kSuccess = 0;
constexpr RegistryStatus kFileNotFound = 2;
constexpr RegistryStatus kAccessDenied = 5;
constexpr RegistryStatus kInvalidHandle = 6;
constexpr RegistryStatus kBadPathName = 161;
constexpr RegistryStatus kMoreData = 234;
constexpr RegistryStatus kNoMoreItems = 259;
constexpr RegistryStatus kKeyDeleted = 1018;

// Value types and access masks, with their Win32 numbers.
constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegBinary = 3;
constexpr std::uint32_t kRegDword = 4;
constexpr std::uint32_t kKeyRead = 0x20019;
constexpr std::uint32_t kKeyWrite = 0x20006;

// An open key. Destroying it closes the key.
class RegistryKey {
  public:
    virtual ~RegistryKey() = default;

    // Reads a value through a buffer of bufferSize bytes. On success `data` holds exactly
    // the bytes the registry reports (text with its terminating zero); a value larger than
    // the buffer gives kMoreData. On failure `data` is not touched.
    virtual RegistryStatus queryValue(const std::string& name, std::uint32_t bufferSize,
                                      Bytes& data) = 0;

    // Writes `data` as a value of `type`. For REG_SZ, data that does not end in a zero gets
    // the terminating zero added by the registry, as the narrow write does for a string
    // handed over without its terminator; empty data is stored with no bytes.
    virtual RegistryStatus setValue(const std::string& name, std::uint32_t type,
                                    const Bytes& data) = 0;

    virtual RegistryStatus deleteValue(const std::string& name) = 0;

    // The name of subkey `index` in the registry's order, through a buffer of bufferSize
    // characters; kNoMoreItems past the last one. On failure `name` is not touched.
    virtual RegistryStatus enumSubkey(std::uint32_t index, std::uint32_t bufferSize,
                                      std::string& name) = 0;
};

class RegistryStore {
  public:
    virtual ~RegistryStore() = default;

    // Opens `path` below `root` (an empty path opens the root itself again).
    virtual RegistryStatus openKey(RegistryRoot root, const std::string& path, std::uint32_t access,
                                   std::unique_ptr<RegistryKey>& key) = 0;

    // Creates `path` below `root` with every missing level, or opens it when it exists;
    // `existed` tells which.
    virtual RegistryStatus createKey(RegistryRoot root, const std::string& path,
                                     std::uint32_t access, std::unique_ptr<RegistryKey>& key,
                                     bool& existed) = 0;

    // Deletes a key that has no subkeys.
    virtual RegistryStatus deleteKey(RegistryRoot root, const std::string& path) = 0;

    // The root key itself, used as it is: destroying the object does not close the root.
    virtual std::unique_ptr<RegistryKey> rootKey(RegistryRoot root) = 0;
};

}  // namespace qv
