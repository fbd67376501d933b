#pragma once
// The printer names among the subkeys of the printer key: subkeys that are no printers
// (a leading full stop, "*", "CLSID", "AppID", "Component Categories") are left out,
// compared exactly.

#include <string>
#include <vector>

namespace qv {

extern const wchar_t kPrintersKey[];  // below HKEY_LOCAL_MACHINE

std::vector<std::wstring> printerNames(const std::vector<std::wstring>& subkeys);

}  // namespace qv
