#pragma once
// Excel as the engine drives it: a new application object per operation, and the calls
// the engine makes on it. Destroying the object releases it without asking Excel to quit.
// Every failing call raises RuntimeError.

#include <cstdint>
#include <memory>
#include <string>

namespace qv::setup {

constexpr std::int32_t xlMinimized = -4140;
constexpr std::int32_t xlMaximized = -4137;

class ExcelApplication {
  public:
    virtual ~ExcelApplication() = default;
    virtual std::wstring version() = 0;
    virtual std::wstring libraryPath() = 0;
    virtual void addWorkbook() = 0;                           // Workbooks.Add
    virtual void findWorkbook(const std::wstring& name) = 0;  // Workbooks(name)
    virtual void closeActiveWorkbook() = 0;                   // ActiveWorkbook.Close
    virtual void addAddIn(const std::wstring& fileName) = 0;  // AddIns.Add
    virtual void setAddInInstalled(const std::wstring& name, bool installed) = 0;
    virtual void run(const std::wstring& macro) = 0;
    virtual void setWindowState(std::int32_t state) = 0;
    virtual void setVisible(bool visible) = 0;
    virtual void setDisplayAlerts(bool displayAlerts) = 0;
    virtual void quit() = 0;

    // The mail steps: a sheet added to the workbook that addWorkbook added last
    // (Workbooks.Add, then its Sheets.Add), and the cells of the sheet added last. Without
    // such a workbook or sheet the call raises error 91.
    virtual void addSheet() = 0;
    virtual void setCellValue(const std::wstring& cell, const std::wstring& value) = 0;
    // Hyperlinks.Add with the cell as anchor.
    virtual void addHyperlink(const std::wstring& cell, const std::wstring& address,
                              const std::wstring& subAddress) = 0;
    // The cell's Hyperlinks(1).Follow(newWindow, addHistory).
    virtual void followHyperlink(const std::wstring& cell, bool newWindow, bool addHistory) = 0;
};

class ExcelAutomation {
  public:
    virtual ~ExcelAutomation() = default;
    // A new instance by the identifier "Excel.application".
    virtual std::unique_ptr<ExcelApplication> createApplication() = 0;
};

}  // namespace qv::setup
