#include "ComError.h"

#include "ComHandles.h"

#include <oleauto.h>

namespace qv::win {
namespace {

// The run-time error number of a failure: its own number when it carries one, the usual
// number of the platform's failures that have one, otherwise 5.
std::int32_t errorNumberOf(HRESULT result) {
    if (HRESULT_FACILITY(result) == FACILITY_CONTROL) return HRESULT_CODE(result);
    switch (result) {
        case E_OUTOFMEMORY:
            return kOutOfMemory;
        case DISP_E_TYPEMISMATCH:
            return kTypeMismatch;
        case DISP_E_OVERFLOW:
            return kOverflow;
        default:
            return kInvalidProcedureCall;
    }
}

}  // namespace

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
    const std::int32_t number = errorNumberOf(result);
    if (description.empty()) description = runtimeErrorDescription(number);
    throw LibraryError(number, description);
}

void throwIfFailed(HRESULT result, EXCEPINFO& exception) {
    if (result != DISP_E_EXCEPTION) {
        throwIfFailed(result);
        return;
    }
    if (exception.pfnDeferredFillIn) exception.pfnDeferredFillIn(&exception);
    const HRESULT failure = exception.scode ? exception.scode : hresultOf(exception.wCode);
    std::wstring description = textOf(exception.bstrDescription);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrHelpFile);
    exception = EXCEPINFO{};
    const std::int32_t number = errorNumberOf(failure);
    if (description.empty()) description = runtimeErrorDescription(number);
    throw LibraryError(number, description);
}

}  // namespace qv::win
