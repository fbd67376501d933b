#pragma once
// Screenshots as PNG files a person can open: a part of the screen read through GDI and
// written with stored (uncompressed) deflate blocks, so no image library is needed.

#include <windows.h>

#include <string>

namespace qv::setup::testing {

// The screen inside `area` (screen coordinates) into `fileName`; false on failure.
bool saveScreenArea(const RECT& area, const std::string& fileName);

}  // namespace qv::setup::testing
