// The library file's entry points: DllMain and the four COM exports (by ordinal, see
// IQV_v011.def).

#include "LibraryModule.h"

#include "CLibrary.h"
#include "ClassFactory.h"
#include "ServerRegistration.h"

#include <atomic>
#include <vector>

namespace qv::win {
namespace {

HMODULE module = nullptr;
std::atomic<long> locks{0};

}  // namespace

std::wstring libraryPath() {
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) return std::wstring(path.data(), length);
        path.resize(path.size() * 2);
    }
}

void lockLibrary() { ++locks; }
void unlockLibrary() { --locks; }
long libraryLocks() { return locks.load(); }

}  // namespace qv::win

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        qv::win::module = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

STDAPI DllCanUnloadNow() {
    return qv::win::CLibrary::liveObjects() == 0 && qv::win::libraryLocks() == 0 ? S_OK : S_FALSE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (clsid != CLSID_CLibrary) return CLASS_E_CLASSNOTAVAILABLE;
    return qv::win::libraryClassFactory()->QueryInterface(iid, object);
}

STDAPI DllRegisterServer() { return qv::win::registerServer(); }

STDAPI DllUnregisterServer() { return qv::win::unregisterServer(); }
