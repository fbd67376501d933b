#include "LibrarySelfCalls.h"

#include "ComError.h"
#include "ComHandles.h"
#include "LibraryMessage.h"
#include "SettingsTree.h"
#include "SystemCodePage.h"
#include "VariantValue.h"

#include <cstring>

namespace qv::win {
namespace {

UniqueBstr bstrOf(const std::wstring& text) {
    UniqueBstr value(text);
    if (!value.get()) throw LibraryError::runtime(kOutOfMemory);
    return value;
}

RegistryValue registryValueOf(const VARIANT& value) {
    switch (V_VT(&value)) {
        case VT_BSTR:
            return textOf(V_BSTR(&value));
        case VT_I4:
            return std::int32_t{V_I4(&value)};
        case VT_ARRAY | VT_UI1:
            return VariantValueSource(value).toBytes();
        default:
            return VariantValueSource(value).toText();
    }
}

UniqueVariant variantOf(const PortableValue& value) {
    UniqueVariant result;
    const auto& content = value.content();
    if (const auto* text = std::get_if<std::wstring>(&content)) {
        V_VT(result.get()) = VT_BSTR;
        V_BSTR(result.get()) = bstrOf(*text).release();
    } else if (const auto* bytes = std::get_if<Bytes>(&content)) {
        storeValue(*bytes, result.get());
    } else if (const auto* number = std::get_if<std::int32_t>(&content)) {
        V_VT(result.get()) = VT_I4;
        V_I4(result.get()) = *number;
    } else {
        V_VT(result.get()) = VT_BSTR;
        V_BSTR(result.get()) = bstrOf(value.toText()).release();
    }
    return result;
}

}  // namespace

bool LibrarySelfCalls::CreateRegistryKey(RegistryRoot root, const std::wstring& keyName) {
    VARIANT_BOOL existed = VARIANT_FALSE;
    throwIfFailed(library_->CreateRegistryKey(root, bstrOf(keyName).get(), &existed));
    return existed != VARIANT_FALSE;
}

void LibrarySelfCalls::DeleteRegistryKey(RegistryRoot root, const std::wstring& keyName) {
    throwIfFailed(library_->DeleteRegistryKey(root, bstrOf(keyName).get()));
}

bool LibrarySelfCalls::CheckRegistryKey(RegistryRoot root, const std::wstring& keyName) {
    VARIANT_BOOL exists = VARIANT_FALSE;
    throwIfFailed(library_->CheckRegistryKey(root, bstrOf(keyName).get(), &exists));
    return exists != VARIANT_FALSE;
}

RegistryValue LibrarySelfCalls::GetRegistryValue(RegistryRoot root, const std::wstring& keyName,
                                                 const std::wstring& valueName,
                                                 std::int16_t keyType,
                                                 const std::wstring& defaultText) {
    UniqueVariant defaultValue = variantOf(PortableValue(defaultText));
    UniqueVariant result;
    throwIfFailed(library_->GetRegistryValue(root, bstrOf(keyName).get(), bstrOf(valueName).get(),
                                             keyType, defaultValue.get(), result.get()));
    return registryValueOf(*result.get());
}

void LibrarySelfCalls::SetRegistryValue(RegistryRoot root, const std::wstring& keyName,
                                        const std::wstring& valueName, std::int16_t keyType,
                                        const PortableValue& value) {
    UniqueVariant argument = variantOf(value);
    throwIfFailed(library_->SetRegistryValue(root, bstrOf(keyName).get(), bstrOf(valueName).get(),
                                             keyType, argument.get()));
}

void LibrarySelfCalls::prcChecked_Key_RG() { throwIfFailed(library_->prcChecked_Key_RG()); }

void LibrarySelfCalls::resetWriter(int group) {
    const ButtonGroup* found = buttonGroup(group);
    if (!found || !found->resetWriter) return;
    // The settings tree knows the writer by its name, so it is called by name.
    LPOLESTR names[] = {const_cast<LPOLESTR>(found->resetWriter)};
    DISPID id = DISPID_UNKNOWN;
    throwIfFailed(library_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id));
    DISPPARAMS none{};
    EXCEPINFO exception{};
    const HRESULT result = library_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD,
                                            &none, nullptr, &exception, nullptr);
    throwIfFailed(result, exception);
}

bool LibrarySelfCalls::Delete_information_All() {
    VARIANT_BOOL deleted = VARIANT_FALSE;
    throwIfFailed(library_->Delete_information_All(&deleted));
    return deleted != VARIANT_FALSE;
}

void LibrarySelfCalls::prcSet_status_Addin(const std::wstring& status) {
    UniqueBstr argument = bstrOf(status);
    BSTR passed = argument.get();
    throwIfFailed(library_->prcSet_status_Addin(&passed));
}

std::wstring LibrarySelfCalls::Get_status_Addin() {
    UniqueBstr status;
    throwIfFailed(library_->Get_status_Addin(status.put()));
    return textOf(status.get());
}

std::wstring LibrarySelfCalls::lCia() {
    UniqueBstr title;
    throwIfFailed(library_->get_lCia(title.put()));
    return textOf(title.get());
}

void LibrarySelfCalls::showMessage(const std::wstring& text, std::uint32_t style,
                                   const std::wstring& title) {
    showLibraryMessage(text, style, title);
}

std::int16_t LibrarySelfCalls::textToInt16(const std::wstring& text) {
    UniqueBstr argument = bstrOf(text);
    SHORT number = 0;
    const HRESULT result = VarI2FromStr(argument.get(), LOCALE_USER_DEFAULT, 0, &number);
    if (result == DISP_E_OVERFLOW) throw LibraryError::runtime(kOverflow);
    if (FAILED(result)) throw LibraryError::runtime(kTypeMismatch);
    return number;
}

std::int32_t LibrarySelfCalls::textToInt32(const std::wstring& text) {
    UniqueBstr argument = bstrOf(text);
    LONG number = 0;
    const HRESULT result = VarI4FromStr(argument.get(), LOCALE_USER_DEFAULT, 0, &number);
    if (result == DISP_E_OVERFLOW) throw LibraryError::runtime(kOverflow);
    if (FAILED(result)) throw LibraryError::runtime(kTypeMismatch);
    return number;
}

const AnsiCodePage& LibrarySelfCalls::codePage() {
    static const SystemCodePage systemCodePage;
    return systemCodePage;
}

}  // namespace qv::win
