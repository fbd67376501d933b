#pragma once
// The library file itself: its handle and path, and the locks on its class factory.

#include <windows.h>

#include <string>

namespace qv::win {

HMODULE libraryModule();
std::wstring libraryPath();

void lockLibrary();
void unlockLibrary();
long libraryLocks();

}  // namespace qv::win
