#include "ExcelLateBound.h"

#include "LateBinding.h"

namespace qv::setup::win {
namespace {

class ExcelObject final : public ExcelApplication {
  public:
    ExcelObject() : excel_(DispatchObject::create(L"Excel.application")) {}

    std::wstring version() override { return excel_.text(L"Version"); }
    std::wstring libraryPath() override { return excel_.text(L"LibraryPath"); }
    void addWorkbook() override { excel_.object(L"Workbooks").get(L"Add"); }
    void findWorkbook(const std::wstring& name) override {
        auto argument = textArgument(name);
        excel_.object(L"Workbooks").object(L"Item", {argument.get()});
    }
    void closeActiveWorkbook() override { excel_.object(L"ActiveWorkbook").get(L"Close"); }
    void addAddIn(const std::wstring& fileName) override {
        auto argument = textArgument(fileName);
        excel_.object(L"AddIns").get(L"Add", {argument.get()});
    }
    void setAddInInstalled(const std::wstring& name, bool installed) override {
        auto argument = textArgument(name);
        auto value = boolArgument(installed);
        excel_.object(L"AddIns").object(L"Item", {argument.get()}).put(L"Installed", *value.get());
    }
    void run(const std::wstring& macro) override {
        auto argument = textArgument(macro);
        excel_.get(L"Run", {argument.get()});
    }
    void setWindowState(std::int32_t state) override {
        excel_.put(L"WindowState", *int32Argument(state).get());
    }
    void setVisible(bool visible) override { excel_.put(L"Visible", *boolArgument(visible).get()); }
    void setDisplayAlerts(bool displayAlerts) override {
        excel_.put(L"DisplayAlerts", *boolArgument(displayAlerts).get());
    }
    void quit() override { excel_.get(L"Quit"); }

  private:
    DispatchObject excel_;
};

}  // namespace

std::unique_ptr<ExcelApplication> ExcelLateBound::createApplication() {
    return std::make_unique<ExcelObject>();
}

}  // namespace qv::setup::win
