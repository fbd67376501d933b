#include "ClassFactory.h"

#include "CLibrary.h"
#include "LibraryModule.h"

namespace qv::win {
namespace {

class LibraryClassFactory final : public IClassFactory {
  public:
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        if (iid != IID_IUnknown && iid != IID_IClassFactory) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    // The factory lives as long as the library file; references keep the file locked.
    STDMETHODIMP_(ULONG) AddRef() override {
        lockLibrary();
        return 2;
    }
    STDMETHODIMP_(ULONG) Release() override {
        unlockLibrary();
        return 1;
    }

    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        *object = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        return CLibrary::create(iid, object);
    }
    STDMETHODIMP LockServer(BOOL lock) override {
        if (lock) {
            lockLibrary();
        } else {
            unlockLibrary();
        }
        return S_OK;
    }
};

}  // namespace

IClassFactory* libraryClassFactory() {
    static LibraryClassFactory factory;
    return &factory;
}

}  // namespace qv::win
