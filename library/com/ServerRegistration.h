#pragma once
// What DllRegisterServer writes and DllUnregisterServer removes: the type library (with
// its interface), the class with its in-process server and threading model, and the
// programmatic identifier. Both read one table, so they cannot drift apart.

#include <windows.h>

namespace qv::win {

HRESULT registerServer();
HRESULT unregisterServer();

}  // namespace qv::win
