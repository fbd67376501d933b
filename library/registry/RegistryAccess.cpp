#include "RegistryAccess.h"

#include "LibraryError.h"

#include <cstring>
#include <limits>

namespace qv {

const wchar_t kSettingsPath[] = L"Software\\Quorvane11\\Groupdate\\";

bool RegistryAccess::createKey(RegistryRoot root, const std::wstring& keyName) const {
    std::unique_ptr<RegistryKey> key;
    bool existed = false;
    // No rights are asked for: the key is only closed again.
    if (store_.createKey(root, codePage_.fromText(keyName), 0, key, existed) != kSuccess) {
        throw LibraryError(kLibraryErrorNumber, kKeyNotCreatedDescription);
    }
    return existed;
}

void RegistryAccess::deleteKey(RegistryRoot root, const std::wstring& keyName) const {
    store_.deleteKey(root, codePage_.fromText(keyName));
}

std::optional<RegistryValue> RegistryAccess::getValue(RegistryRoot root,
                                                      const std::wstring& keyName,
                                                      const std::wstring& valueName,
                                                      std::int16_t keyType) const {
    std::unique_ptr<RegistryKey> key;
    if (store_.openKey(root, codePage_.fromText(keyName), kKeyRead, key) != kSuccess) {
        return std::nullopt;
    }
    const std::string name = codePage_.fromText(valueName);
    Bytes data;
    switch (keyType) {
        case kTextValue: {
            if (key->queryValue(name, kTextBufferSize, data) != kSuccess) return std::nullopt;
            // The reported size counts the terminating zero, which is dropped.
            const std::size_t length = data.empty() ? 0 : data.size() - 1;
            return codePage_.toText(std::string(data.begin(), data.begin() + length));
        }
        case kBinaryValue:
            if (key->queryValue(name, kBinaryBufferSize, data) != kSuccess) return std::nullopt;
            return data;
        case kNumberValue: {
            if (key->queryValue(name, kNumberSize, data) != kSuccess) return std::nullopt;
            std::uint32_t number = 0;  // shorter data fills the low bytes only
            for (std::size_t i = 0; i < data.size(); ++i)
                number |= std::uint32_t{data[i]} << (8 * i);
            return static_cast<std::int32_t>(number);
        }
        default:
            throw LibraryError(kLibraryErrorNumber, kUnsupportedValueTypeDescription);
    }
}

void RegistryAccess::setValue(RegistryRoot root, const std::wstring& keyName,
                              const std::wstring& valueName, std::int16_t keyType,
                              const ValueSource& value) const {
    std::unique_ptr<RegistryKey> key;
    if (store_.openKey(root, codePage_.fromText(keyName), kKeyWrite, key) != kSuccess) return;
    const std::string name = codePage_.fromText(valueName);
    switch (keyType) {
        case kTextValue: {
            // The characters alone: the registry adds the terminating zero.
            const std::string text = codePage_.fromText(value.toText());
            key->setValue(name, kRegSz, Bytes(text.begin(), text.end()));
            break;
        }
        case kBinaryValue: {
            const Bytes bytes = value.toBytes();
            if (bytes.empty()) throw LibraryError::runtime(kSubscriptOutOfRange);
            key->setValue(name, kRegBinary, bytes);
            break;
        }
        case kNumberValue: {
            const auto number = static_cast<std::uint32_t>(value.toInt32());
            key->setValue(
                name, kRegDword,
                Bytes{static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(number >> 8),
                      static_cast<std::uint8_t>(number >> 16),
                      static_cast<std::uint8_t>(number >> 24)});
            break;
        }
        default:
            break;
    }
}

void RegistryAccess::deleteValue(RegistryRoot root, const std::wstring& keyName,
                                 const std::wstring& valueName) const {
    std::unique_ptr<RegistryKey> key;
    if (store_.openKey(root, codePage_.fromText(keyName), kKeyWrite, key) == kSuccess) {
        key->deleteValue(codePage_.fromText(valueName));
    }
}

bool RegistryAccess::checkKey(RegistryRoot root, const std::wstring& keyName) const {
    std::unique_ptr<RegistryKey> key;
    return store_.openKey(root, codePage_.fromText(keyName), kKeyRead, key) == kSuccess;
}

std::optional<std::vector<std::wstring>> RegistryAccess::enumKeys(
    RegistryRoot root, const std::wstring& keyName) const {
    std::unique_ptr<RegistryKey> key;
    if (keyName.empty()) {
        key = store_.rootKey(root);
    } else if (store_.openKey(root, codePage_.fromText(keyName), kKeyRead, key) != kSuccess) {
        return std::nullopt;
    }
    std::vector<std::wstring> names;
    for (std::uint32_t index = 0; index <= kLastSubkeyIndex; ++index) {
        std::string name;
        if (key->enumSubkey(index, kSubkeyNameBufferSize, name) != kSuccess) break;
        names.push_back(codePage_.toText(name.substr(0, name.find('\0'))));
    }
    return names;
}

std::wstring stripTerminator(const std::wstring& text) {
    const auto zero = text.find(L'\0');
    if (zero == std::wstring::npos) return text;
    // The position is kept as a 16-bit signed number, counted from 1.
    if (zero + 1 > static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max())) {
        throw LibraryError::runtime(kOverflow);
    }
    return text.substr(0, zero);
}

}  // namespace qv
