#include "PrinterNames.h"

namespace qv {

const wchar_t kPrintersKey[] = L"SYSTEM\\CurrentControlSet\\Control\\Print\\Printers";

std::vector<std::wstring> printerNames(const std::vector<std::wstring>& subkeys) {
    static const wchar_t* const kNotPrinters[] = {L"*", L"CLSID", L"AppID",
                                                  L"Component Categories"};
    std::vector<std::wstring> names;
    for (const auto& subkey : subkeys) {
        bool printer =
            subkey.find(L'\0') == std::wstring::npos && (subkey.empty() || subkey[0] != L'.');
        for (const wchar_t* excluded : kNotPrinters) printer = printer && subkey != excluded;
        if (printer) names.push_back(subkey);
    }
    return names;
}

}  // namespace qv
