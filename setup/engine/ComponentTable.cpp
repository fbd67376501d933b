#include "ComponentTable.h"

namespace qv::setup {

const std::vector<SupportComponent>& supportComponents() {
    static const std::vector<SupportComponent> table = {
        {0, L"\\REGSVR32.EXE", L"REGSVR32.exe", L"\\REGSVR32.EXE", false},
        {1, L"\\VB6es.dll", L"VB6es.dll", L"\\VB6es.dll", true},
        {3, L"\\comdlg32.ocx", L"3A.ocx", L"\\comdlg32.ocx", true},
        {4, L"\\FM20.DLL", L"FM20.dll", L"\\FM20.DLL", true},
        {6, L"\\mscomctl.ocx", L"3B.ocx", L"\\mscomctl.ocx", true},
        {7, L"\\IQV_v011.dll", L"IQV_v011.dll", L"\\IQV_v011.dll", true},
    };
    return table;
}

const SupportComponent* supportComponent(std::int16_t index) {
    for (const auto& row : supportComponents())
        if (row.index == index) return &row;
    return nullptr;
}

}  // namespace qv::setup
