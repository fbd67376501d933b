// A redistributable support file's stand-in: a DLL whose registration succeeds and
// registers nothing.

#include <windows.h>

extern "C" __declspec(dllexport) HRESULT __stdcall DllRegisterServer() { return S_OK; }
extern "C" __declspec(dllexport) HRESULT __stdcall DllUnregisterServer() { return S_OK; }
