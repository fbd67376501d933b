// The registry members of CLibrary: the general operations on any root key, the two
// shortcuts below HKEY_CURRENT_USER, the settings path and the Windows folder.

#include "CLibrary.h"

#include "ComError.h"
#include "MemberArguments.h"
#include "RegistryAccess.h"
#include "SystemCodePage.h"
#include "VariantValue.h"
#include "Win32RegistryStore.h"

namespace qv::win {
namespace {

const RegistryAccess& registry() {
    static Win32RegistryStore store;
    static SystemCodePage codePage;
    static const RegistryAccess access(store, codePage);
    return access;
}

constexpr std::size_t kWindowsFolderBufferSize = 255;

}  // namespace

STDMETHODIMP CLibrary::CreateRegistryKey(LONG hKey, BSTR KeyName, VARIANT_BOOL* result) {
    if (!result) return E_POINTER;
    return guardedMember(
        [&] { *result = variantBool(registry().createKey(hKey, textOf(KeyName))); });
}

STDMETHODIMP CLibrary::DeleteRegistryKey(LONG hKey, BSTR KeyName) {
    return guardedMember([&] { registry().deleteKey(hKey, textOf(KeyName)); });
}

STDMETHODIMP CLibrary::GetRegistryValue(LONG hKey, BSTR KeyName, BSTR ValueName, SHORT KeyType,
                                        VARIANT* DefaultValue, VARIANT* result) {
    if (!result) return E_POINTER;
    VariantInit(result);
    return guardedMember([&] {
        const auto stored = registry().getValue(hKey, textOf(KeyName), textOf(ValueName), KeyType);
        if (stored) {
            storeValue(*stored, result);
        } else if (isMissingArgument(DefaultValue)) {
            V_VT(result) = VT_BSTR;
            V_BSTR(result) = newBstr(L"");
        } else if (FAILED(VariantCopyInd(result, DefaultValue))) {
            throw LibraryError::runtime(kOutOfMemory);
        }
    });
}

STDMETHODIMP CLibrary::SetRegistryValue(LONG hKey, BSTR KeyName, BSTR ValueName, SHORT KeyType,
                                        VARIANT* value) {
    if (!value) return E_POINTER;
    return guardedMember([&] {
        registry().setValue(hKey, textOf(KeyName), textOf(ValueName), KeyType,
                            VariantValueSource(*value));
    });
}

STDMETHODIMP CLibrary::DeleteRegistryValue(LONG hKey, BSTR KeyName, BSTR ValueName) {
    return guardedMember([&] { registry().deleteValue(hKey, textOf(KeyName), textOf(ValueName)); });
}

STDMETHODIMP CLibrary::CheckRegistryKey(LONG hKey, BSTR KeyName, VARIANT_BOOL* result) {
    if (!result) return E_POINTER;
    return guardedMember(
        [&] { *result = variantBool(registry().checkKey(hKey, textOf(KeyName))); });
}

STDMETHODIMP CLibrary::EnumRegistryKeys(LONG hKey, BSTR KeyName, SAFEARRAY** result) {
    if (!result) return E_POINTER;
    *result = nullptr;
    return guardedMember([&] {
        const auto names = registry().enumKeys(hKey, textOf(KeyName));
        if (!names) return;  // an unset array
        UniqueSafeArray array(SafeArrayCreateVector(VT_BSTR, 0, static_cast<ULONG>(names->size())));
        if (!array.get()) throw LibraryError::runtime(kOutOfMemory);
        auto* entries = static_cast<BSTR*>(array.get()->pvData);
        for (std::size_t i = 0; i < names->size(); ++i) entries[i] = newBstr((*names)[i]);
        *result = array.release();
    });
}

STDMETHODIMP CLibrary::SetRegistryValueX(BSTR KeyName, BSTR ValueName, SHORT KeyType,
                                         VARIANT* value) {
    return guardedMember([&] {
        throwIfFailed(self()->SetRegistryValue(kCurrentUser, KeyName, ValueName, KeyType, value));
    });
}

STDMETHODIMP CLibrary::GetRegistryValueX(BSTR KeyName, BSTR ValueName, SHORT KeyType,
                                         VARIANT* DefaultValue, VARIANT* result) {
    if (!result) return E_POINTER;
    VariantInit(result);
    return guardedMember([&] {
        throwIfFailed(self()->GetRegistryValue(kCurrentUser, KeyName, ValueName, KeyType,
                                               DefaultValue, result));
    });
}

STDMETHODIMP CLibrary::lpHkey_app(BSTR* result) {
    if (!result) return E_POINTER;
    *result = nullptr;
    return guardedMember([&] { *result = newBstr(kSettingsPath); });
}

STDMETHODIMP CLibrary::GetWindowsDir(BSTR* result) {
    if (!result) return E_POINTER;
    *result = nullptr;
    return guardedMember([&] {
        std::string buffer(kWindowsFolderBufferSize, ' ');
        const UINT length = GetWindowsDirectoryA(buffer.data(), kWindowsFolderBufferSize);
        // A folder that does not fit the buffer leaves it untouched: report no folder then.
        if (length < 1 || length >= kWindowsFolderBufferSize) {
            *result = newBstr(L"");
            return;
        }
        UniqueBstr folder(SystemCodePage().toText(buffer));
        if (!folder.get()) throw LibraryError::runtime(kOutOfMemory);
        throwIfFailed(self()->StripTerminator(folder.get(), result));
    });
}

STDMETHODIMP CLibrary::StripTerminator(BSTR strString, BSTR* result) {
    if (!result) return E_POINTER;
    *result = nullptr;
    return guardedMember([&] { *result = newBstr(stripTerminator(textOf(strString))); });
}

}  // namespace qv::win
