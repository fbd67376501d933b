#pragma once
// CLibrary: the settings library's one class. Its members, in the slot order of _CLibrary,
// are the library's whole interface; the add-in workbook calls them early or late bound.
// An object keeps nothing between calls but its message-box title lCia.

#include "ComHandles.h"
#include "IQV_v011.h"

#include <atomic>
#include <string>

namespace qv::win {

class CLibrary final : public _CLibrary, public ISupportErrorInfo {
  public:
    // Creates an object and hands out the interface `iid` of it.
    static HRESULT create(REFIID iid, void** object);

    // Objects alive in the process (DllCanUnloadNow).
    static long liveObjects() { return liveObjects_.load(); }

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IDispatch, served by the type library.
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                               DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* parameters,
                        VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override;

    // ISupportErrorInfo
    STDMETHODIMP InterfaceSupportsErrorInfo(REFIID iid) override;

    // _CLibrary
    STDMETHODIMP get_lCia(BSTR* result) override;
    STDMETHODIMP put_lCia(BSTR result) override;
    STDMETHODIMP Copy_picture(BSTR* lpFile) override;
    STDMETHODIMP Messagebox(BSTR* lpCadena) override;
    STDMETHODIMP lpImage_cell(IPictureDisp** result) override;
    STDMETHODIMP DefaultPrinterInfo(BSTR* result) override;
    STDMETHODIMP CreateRegistryKey(LONG hKey, BSTR KeyName, VARIANT_BOOL* result) override;
    STDMETHODIMP DeleteRegistryKey(LONG hKey, BSTR KeyName) override;
    STDMETHODIMP GetRegistryValue(LONG hKey, BSTR KeyName, BSTR ValueName, short KeyType,
                                  VARIANT* DefaultValue, VARIANT* result) override;
    STDMETHODIMP SetRegistryValue(LONG hKey, BSTR KeyName, BSTR ValueName, short KeyType,
                                  VARIANT* value) override;
    STDMETHODIMP DeleteRegistryValue(LONG hKey, BSTR KeyName, BSTR ValueName) override;
    STDMETHODIMP prcLink(BSTR* lpFile) override;
    STDMETHODIMP prcLink_About(BSTR* lpFile) override;
    STDMETHODIMP prcDesinstalar_Addin() override;
    STDMETHODIMP App_Exist(VARIANT_BOOL* result) override;
    STDMETHODIMP prcChecked_Key_RG() override;
    STDMETHODIMP CheckRegistryKey(LONG hKey, BSTR KeyName, VARIANT_BOOL* result) override;
    STDMETHODIMP prcSet_status_Addin(BSTR* lpStatus) override;
    STDMETHODIMP Get_status_Addin(BSTR* result) override;
    STDMETHODIMP IsAddin_Installed(VARIANT_BOOL* result) override;
    STDMETHODIMP Delete_All() override;
    STDMETHODIMP prcDir(BSTR* lpVal) override;
    STDMETHODIMP InstallPath(BSTR* result) override;
    STDMETHODIMP prcSet_Addin(BSTR* lpStatus) override;
    STDMETHODIMP Reset_key(BSTR* result) override;
    STDMETHODIMP lpType_line(BSTR* result) override;
    STDMETHODIMP lpType_color(LONG* result) override;
    STDMETHODIMP Asigna_key(BSTR* result) override;
    STDMETHODIMP Get_Printers_local(VARIANT* result) override;
    STDMETHODIMP EnumRegistryKeys(LONG hKey, BSTR KeyName, SAFEARRAY** result) override;
    STDMETHODIMP Get_oval(float* result) override;
    STDMETHODIMP prcChecked_Key_RG_subkeys(short* lpOption) override;
    STDMETHODIMP SetRegistryValueX(BSTR KeyName, BSTR ValueName, short KeyType,
                                   VARIANT* value) override;
    STDMETHODIMP lpValue_print(BSTR* lpOpt, short* result) override;
    STDMETHODIMP lpValue_button(BSTR* lpOpt, BSTR* lpSub_key, short* result) override;
    STDMETHODIMP Set_button_Tl() override;
    STDMETHODIMP Set_button_IO() override;
    STDMETHODIMP Set_button_Blls() override;
    STDMETHODIMP Set_button_Stn() override;
    STDMETHODIMP lpValue_button_opt(BSTR* lpOpt, BSTR* lpSub_key, short* result) override;
    STDMETHODIMP Set_pos_cell(BSTR* lpAddress) override;
    STDMETHODIMP lpAddress(BSTR* lpNewAddress, VARIANT_BOOL* result) override;
    STDMETHODIMP Set_indest_custom(BSTR* lpOpt, BSTR* lpValue) override;
    STDMETHODIMP lpIndest_custom(BSTR* lpOpt, VARIANT_BOOL* result) override;
    STDMETHODIMP lpZoom(LONG* result) override;
    STDMETHODIMP Set_button_case() override;
    STDMETHODIMP Set_button_zoom() override;
    STDMETHODIMP Set_button_colh() override;
    STDMETHODIMP Set_button_rowh() override;
    STDMETHODIMP Set_button_dotl() override;
    STDMETHODIMP lpPalette_favorite(BSTR* result) override;
    STDMETHODIMP GetRegistryValueX(BSTR KeyName, BSTR ValueName, short KeyType,
                                   VARIANT* DefaultValue, VARIANT* result) override;
    STDMETHODIMP lpHkey_app(BSTR* result) override;
    STDMETHODIMP Set_change_values_buttons(short* lpOption, short* lpValue) override;
    STDMETHODIMP Reset_options_button_now(short* lpOption) override;
    STDMETHODIMP Set_button_Num() override;
    STDMETHODIMP Set_button_Date() override;
    STDMETHODIMP Set_button_Brd() override;
    STDMETHODIMP Set_button_Brds() override;
    STDMETHODIMP Set_button_Hgt() override;
    STDMETHODIMP Set_button_Opt() override;
    STDMETHODIMP lpCell_name(BSTR* lpOption, float* lpLevel, BSTR* lpType, BSTR* result) override;
    STDMETHODIMP lpRange_image(BSTR* lpOption, float* lpLevel, BSTR* lpType, BSTR* result) override;
    STDMETHODIMP Delete_information_All(VARIANT_BOOL* result) override;
    STDMETHODIMP Limpia() override;
    STDMETHODIMP GetWindowsDir(BSTR* result) override;
    STDMETHODIMP StripTerminator(BSTR strString, BSTR* result) override;

  private:
    CLibrary();
    ~CLibrary();
    CLibrary(const CLibrary&) = delete;
    CLibrary& operator=(const CLibrary&) = delete;

    // Members call one another through the object's own public interface.
    _CLibrary* self() { return this; }

    // The type descriptions of the dispatch and the vtable side of _CLibrary, loaded from
    // the library's own type library on first use.
    HRESULT loadTypeInfo();

    std::atomic<ULONG> references_{1};
    std::wstring title_;
    ComPtr<ITypeInfo> dispatchInfo_;
    ComPtr<ITypeInfo> vtableInfo_;

    static std::atomic<long> liveObjects_;
};

}  // namespace qv::win
