// Members of CLibrary that are declared in the interface but not built yet: they answer
// E_NOTIMPL until they are.

#include "CLibrary.h"

namespace qv::win {

STDMETHODIMP CLibrary::Copy_picture(BSTR*) { return E_NOTIMPL; }
STDMETHODIMP CLibrary::Messagebox(BSTR*) { return E_NOTIMPL; }
STDMETHODIMP CLibrary::lpImage_cell(IPictureDisp**) { return E_NOTIMPL; }
STDMETHODIMP CLibrary::DefaultPrinterInfo(BSTR*) { return E_NOTIMPL; }
STDMETHODIMP CLibrary::prcLink(BSTR*) { return E_NOTIMPL; }
STDMETHODIMP CLibrary::prcLink_About(BSTR*) { return E_NOTIMPL; }
STDMETHODIMP CLibrary::prcDesinstalar_Addin() { return E_NOTIMPL; }
STDMETHODIMP CLibrary::App_Exist(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP CLibrary::prcChecked_Key_RG() { return E_NOTIMPL; }
STDMETHODIMP CLibrary::prcSet_status_Addin(BSTR*) { return E_NOTIMPL; }
STDMETHODIMP CLibrary::Get_status_Addin(BSTR*) { return E_NOTIMPL; }
STDMETHODIMP CLibrary::IsAddin_Installed(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP CLibrary::Delete_All() { return E_NOTIMPL; }
STDMETHODIMP CLibrary::prcDir(BSTR*) { return E_NOTIMPL; }
STDMETHODIMP CLibrary::InstallPath(BSTR*) { return E_NOTIMPL; }
STDMETHODIMP CLibrary::prcSet_Addin(BSTR*) { return E_NOTIMPL; }
STDMETHODIMP CLibrary::Reset_key(BSTR*) { return E_NOTIMPL; }
STDMETHODIMP CLibrary::lpType_line(BSTR*) { return E_NOTIMPL; }
STDMETHODIMP CLibrary::lpType_color(LONG*) { return E_NOTIMPL; }
STDMETHODIMP CLibrary::Asigna_key(BSTR*) { return E_NOTIMPL; }
STDMETHODIMP CLibrary::Get_Printers_local(VARIANT*) { return E_NOTIMPL; }
STDMETHODIMP CLibrary::Get_oval(float*) { return E_NOTIMPL; }
STDMETHODIMP CLibrary::prcChecked_Key_RG_subkeys(short*) { return E_NOTIMPL; }
STDMETHODIMP CLibrary::lpValue_print(BSTR*, short*) { return E_NOTIMPL; }
STDMETHODIMP CLibrary::lpValue_button(BSTR*, BSTR*, short*) { return E_NOTIMPL; }
STDMETHODIMP CLibrary::Set_button_Tl() { return E_NOTIMPL; }
STDMETHODIMP CLibrary::Set_button_IO() { return E_NOTIMPL; }
STDMETHODIMP CLibrary::Set_button_Blls() { return E_NOTIMPL; }
STDMETHODIMP CLibrary::Set_button_Stn() { return E_NOTIMPL; }
STDMETHODIMP CLibrary::lpValue_button_opt(BSTR*, BSTR*, short*) { return E_NOTIMPL; }
STDMETHODIMP CLibrary::Set_pos_cell(BSTR*) { return E_NOTIMPL; }
STDMETHODIMP CLibrary::lpAddress(BSTR*, VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP CLibrary::Set_indest_custom(BSTR*, BSTR*) { return E_NOTIMPL; }
STDMETHODIMP CLibrary::lpIndest_custom(BSTR*, VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP CLibrary::lpZoom(LONG*) { return E_NOTIMPL; }
STDMETHODIMP CLibrary::Set_button_case() { return E_NOTIMPL; }
STDMETHODIMP CLibrary::Set_button_zoom() { return E_NOTIMPL; }
STDMETHODIMP CLibrary::Set_button_colh() { return E_NOTIMPL; }
STDMETHODIMP CLibrary::Set_button_rowh() { return E_NOTIMPL; }
STDMETHODIMP CLibrary::Set_button_dotl() { return E_NOTIMPL; }
STDMETHODIMP CLibrary::lpPalette_favorite(BSTR*) { return E_NOTIMPL; }
STDMETHODIMP CLibrary::Set_change_values_buttons(short*, short*) { return E_NOTIMPL; }
STDMETHODIMP CLibrary::Reset_options_button_now(short*) { return E_NOTIMPL; }
STDMETHODIMP CLibrary::Set_button_Num() { return E_NOTIMPL; }
STDMETHODIMP CLibrary::Set_button_Date() { return E_NOTIMPL; }
STDMETHODIMP CLibrary::Set_button_Brd() { return E_NOTIMPL; }
STDMETHODIMP CLibrary::Set_button_Brds() { return E_NOTIMPL; }
STDMETHODIMP CLibrary::Set_button_Hgt() { return E_NOTIMPL; }
STDMETHODIMP CLibrary::Set_button_Opt() { return E_NOTIMPL; }
STDMETHODIMP CLibrary::lpCell_name(BSTR*, float*, BSTR*, BSTR*) { return E_NOTIMPL; }
STDMETHODIMP CLibrary::lpRange_image(BSTR*, float*, BSTR*, BSTR*) { return E_NOTIMPL; }
STDMETHODIMP CLibrary::Delete_information_All(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP CLibrary::Limpia() { return E_NOTIMPL; }

}  // namespace qv::win
