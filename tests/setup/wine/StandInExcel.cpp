// A stand-in for Excel's automation server, for the setup's tests only: an out-of-process
// local server, one process per created application (as Excel starts one per
// CreateObject), configured through HKCU\Software\QuorvaneTests\StandInExcel and writing
// every call it receives, with its arguments, to the log file named there.
//
// Its add-in list knows the entries named in "Entries" (";"-separated) and those added
// through AddIns.Add. Switching on "Quorvane Function11", and running its toolbar macro,
// behave like the add-in workbook's start: CLibrary is created and asked for InstallPath.
// An entry added from a file and switched on holds that file open, as Excel does.
// An application made visible keeps the process running after its last release, as a
// user's Excel does, until Quit; otherwise the process ends with it.
//
// A workbook added through Workbooks.Add holds sheets (Sheets.Add), whose ranges hold values
// and hyperlinks. Following a "mailto:" hyperlink reaches the mail program named in
// "MailProgram"; with none named it fails as Excel does where no mail program is registered.

#include "ComHandles.h"

#include <windows.h>
#include <objbase.h>

#include <cwctype>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

using qv::win::ComPtr;
using qv::win::UniqueBstr;
using qv::win::UniqueHKey;
using qv::win::UniqueVariant;

// {6E2C1F3A-4B6D-4C1E-9A57-2D3B8F0C7A11}
const CLSID kStandInClass = {
    0x6e2c1f3a, 0x4b6d, 0x4c1e, {0x9a, 0x57, 0x2d, 0x3b, 0x8f, 0x0c, 0x7a, 0x11}};
const char kConfigKey[] = "Software\\QuorvaneTests\\StandInExcel";
const wchar_t kAddinEntry[] = L"Quorvane Function11";

std::string narrow(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(size > 0 ? size : 1, '\0');
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, bytes.data(), size, nullptr, nullptr);
    bytes.resize(bytes.find('\0'));
    return bytes;
}

std::wstring widen(const std::string& bytes) {
    const int size = MultiByteToWideChar(CP_ACP, 0, bytes.c_str(), -1, nullptr, 0);
    std::wstring text(size > 0 ? size : 1, L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.c_str(), -1, text.data(), size);
    text.resize(text.find(L'\0'));
    return text;
}

std::wstring configText(const char* name, const std::wstring& fallback) {
    UniqueHKey key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kConfigKey, 0, KEY_READ, key.put()) != ERROR_SUCCESS)
        return fallback;
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(key.get(), name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return fallback;
    std::string value(size + 1, '\0');
    RegQueryValueExA(key.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &size);
    return widen(value.c_str());
}

