#include "ServerRegistration.h"

#include "ComHandles.h"
#include "IQV_v011.h"
#include "LibraryModule.h"

#include <cwchar>
#include <iterator>
#include <string>

namespace qv::win {
namespace {

constexpr wchar_t kModulePath[] = L"<module>";

struct RegistryEntry {
    const wchar_t* key;    // below HKEY_CLASSES_ROOT
    const wchar_t* name;   // nullptr: the key's default value
    const wchar_t* value;  // kModulePath: the library file's full path
};

// Parents come before their subkeys; unregistration walks the table backwards.
constexpr RegistryEntry kEntries[] = {
    {L"CLSID\\{74518471-5ECC-4B41-9FBF-9E695C90AE4E}", nullptr, L"IQV_v011.CLibrary"},
    {L"CLSID\\{74518471-5ECC-4B41-9FBF-9E695C90AE4E}\\InprocServer32", nullptr, kModulePath},
    {L"CLSID\\{74518471-5ECC-4B41-9FBF-9E695C90AE4E}\\InprocServer32", L"ThreadingModel",
     L"Apartment"},
    {L"CLSID\\{74518471-5ECC-4B41-9FBF-9E695C90AE4E}\\ProgID", nullptr, L"IQV_v011.CLibrary"},
    {L"CLSID\\{74518471-5ECC-4B41-9FBF-9E695C90AE4E}\\VERSION", nullptr, L"1.0"},
    {L"CLSID\\{74518471-5ECC-4B41-9FBF-9E695C90AE4E}\\TypeLib", nullptr,
     L"{668E7770-BD3B-4146-B26F-33BA3A124317}"},
    {L"IQV_v011.CLibrary", nullptr, L"IQV_v011.CLibrary"},
    {L"IQV_v011.CLibrary\\Clsid", nullptr, L"{74518471-5ECC-4B41-9FBF-9E695C90AE4E}"},
};

constexpr WORD kTypeLibraryMajor = 1;
constexpr WORD kTypeLibraryMinor = 0;
constexpr LCID kTypeLibraryLocale = 0x409;
#ifdef _WIN64
constexpr SYSKIND kSystemKind = SYS_WIN64;
#else
constexpr SYSKIND kSystemKind = SYS_WIN32;
#endif

HRESULT writeEntry(const RegistryEntry& entry, const std::wstring& modulePath) {
    UniqueHKey key;
    LONG status = RegCreateKeyExW(HKEY_CLASSES_ROOT, entry.key, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                  KEY_SET_VALUE, nullptr, key.put(), nullptr);
    if (status != ERROR_SUCCESS) return HRESULT_FROM_WIN32(status);
    const std::wstring value = entry.value == kModulePath ? modulePath : entry.value;
    status = RegSetValueExW(key.get(), entry.name, 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(value.c_str()),
                            static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    return status == ERROR_SUCCESS ? S_OK : HRESULT_FROM_WIN32(status);
}

// Whether HKEY_CLASSES_ROOT\TypeLib\{LIBID}\<major.minor> exists.
bool typeLibraryRegistered() {
    wchar_t libraryId[40] = {};
    if (!StringFromGUID2(LIBID_IQV_v011, libraryId, static_cast<int>(std::size(libraryId)))) {
        return true;  // cannot tell: let UnRegisterTypeLib decide
    }
    wchar_t version[16] = {};  // as RegisterTypeLib writes it: hexadecimal digits
    swprintf(version, std::size(version), L"%x.%x", kTypeLibraryMajor, kTypeLibraryMinor);
    const std::wstring key = std::wstring(L"TypeLib\\") + libraryId + L"\\" + version;
    UniqueHKey registered;
    const LONG status =
        RegOpenKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, registered.put());
    return status != ERROR_FILE_NOT_FOUND;
}

}  // namespace

HRESULT registerServer() {
    std::wstring path = libraryPath();
    ComPtr<ITypeLib> library;
    HRESULT result = LoadTypeLibEx(path.c_str(), REGKIND_NONE, library.put());
    if (FAILED(result)) return result;
    result = RegisterTypeLib(library.get(), path.data(), nullptr);
    if (FAILED(result)) return result;
    for (const auto& entry : kEntries) {
        result = writeEntry(entry, path);
        if (FAILED(result)) return result;
    }
    return S_OK;
}

HRESULT unregisterServer() {
    // What is already gone is not a failure, so unregistering twice succeeds; any other
    // failure is the caller's to know.
    const wchar_t* deleted = nullptr;
    for (auto entry = std::rbegin(kEntries); entry != std::rend(kEntries); ++entry) {
        if (deleted && std::wstring(deleted) == entry->key) continue;
        const LONG status = RegDeleteKeyW(HKEY_CLASSES_ROOT, entry->key);
        if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) {
            return HRESULT_FROM_WIN32(status);
        }
        deleted = entry->key;
    }
    // UnRegisterTypeLib of a library that is not registered fails, and not with one agreed
    // code (Wine gives E_INVALIDARG): look for the registered version first.
    if (!typeLibraryRegistered()) return S_OK;
    return UnRegisterTypeLib(LIBID_IQV_v011, kTypeLibraryMajor, kTypeLibraryMinor,
                             kTypeLibraryLocale, kSystemKind);
}

}  // namespace qv::win
