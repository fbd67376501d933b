// The settings members of CLibrary: button groups, the checks, reset and wipe of the
// settings tree, the installation records and the key letter. The rules are portable
// (ButtonSettings, InstallationRecords); they reach other members through the object's
// own interface.

#include "CLibrary.h"

#include "ButtonSettings.h"
#include "ComError.h"
#include "DisplaySettings.h"
#include "InstallationRecords.h"
#include "LibrarySelfCalls.h"
#include "MemberArguments.h"
#include "NameTables.h"

namespace qv::win {
namespace {

// Runs `body` with the rules `Rules` over the object's own interface.
template <class Rules, class Body>
HRESULT withRules(_CLibrary* library, Body&& body) {
    return guardedMember([&] {
        LibrarySelfCalls calls(library);
        Rules rules(calls);
        body(rules);
    });
}

}  // namespace

STDMETHODIMP CLibrary::lpValue_button(BSTR* lpOpt, BSTR* lpSub_key, SHORT* result) {
    if (!result) return E_POINTER;
    return withRules<ButtonSettings>(self(), [&](ButtonSettings& buttons) {
        *result = buttons.lpValue_button(textArgument(lpOpt), textArgument(lpSub_key));
    });
}

STDMETHODIMP CLibrary::lpValue_print(BSTR* lpOpt, SHORT* result) {
    if (!result) return E_POINTER;
    return withRules<ButtonSettings>(self(), [&](ButtonSettings& buttons) {
        *result = buttons.lpValue_print(textArgument(lpOpt));
    });
}

STDMETHODIMP CLibrary::lpValue_button_opt(BSTR* lpOpt, BSTR* lpSub_key, SHORT* result) {
    if (!result) return E_POINTER;
    return withRules<ButtonSettings>(self(), [&](ButtonSettings& buttons) {
        *result = buttons.lpValue_button_opt(textArgument(lpOpt), textArgument(lpSub_key));
    });
}

// The reset writers. Which group each one resets is the settings tree's to say, by the
// member's name.
#define QV_RESET_WRITER(member)                                                               \
    STDMETHODIMP CLibrary::member() {                                                         \
        return withRules<ButtonSettings>(                                                     \
            self(), [&](ButtonSettings& buttons) { buttons.resetWriterNamed(L"" #member); }); \
    }
QV_RESET_WRITER(Set_button_Tl)
QV_RESET_WRITER(Set_button_IO)
QV_RESET_WRITER(Set_button_Blls)
QV_RESET_WRITER(Set_button_Stn)
QV_RESET_WRITER(Set_button_case)
QV_RESET_WRITER(Set_button_zoom)
QV_RESET_WRITER(Set_button_Num)
QV_RESET_WRITER(Set_button_Date)
QV_RESET_WRITER(Set_button_Brd)
QV_RESET_WRITER(Set_button_Hgt)
QV_RESET_WRITER(Set_button_Opt)
QV_RESET_WRITER(Set_button_Brds)
QV_RESET_WRITER(Set_button_colh)
QV_RESET_WRITER(Set_button_rowh)
QV_RESET_WRITER(Set_button_dotl)
#undef QV_RESET_WRITER

STDMETHODIMP CLibrary::Set_change_values_buttons(SHORT* lpOption, SHORT* lpValue) {
    return withRules<ButtonSettings>(self(), [&](ButtonSettings& buttons) {
        buttons.Set_change_values_buttons(numberArgument(lpOption), numberArgument(lpValue));
    });
}

STDMETHODIMP CLibrary::prcChecked_Key_RG() {
    return withRules<ButtonSettings>(self(),
                                     [&](ButtonSettings& buttons) { buttons.prcChecked_Key_RG(); });
}

STDMETHODIMP CLibrary::prcChecked_Key_RG_subkeys(SHORT* lpOption) {
    return withRules<ButtonSettings>(self(), [&](ButtonSettings& buttons) {
        buttons.prcChecked_Key_RG_subkeys(numberArgument(lpOption));
    });
}

STDMETHODIMP CLibrary::Reset_options_button_now(SHORT* lpOption) {
    return withRules<ButtonSettings>(self(), [&](ButtonSettings& buttons) {
        buttons.Reset_options_button_now(numberArgument(lpOption));
    });
}

STDMETHODIMP CLibrary::Delete_information_All(VARIANT_BOOL* result) {
    if (!result) return E_POINTER;
    return withRules<ButtonSettings>(self(), [&](ButtonSettings& buttons) {
        *result = variantBool(buttons.Delete_information_All());
    });
}

STDMETHODIMP CLibrary::prcDesinstalar_Addin() {
    return withRules<InstallationRecords>(
        self(), [&](InstallationRecords& records) { records.prcDesinstalar_Addin(); });
}

STDMETHODIMP CLibrary::App_Exist(VARIANT_BOOL* result) {
    if (!result) return E_POINTER;
    return withRules<InstallationRecords>(
        self(), [&](InstallationRecords& records) { *result = variantBool(records.App_Exist()); });
}

STDMETHODIMP CLibrary::prcSet_status_Addin(BSTR* lpStatus) {
    return withRules<InstallationRecords>(self(), [&](InstallationRecords& records) {
        records.prcSet_status_Addin(textArgument(lpStatus));
    });
}

STDMETHODIMP CLibrary::Get_status_Addin(BSTR* result) {
    if (!result) return E_POINTER;
    *result = nullptr;
    return withRules<InstallationRecords>(self(), [&](InstallationRecords& records) {
        *result = newBstr(records.Get_status_Addin());
    });
}

STDMETHODIMP CLibrary::IsAddin_Installed(VARIANT_BOOL* result) {
    if (!result) return E_POINTER;
    return withRules<InstallationRecords>(self(), [&](InstallationRecords& records) {
        *result = variantBool(records.IsAddin_Installed());
    });
}

STDMETHODIMP CLibrary::Delete_All() {
    return withRules<InstallationRecords>(
        self(), [&](InstallationRecords& records) { records.Delete_All(); });
}

STDMETHODIMP CLibrary::prcDir(BSTR* lpVal) {
    return withRules<InstallationRecords>(
        self(), [&](InstallationRecords& records) { records.prcDir(textArgument(lpVal)); });
}

STDMETHODIMP CLibrary::InstallPath(BSTR* result) {
    if (!result) return E_POINTER;
    *result = nullptr;
    return withRules<InstallationRecords>(
        self(), [&](InstallationRecords& records) { *result = newBstr(records.InstallPath()); });
}

STDMETHODIMP CLibrary::prcSet_Addin(BSTR* lpStatus) {
    return withRules<InstallationRecords>(self(), [&](InstallationRecords& records) {
        records.prcSet_Addin(textArgument(lpStatus));
    });
}

STDMETHODIMP CLibrary::Reset_key(BSTR* result) {
    if (!result) return E_POINTER;
    *result = nullptr;
    return withRules<InstallationRecords>(
        self(), [&](InstallationRecords& records) { *result = newBstr(records.Reset_key()); });
}

STDMETHODIMP CLibrary::Asigna_key(BSTR* result) {
    if (!result) return E_POINTER;
    *result = nullptr;
    return withRules<InstallationRecords>(
        self(), [&](InstallationRecords& records) { *result = newBstr(records.Asigna_key()); });
}

STDMETHODIMP CLibrary::Set_indest_custom(BSTR* lpOpt, BSTR* lpValue) {
    return withRules<DisplaySettings>(self(), [&](DisplaySettings& display) {
        display.Set_indest_custom(textArgument(lpOpt), textArgument(lpValue));
    });
}

STDMETHODIMP CLibrary::lpIndest_custom(BSTR* lpOpt, VARIANT_BOOL* result) {
    if (!result) return E_POINTER;
    return withRules<DisplaySettings>(self(), [&](DisplaySettings& display) {
        *result = variantBool(display.lpIndest_custom(textArgument(lpOpt)));
    });
}

STDMETHODIMP CLibrary::lpZoom(LONG* result) {
    if (!result) return E_POINTER;
    return withRules<DisplaySettings>(
        self(), [&](DisplaySettings& display) { *result = display.lpZoom(); });
}

STDMETHODIMP CLibrary::Set_pos_cell(BSTR* lpAddress) {
    return withRules<DisplaySettings>(
        self(), [&](DisplaySettings& display) { display.Set_pos_cell(textArgument(lpAddress)); });
}

STDMETHODIMP CLibrary::lpAddress(BSTR* lpNewAddress, VARIANT_BOOL* result) {
    if (!result) return E_POINTER;
    return withRules<DisplaySettings>(self(), [&](DisplaySettings& display) {
        *result = variantBool(display.lpAddress(textArgument(lpNewAddress)));
    });
}

STDMETHODIMP CLibrary::lpType_line(BSTR* result) {
    if (!result) return E_POINTER;
    *result = nullptr;
    return withRules<DisplaySettings>(
        self(), [&](DisplaySettings& display) { *result = newBstr(display.lpType_line()); });
}

STDMETHODIMP CLibrary::lpType_color(LONG* result) {
    if (!result) return E_POINTER;
    return withRules<DisplaySettings>(
        self(), [&](DisplaySettings& display) { *result = display.lpType_color(); });
}

STDMETHODIMP CLibrary::Get_oval(FLOAT* result) {
    if (!result) return E_POINTER;
    return withRules<DisplaySettings>(
        self(), [&](DisplaySettings& display) { *result = display.Get_oval(); });
}

STDMETHODIMP CLibrary::lpPalette_favorite(BSTR* result) {
    if (!result) return E_POINTER;
    *result = nullptr;
    return withRules<DisplaySettings>(
        self(), [&](DisplaySettings& display) { *result = newBstr(display.lpPalette_favorite()); });
}

STDMETHODIMP CLibrary::lpCell_name(BSTR* lpOption, FLOAT* lpLevel, BSTR* lpType, BSTR* result) {
    if (!result) return E_POINTER;
    *result = nullptr;
    return guardedMember([&] {
        *result = newBstr(qv::lpCell_name(textArgument(lpOption), lpLevel ? *lpLevel : 0.0f,
                                          textArgument(lpType)));
    });
}

STDMETHODIMP CLibrary::lpRange_image(BSTR* lpOption, FLOAT* lpLevel, BSTR* lpType, BSTR* result) {
    if (!result) return E_POINTER;
    *result = nullptr;
    return guardedMember([&] {
        *result = newBstr(qv::lpRange_image(textArgument(lpOption), lpLevel ? *lpLevel : 0.0f,
                                            textArgument(lpType)));
    });
}

}  // namespace qv::win