void logCall(const std::wstring& line) {
    const std::wstring file = configText("Log", L"");
    if (file.empty()) return;
    HANDLE handle =
        CreateFileA(narrow(file).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return;
    const std::string bytes = narrow(line) + "\r\n";
    DWORD written = 0;
    WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(handle);
}

std::wstring upper(std::wstring text) {
    for (auto& c : text) c = static_cast<wchar_t>(std::towupper(c));
    return text;
}

class AutomationObject;
AutomationObject* ownObject(const VARIANT& argument);
std::wstring describe(const AutomationObject& object);

// An argument as the log shows it: its text, or for one of this server's objects what the
// object is (a range by its cell).
std::wstring argumentText(const VARIANT& argument) {
    if (argument.vt == VT_DISPATCH || argument.vt == VT_UNKNOWN) {
        const AutomationObject* own = ownObject(argument);
        return own ? describe(*own) : L"?";
    }
    VARIANT copy;
    VariantInit(&copy);
    std::wstring text = L"?";
    if (SUCCEEDED(VariantChangeTypeEx(&copy, const_cast<VARIANT*>(&argument), 1033,
                                      VARIANT_ALPHABOOL, VT_BSTR)))
        text = qv::win::textOf(copy.bstrVal);
    VariantClear(&copy);
    return text;
}

// Process lifetime: live objects, and whether a user-visible application keeps it running.
LONG gLiveObjects = 0;
bool gKeptByUser = false;
void objectGone() {
    if (InterlockedDecrement(&gLiveObjects) == 0 && !gKeptByUser) PostQuitMessage(0);
}

HRESULT raiseCode(SCODE code, const wchar_t* description, EXCEPINFO* exception) {
    if (exception) {
        *exception = EXCEPINFO{};
        exception->scode = code;
        exception->bstrSource = SysAllocString(L"Microsoft Excel");
        exception->bstrDescription = SysAllocString(description);
    }
    return DISP_E_EXCEPTION;
}

HRESULT raise(int number, const wchar_t* description, EXCEPINFO* exception) {
    return raiseCode(static_cast<SCODE>(0x800A0000u | number), description, exception);
}

// Not a real interface: asked for by this server only, to know its own objects again when
// a client passes one back as an argument (COM hands back the object itself in its own
// apartment).
// {0B7D4E19-5C2A-4F83-B6E1-7A9C3D2F6B05}
const IID kOwnObject = {
    0x0b7d4e19, 0x5c2a, 0x4f83, {0xb6, 0xe1, 0x7a, 0x9c, 0x3d, 0x2f, 0x6b, 0x05}};

// Names to dispatch identifiers, shared by every object: the first time a name is asked
// for it gets the next number.
std::map<std::wstring, DISPID>& dispatchIds() {
    static std::map<std::wstring, DISPID> ids;
    return ids;
}
std::wstring nameOf(DISPID id) {
    for (const auto& [name, number] : dispatchIds())
        if (number == id) return name;
    return L"";
}

struct Call {
    std::wstring member;  // upper case
    bool put;
    std::vector<VARIANT> arguments;  // first argument first
    VARIANT* result;
    EXCEPINFO* exception;
};

// A late-bound object whose members are dispatched by name.
class AutomationObject : public IDispatch {
  public:
    AutomationObject() { InterlockedIncrement(&gLiveObjects); }
    virtual ~AutomationObject() { objectGone(); }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == kOwnObject) {
            *object = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return left;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                            DISPID* ids) override {
        auto& table = dispatchIds();
        for (UINT i = 0; i < count; ++i) {
            const std::wstring name = upper(names[i]);
            auto found = table.find(name);
            if (found == table.end())
                found = table.emplace(name, static_cast<DISPID>(table.size() + 1)).first;
            ids[i] = found->second;
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID locale, WORD flags,
                                     DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                     UINT*) override {
        Call call{nameOf(id),
                  (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0,
                  {},
                  result,
                  exception};
        for (UINT i = parameters ? parameters->cArgs : 0; i > 0; --i)
            call.arguments.push_back(parameters->rgvarg[i - 1]);
        std::wstring line = kind() + L"." + call.member + (call.put ? L"=" : L"(");
        for (std::size_t i = 0; i < call.arguments.size(); ++i)
            line += (i ? L"," : L"") + argumentText(call.arguments[i]);
        if (!call.put) line += L")";
        line += L" lcid=" + std::to_wstring(locale);
        logCall(line);
        if (result) VariantInit(result);
        return dispatch(call);
    }

    virtual std::wstring kind() const = 0;
    // What the log shows when the object is an argument.
    virtual std::wstring description() const { return kind(); }

  protected:
    virtual HRESULT dispatch(Call& call) = 0;

    static HRESULT giveObject(Call& call, IDispatch* object) {
        if (!call.result) {
            object->Release();
            return S_OK;
        }
        call.result->vt = VT_DISPATCH;
        call.result->pdispVal = object;
        return S_OK;
    }
    static HRESULT giveText(Call& call, const std::wstring& text) {
        if (call.result) {
            call.result->vt = VT_BSTR;
            call.result->bstrVal = SysAllocString(text.c_str());
        }
        return S_OK;
    }
    static bool boolArgument(const Call& call) {
        VARIANT copy;
        VariantInit(&copy);
        bool value = false;
        if (!call.arguments.empty() &&
            SUCCEEDED(
                VariantChangeType(&copy, const_cast<VARIANT*>(&call.arguments[0]), 0, VT_BOOL)))
            value = copy.boolVal != VARIANT_FALSE;
        return value;
    }

  private:
    LONG references_ = 1;
};

AutomationObject* ownObject(const VARIANT& argument) {
    if (!argument.punkVal) return nullptr;
    AutomationObject* own = nullptr;
    if (FAILED(argument.punkVal->QueryInterface(kOwnObject, reinterpret_cast<void**>(&own))))
        return nullptr;
    own->Release();  // the argument still holds it
    return own;
}

std::wstring describe(const AutomationObject& object) { return object.description(); }

// What the add-in workbook does when it starts: create the settings library and call it.
void addinWorkbookStart(const wchar_t* occasion) {
    std::wstring outcome = L"failed";
    CLSID library;
    ComPtr<IDispatch> object;
    if (SUCCEEDED(CLSIDFromProgID(L"IQV_v011.CLibrary", &library)) &&
        SUCCEEDED(CoCreateInstance(library, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                   object.putVoid()))) {
        DISPID id = 0;
        LPOLESTR name = const_cast<LPOLESTR>(L"InstallPath");
        UniqueVariant value;
        DISPPARAMS none{nullptr, nullptr, 0, 0};
        if (SUCCEEDED(object->GetIDsOfNames(IID_NULL, &name, 1, 1033, &id)) &&
            SUCCEEDED(object->Invoke(id, IID_NULL, 1033, DISPATCH_METHOD | DISPATCH_PROPERTYGET,
                                     &none, value.get(), nullptr, nullptr)))
            outcome = L"ok";
    }
    logCall(std::wstring(L"addin start (") + occasion + L"): CLibrary " + outcome);
}

// An add-in workbook held open while its entry is switched on, as Excel holds it: reading
// is shared, deleting is not.
class OpenWorkbookFile {
  public:
    explicit OpenWorkbookFile(const std::wstring& path)
        : handle_(CreateFileA(narrow(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    OpenWorkbookFile(const OpenWorkbookFile&) = delete;
    OpenWorkbookFile& operator=(const OpenWorkbookFile&) = delete;
    ~OpenWorkbookFile() {
        if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    }

  private:
    HANDLE handle_;
};

struct ExcelState {
    std::map<std::wstring, bool> entries;        // add-in list by upper-case name: switched on
    std::map<std::wstring, std::wstring> files;  // upper-case name to the file it was added from
    std::map<std::wstring, std::unique_ptr<OpenWorkbookFile>> open;
    int workbooks = 0;
};

class AddIn final : public AutomationObject {
  public:
    AddIn(std::shared_ptr<ExcelState> state, std::wstring key)
        : state_(std::move(state)), key_(std::move(key)) {}

  private:
    std::wstring kind() const override { return L"AddIn"; }
    HRESULT dispatch(Call& call) override {
        if (call.member == L"INSTALLED" && call.put) {
            const bool on = boolArgument(call);
            const bool wasOn = state_->entries[key_];
            state_->entries[key_] = on;
            const auto file = state_->files.find(key_);
            if (!on) state_->open.erase(key_);
            if (on && !wasOn && file != state_->files.end())
                state_->open[key_] = std::make_unique<OpenWorkbookFile>(file->second);
            if (on && !wasOn && key_ == upper(kAddinEntry)) addinWorkbookStart(L"Installed");
            return S_OK;
        }
        return DISP_E_MEMBERNOTFOUND;
    }
    std::shared_ptr<ExcelState> state_;
    std::wstring key_;
};

class AddIns final : public AutomationObject {
  public:
    explicit AddIns(std::shared_ptr<ExcelState> state) : state_(std::move(state)) {}

  private:
    std::wstring kind() const override { return L"AddIns"; }
    HRESULT dispatch(Call& call) override {
        if (call.arguments.empty()) return DISP_E_BADPARAMCOUNT;
        const std::wstring argument = argumentText(call.arguments[0]);
        if (call.member == L"ADD") {
            if (GetFileAttributesA(narrow(argument).c_str()) == INVALID_FILE_ATTRIBUTES)
                return raise(1004, L"Add method of AddIns class failed", call.exception);
            std::wstring name = argument.substr(argument.find_last_of(L"\\/") + 1);
            name = name.substr(0, name.rfind(L'.'));
            state_->entries.emplace(upper(name), false);
            state_->files[upper(name)] = argument;
            return giveObject(call, new AddIn(state_, upper(name)));
        }
        if (call.member == L"ITEM") {
            if (!state_->entries.count(upper(argument)))
                return raise(9, L"Subscript out of range", call.exception);
            return giveObject(call, new AddIn(state_, upper(argument)));
        }
        return DISP_E_MEMBERNOTFOUND;
    }
    std::shared_ptr<ExcelState> state_;
};

// What a worksheet holds: cell values and hyperlinks, cells by upper-case address.
struct SheetContent {
    struct Link {
        std::wstring cell, address, subAddress;
    };
    std::map<std::wstring, std::wstring> values;
    std::vector<Link> links;  // in the order they were added
};

struct WorkbookContent {
    std::vector<std::shared_ptr<SheetContent>> sheets;
};

class Hyperlink final : public AutomationObject {
  public:
    explicit Hyperlink(SheetContent::Link link) : link_(std::move(link)) {}

  private:
    std::wstring kind() const override { return L"Hyperlink"; }
    HRESULT dispatch(Call& call) override {
        if (call.member == L"ADDRESS" && !call.put) return giveText(call, link_.address);
        if (call.member == L"SUBADDRESS" && !call.put) return giveText(call, link_.subAddress);
        if (call.member == L"FOLLOW") {
            if (upper(link_.address).rfind(L"MAILTO:", 0) != 0) {
                logCall(L"open " + link_.address);
                return S_OK;
            }
            // Excel's own failure where no program handles "mailto:" (MK_E_CANTOPENFILE).
            if (configText("MailProgram", L"").empty())
                return raiseCode(static_cast<SCODE>(0x800401EAu),
                                 L"Cannot open the specified file.", call.exception);
            logCall(L"mail to " + link_.address);
            return S_OK;
        }
        return DISP_E_MEMBERNOTFOUND;
    }
    SheetContent::Link link_;
};

// A worksheet's hyperlinks, or those of one of its cells.
class Hyperlinks final : public AutomationObject {
  public:
    Hyperlinks(std::shared_ptr<SheetContent> sheet, std::wstring cell)
        : sheet_(std::move(sheet)), cell_(std::move(cell)) {}

  private:
    std::wstring kind() const override { return L"Hyperlinks"; }
    HRESULT dispatch(Call& call) override;
    std::vector<SheetContent::Link> listed() const {
        std::vector<SheetContent::Link> links;
        for (const auto& link : sheet_->links)
            if (cell_.empty() || link.cell == cell_) links.push_back(link);
        return links;
    }
    std::shared_ptr<SheetContent> sheet_;
    std::wstring cell_;  // empty for the whole sheet
};

class Range final : public AutomationObject {
  public:
    Range(std::shared_ptr<SheetContent> sheet, std::wstring cell)
        : sheet_(std::move(sheet)), cell_(upper(std::move(cell))) {}
    const std::shared_ptr<SheetContent>& sheet() const { return sheet_; }
    const std::wstring& cell() const { return cell_; }

  private:
    std::wstring kind() const override { return L"Range"; }
    std::wstring description() const override { return L"Range " + cell_; }
    HRESULT dispatch(Call& call) override {
        if (call.member == L"VALUE" && call.put) {
            if (call.arguments.empty()) return DISP_E_BADPARAMCOUNT;
            sheet_->values[cell_] = argumentText(call.arguments[0]);
            return S_OK;
        }
        if (call.member == L"VALUE") return giveText(call, sheet_->values[cell_]);
        if (call.member == L"HYPERLINKS") return giveObject(call, new Hyperlinks(sheet_, cell_));
        return DISP_E_MEMBERNOTFOUND;
    }
    std::shared_ptr<SheetContent> sheet_;
    std::wstring cell_;
};

HRESULT Hyperlinks::dispatch(Call& call) {
    if (call.member == L"COUNT") {
        if (call.result) {
            call.result->vt = VT_I4;
            call.result->lVal = static_cast<LONG>(listed().size());
        }
        return S_OK;
    }
    if (call.arguments.empty()) return DISP_E_BADPARAMCOUNT;
    if (call.member == L"ADD") {
        // Excel takes the anchor as a range of this sheet, never as an address text.
        const auto* anchor = dynamic_cast<const Range*>(ownObject(call.arguments[0]));
        if (!anchor || anchor->sheet() != sheet_ || call.arguments.size() < 2)
            return raise(1004, L"Add method of Hyperlinks class failed", call.exception);
        SheetContent::Link link{anchor->cell(), argumentText(call.arguments[1]),
                                call.arguments.size() > 2 ? argumentText(call.arguments[2]) : L""};
        sheet_->links.push_back(link);
        return giveObject(call, new Hyperlink(link));
    }
    if (call.member == L"ITEM") {
        const auto links = listed();
        const std::wstring number = argumentText(call.arguments[0]);
        for (std::size_t i = 0; i < links.size(); ++i)
            if (number == std::to_wstring(i + 1)) return giveObject(call, new Hyperlink(links[i]));
        return raise(9, L"Subscript out of range", call.exception);
    }
    return DISP_E_MEMBERNOTFOUND;
}

class Worksheet final : public AutomationObject {
  public:
    explicit Worksheet(std::shared_ptr<SheetContent> sheet) : sheet_(std::move(sheet)) {}

  private:
    std::wstring kind() const override { return L"Worksheet"; }
    HRESULT dispatch(Call& call) override {
        if (call.member == L"RANGE") {
            if (call.arguments.empty()) return DISP_E_BADPARAMCOUNT;
            return giveObject(call, new Range(sheet_, argumentText(call.arguments[0])));
        }
        if (call.member == L"HYPERLINKS") return giveObject(call, new Hyperlinks(sheet_, L""));
        return DISP_E_MEMBERNOTFOUND;
    }
    std::shared_ptr<SheetContent> sheet_;
};

class Sheets final : public AutomationObject {
  public:
    explicit Sheets(std::shared_ptr<WorkbookContent> workbook) : workbook_(std::move(workbook)) {}

  private:
    std::wstring kind() const override { return L"Sheets"; }
    HRESULT dispatch(Call& call) override {
        if (call.member == L"ADD") {
            workbook_->sheets.push_back(std::make_shared<SheetContent>());
            return giveObject(call, new Worksheet(workbook_->sheets.back()));
        }
        return DISP_E_MEMBERNOTFOUND;
    }
    std::shared_ptr<WorkbookContent> workbook_;
};

class Workbook final : public AutomationObject {
  public:
    explicit Workbook(std::shared_ptr<ExcelState> state, std::shared_ptr<WorkbookContent> content =
                                                             std::make_shared<WorkbookContent>())
        : state_(std::move(state)), content_(std::move(content)) {}

  private:
    std::wstring kind() const override { return L"Workbook"; }
    HRESULT dispatch(Call& call) override {
        if (call.member == L"CLOSE") {
            if (state_->workbooks > 0) --state_->workbooks;
            return S_OK;
        }
        if (call.member == L"SHEETS") return giveObject(call, new Sheets(content_));
        return DISP_E_MEMBERNOTFOUND;
    }
    std::shared_ptr<ExcelState> state_;
    std::shared_ptr<WorkbookContent> content_;
};

class Workbooks final : public AutomationObject {
  public:
    explicit Workbooks(std::shared_ptr<ExcelState> state) : state_(std::move(state)) {}

  private:
    std::wstring kind() const override { return L"Workbooks"; }
    HRESULT dispatch(Call& call) override {
        if (call.member == L"ADD") {
            ++state_->workbooks;
            return giveObject(call, new Workbook(state_));
        }
        if (call.member == L"ITEM" && !call.arguments.empty()) {
            // An add-in's workbook is open while its entry is switched on.
            const std::wstring name = upper(argumentText(call.arguments[0]));
            for (const auto& [entry, on] : state_->entries)
                if (on && entry + L".XLA" == name) return giveObject(call, new Workbook(state_));
            return raise(9, L"Subscript out of range", call.exception);
        }
        return DISP_E_MEMBERNOTFOUND;
    }
    std::shared_ptr<ExcelState> state_;
};

class Application final : public AutomationObject {
  public:
    Application() : state_(std::make_shared<ExcelState>()) {
        std::wstring entries = configText("Entries", L"");
        for (std::size_t start = 0; start < entries.size();) {
            const std::size_t end = std::min(entries.find(L';', start), entries.size());
            if (end > start)
                state_->entries.emplace(upper(entries.substr(start, end - start)), true);
            start = end + 1;
        }
    }

  private:
    std::wstring kind() const override { return L"Application"; }
    HRESULT dispatch(Call& call) override {
        const std::wstring& m = call.member;
        if (m == L"VERSION") return giveText(call, configText("Version", L"11.0"));
        if (m == L"LIBRARYPATH")
            return giveText(call, configText("LibraryPath", L"C:\\Office\\Library"));
        if (m == L"WORKBOOKS") return giveObject(call, new Workbooks(state_));
        if (m == L"ADDINS") return giveObject(call, new AddIns(state_));
        if (m == L"ACTIVEWORKBOOK") {
            if (state_->workbooks == 0) {
                if (call.result) {
                    call.result->vt = VT_DISPATCH;
                    call.result->pdispVal = nullptr;
                }
                return S_OK;
            }
            return giveObject(call, new Workbook(state_));
        }
        if (m == L"RUN") {
            if (configText("ToolbarMacro", L"yes") != L"yes")
                return raise(1004, L"The macro cannot be found.", call.exception);
            addinWorkbookStart(L"Run");
            return S_OK;
        }
        if (m == L"VISIBLE" && call.put) {
            if (boolArgument(call)) gKeptByUser = true;
            return S_OK;
        }
        if ((m == L"WINDOWSTATE" || m == L"DISPLAYALERTS") && call.put) return S_OK;
        if (m == L"QUIT") {
            gKeptByUser = false;
            return S_OK;
        }
        return DISP_E_MEMBERNOTFOUND;
    }
    std::shared_ptr<ExcelState> state_;
};

class Factory final : public IClassFactory {
  public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (iid == IID_IUnknown || iid == IID_IClassFactory) {
            *object = static_cast<IClassFactory*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
        if (outer) return CLASS_E_NOAGGREGATION;
        logCall(L"Application created");
        auto* application = new Application();
        const HRESULT result = application->QueryInterface(iid, object);
        application->Release();
        return result;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (FAILED(CoInitialize(nullptr))) return 1;
    logCall(L"start pid=" + std::to_wstring(GetCurrentProcessId()));
    Factory factory;
    DWORD cookie = 0;
    // One application per process: the next CreateObject starts a new one, as with Excel.
    if (FAILED(CoRegisterClassObject(kStandInClass, &factory, CLSCTX_LOCAL_SERVER, REGCLS_SINGLEUSE,
                                     &cookie))) {
        CoUninitialize();
        return 2;
    }
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    CoRevokeClassObject(cookie);
    logCall(L"end pid=" + std::to_wstring(GetCurrentProcessId()));
    CoUninitialize();
    return 0;
}
