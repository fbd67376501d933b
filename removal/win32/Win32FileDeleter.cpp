#include "Win32FileDeleter.h"

#include <windows.h>

namespace qv::removal::win {

void Win32FileDeleter::deleteFile(const std::string& path) { DeleteFileA(path.c_str()); }

}  // namespace qv::removal::win
