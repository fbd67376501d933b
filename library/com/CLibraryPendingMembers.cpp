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
STDMETHODIMP CLibrary::Get_Printers_local(VARIANT*) { return E_NOTIMPL; }
STDMETHODIMP CLibrary::Limpia() { return E_NOTIMPL; }

}  // namespace qv::win
