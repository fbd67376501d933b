#include "ExcelLateBound.h"

#include "LateBinding.h"

namespace qv::setup::win {
namespace {

// The object a call's result holds, or none (a later call on it raises error 91).
DispatchObject objectIn(qv::win::UniqueVariant& value) {
    qv::win::ComPtr<IDispatch> object;
    if (value.get()->vt == VT_DISPATCH && value.get()->pdispVal)
        value.get()->pdispVal->QueryInterface(IID_IDispatch, object.putVoid());
    return DispatchObject(std::move(object));
}

class ExcelObject final : public ExcelApplication {
  public:
    ExcelObject() : excel_(DispatchObject::create(L"Excel.application")) {}

    std::wstring version() override { return excel_.text(L"Version"); }
    std::wstring libraryPath() override { return excel_.text(L"LibraryPath"); }
    void addWorkbook() override {
        auto added = excel_.object(L"Workbooks").get(L"Add");
        workbook_ = objectIn(added);
    }
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

    // workbook_ and sheet_ start empty, so these calls raise error 91 until the steps
    // before them have given them an object.
    void addSheet() override { sheet_ = workbook_.object(L"Sheets").object(L"Add"); }
    void setCellValue(const std::wstring& cell, const std::wstring& value) override {
        auto address = textArgument(cell);
        sheet_.object(L"Range", {address.get()}).put(L"Value", *textArgument(value).get());
    }
    void addHyperlink(const std::wstring& cell, const std::wstring& address,
                      const std::wstring& subAddress) override {
        // As `sheet.Hyperlinks.Add sheet.Range(cell), ...` evaluates: the collection, then
        // the anchor, which travels as the range object itself.
        const DispatchObject hyperlinks = sheet_.object(L"Hyperlinks");
        auto cellAddress = textArgument(cell);
        auto anchor = sheet_.get(L"Range", {cellAddress.get()});
        if (anchor.get()->vt != VT_DISPATCH || !anchor.get()->pdispVal) throw objectNotSet();
        auto target = textArgument(address);
        auto within = textArgument(subAddress);
        hyperlinks.get(L"Add", {anchor.get(), target.get(), within.get()});
    }
    void followHyperlink(const std::wstring& cell, bool newWindow, bool addHistory) override {
        auto address = textArgument(cell);
        auto first = int32Argument(1);
        auto window = boolArgument(newWindow);
        auto history = boolArgument(addHistory);
        sheet_.object(L"Range", {address.get()})
            .object(L"Hyperlinks")
            .object(L"Item", {first.get()})
            .get(L"Follow", {window.get(), history.get()});
    }

  private:
    // Declared in this order so the sheet and workbook are released before Excel itself.
    DispatchObject excel_;
    DispatchObject workbook_;  // the one Workbooks.Add returned last
    DispatchObject sheet_;     // the one its Sheets.Add returned last
};

}  // namespace

std::unique_ptr<ExcelApplication> ExcelLateBound::createApplication() {
    return std::make_unique<ExcelObject>();
}

}  // namespace qv::setup::win
