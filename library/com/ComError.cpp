#include "ComError.h"

#include "ComHandles.h"

#include <oleauto.h>

namespace qv::win {

HRESULT hresultOf(std::int32_t errorNumber) {
    return MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, errorNumber & 0xFFFF);
}

HRESULT reportError(const LibraryError& error) {
    ComPtr<ICreateErrorInfo> creator;
    if (SUCCEEDED(CreateErrorInfo(creator.put()))) {
        creator->SetDescription(const_cast<LPOLESTR>(error.description().c_str()));
        ComPtr<IErrorInfo> info;
        if (SUCCEEDED(creator->QueryInterface(IID_IErrorInfo, info.putVoid()))) {
            SetErrorInfo(0, info.get());
        }
    }
    return hresultOf(error.number());
}

void throwIfFailed(HRESULT result) {
    if (SUCCEEDED(result)) return;
    std::wstring description;
    ComPtr<IErrorInfo> info;
    if (GetErrorInfo(0, info.put()) == S_OK) {
        UniqueBstr text;
        if (SUCCEEDED(info->GetDescription(text.put()))) description = textOf(text.get());
    }
    const bool numbered = HRESULT_FACILITY(result) == FACILITY_CONTROL;
    const std::int32_t number =
        numbered ? std::int32_t{HRESULT_CODE(result)} : std::int32_t{kInvalidProcedureCall};
    if (description.empty()) description = runtimeErrorDescription(number);
    throw LibraryError(number, description);
}

}  // namespace qv::win
