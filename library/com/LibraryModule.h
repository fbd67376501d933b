#pragma once
// The library file itself: its path, and the locks on its class factory.

#include <windows.h>

#include <string>

namespace qv::win {

std::wstring libraryPath();

void lockLibrary();
void unlockLibrary();
long libraryLocks();

}  // namespace qv::win
