#include "LibrarySelfCalls.h"

#include "ComError.h"
#include "ComHandles.h"
#include "LibraryMessage.h"
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

// The reset writers of the groups, by group number (nullptr: the group has none).
using ResetMember = HRESULT (STDMETHODCALLTYPE _CLibrary::*)();
constexpr ResetMember kResetWriters[] = {
    nullptr,
    &_CLibrary::Set_button_Tl,
    &_CLibrary::Set_button_IO,
    &_CLibrary::Set_button_Blls,
    &_CLibrary::Set_button_Stn,
    &_CLibrary::Set_button_case,
    &_CLibrary::Set_button_zoom,
    &_CLibrary::Set_button_Num,
    &_CLibrary::Set_button_Date,
    &_CLibrary::Set_button_Brd,
    &_CLibrary::Set_button_Hgt,
    &_CLibrary::Set_button_Opt,
    &_CLibrary::Set_button_Brds,
    nullptr,
    &_CLibrary::Set_button_colh,
    &_CLibrary::Set_button_rowh,
    &_CLibrary::Set_button_dotl,
};

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
    if (group < 1 || group >= static_cast<int>(std::size(kResetWriters))) return;
    if (const ResetMember writer = kResetWriters[group]) throwIfFailed((library_->*writer)());
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
