#pragma once
// The installation records kept in the settings key: "APP_EXIST", "STATUS_APP", "Dir" and
// "set_confg" (binary text values), the wipe on the workbook's behalf, and the key letter
// in value "6". Only Asigna_key traps errors; the others pass them on.

#include "LibraryCalls.h"

#include <string>

namespace qv {

class InstallationRecords {
  public:
    explicit InstallationRecords(LibraryCalls& calls) : calls_(calls) {}

    void prcDesinstalar_Addin();
    bool App_Exist();
    void prcSet_status_Addin(const std::wstring& lpStatus);
    std::wstring Get_status_Addin();
    bool IsAddin_Installed();
    void Delete_All();
    void prcDir(const std::wstring& lpVal);
    std::wstring InstallPath();
    void prcSet_Addin(const std::wstring& lpStatus);
    std::wstring Reset_key();
    std::wstring Asigna_key();

  private:
    std::wstring readBinaryText(const wchar_t* valueName);
    void writeBinaryText(const wchar_t* valueName, const std::wstring& text);

    LibraryCalls& calls_;
};

}  // namespace qv
