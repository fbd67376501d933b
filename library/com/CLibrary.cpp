#include "CLibrary.h"

#include "ComError.h"
#include "DispatchArguments.h"
#include "LibraryModule.h"

#include <new>

namespace qv::win {

std::atomic<long> CLibrary::liveObjects_{0};

CLibrary::CLibrary() { ++liveObjects_; }

CLibrary::~CLibrary() { --liveObjects_; }

HRESULT CLibrary::create(REFIID iid, void** object) {
    auto* library = new (std::nothrow) CLibrary();
    if (!library) return E_OUTOFMEMORY;
    const HRESULT result = library->QueryInterface(iid, object);
    library->Release();
    return result;
}

STDMETHODIMP CLibrary::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID__CLibrary) {
        *object = static_cast<_CLibrary*>(this);
    } else if (iid == IID_ISupportErrorInfo) {
        *object = static_cast<ISupportErrorInfo*>(this);
    } else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) CLibrary::AddRef() { return ++references_; }

STDMETHODIMP_(ULONG) CLibrary::Release() {
    const ULONG remaining = --references_;
    if (remaining == 0) delete this;
    return remaining;
}

HRESULT CLibrary::loadTypeInfo() {
    if (vtableInfo_) return S_OK;
    ComPtr<ITypeLib> library;
    HRESULT result = LoadTypeLibEx(libraryPath().c_str(), REGKIND_NONE, library.put());
    if (FAILED(result)) return result;
    ComPtr<ITypeInfo> dispatch;
    result = library->GetTypeInfoOfGuid(IID__CLibrary, dispatch.put());
    if (FAILED(result)) return result;
    // DispInvoke calls through the vtable, so it needs the interface side of the dual.
    HREFTYPE vtableSide = 0;
    result = dispatch->GetRefTypeOfImplType(static_cast<UINT>(-1), &vtableSide);
    if (FAILED(result)) return result;
    ComPtr<ITypeInfo> vtable;
    result = dispatch->GetRefTypeInfo(vtableSide, vtable.put());
    if (FAILED(result)) return result;
    dispatchInfo_ = dispatch;
    vtableInfo_ = vtable;
    return S_OK;
}

STDMETHODIMP CLibrary::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 1;
    return S_OK;
}

STDMETHODIMP CLibrary::GetTypeInfo(UINT index, LCID, ITypeInfo** info) {
    if (!info) return E_POINTER;
    *info = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    return guardedCall([&] {
        const HRESULT result = loadTypeInfo();
        if (FAILED(result)) return result;
        dispatchInfo_->AddRef();
        *info = dispatchInfo_.get();
        return S_OK;
    });
}

STDMETHODIMP CLibrary::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    if (iid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
    return guardedCall([&] {
        const HRESULT result = loadTypeInfo();
        if (FAILED(result)) return result;
        return DispGetIDsOfNames(vtableInfo_.get(), names, count, ids);
    });
}

STDMETHODIMP CLibrary::Invoke(DISPID id, REFIID iid, LCID, WORD flags, DISPPARAMS* parameters,
                              VARIANT* result, EXCEPINFO* exception, UINT* argumentError) {
    if (iid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
    if (!parameters) return E_INVALIDARG;
    return guardedCall([&] {
        const HRESULT loaded = loadTypeInfo();
        if (FAILED(loaded)) return loaded;
        DispatchArguments arguments(vtableInfo_.get(), id, flags, *parameters);
        if (FAILED(arguments.status())) {
            if (argumentError) *argumentError = arguments.argumentError();
            return arguments.status();
        }
        const HRESULT invoked =
            DispInvoke(static_cast<_CLibrary*>(this), vtableInfo_.get(), id, flags,
                       arguments.parameters(), result, exception, argumentError);
        // The caller's variables get what the member gave back, whether or not it failed.
        const HRESULT returned = arguments.returnReferences();
        return FAILED(invoked) ? invoked : returned;
    });
}

STDMETHODIMP CLibrary::InterfaceSupportsErrorInfo(REFIID iid) {
    return iid == IID__CLibrary ? S_OK : S_FALSE;
}

STDMETHODIMP CLibrary::get_lCia(BSTR* result) {
    if (!result) return E_POINTER;
    *result = nullptr;
    return guardedMember([&] {
        UniqueBstr title(title_);
        if (!title.get()) throw LibraryError::runtime(kOutOfMemory);
        *result = title.release();
    });
}

STDMETHODIMP CLibrary::put_lCia(BSTR title) {
    return guardedMember([&] { title_ = textOf(title); });
}

}  // namespace qv::win
