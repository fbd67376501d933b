#pragma once
// The outermost frame of the setup program: runs the start-up and turns every way the
// program ends into an exit code. An unexpected failure ends the program with the
// run-time error report (number and description in a message box) instead of a crash.

#include "MessageBoxes.h"
#include "SetupEngine.h"

#include <cstdint>
#include <string>

namespace qv::setup {

// "Run-time error 'N':" and the description on the line after the next.
std::wstring runtimeErrorReport(std::int32_t number, const std::wstring& description);

// 0 when the program ended normally (by its last page, a confirmed cancel, or a fatal
// message the engine showed); 1 after the run-time error report.
int runSetup(SetupEngine& engine, MessageBoxes& messages);

}  // namespace qv::setup
