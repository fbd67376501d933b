#include "SetupFakes.h"

#include "LibraryError.h"
#include "TextRules.h"

namespace qv::setup::testing {
namespace {

std::wstring yesNo(bool value) { return value ? L"True" : L"False"; }

// One Excel instance: its add-in list, its workbooks and what it was asked.
class FakeApplication final : public ExcelApplication {
  public:
    FakeApplication(FakeExcel& owner, CallLog& log, int number)
        : owner_(owner), log_(log), prefix_(L"excel" + std::to_wstring(number) + L".") {
        ++owner_.liveInstances;
        if (owner_.settings.hasOldEntry) entries_[L"ls_addin1"] = true;
    }
    ~FakeApplication() override {
        --owner_.liveInstances;
        log_.push_back(prefix_ + L"release");
    }

    std::wstring version() override {
        note(L"Version");
        return owner_.settings.version;
    }
    std::wstring libraryPath() override {
        note(L"LibraryPath");
        return owner_.settings.libraryPath;
    }
    void addWorkbook() override {
        note(L"Workbooks.Add");
        ++workbooks_;
    }
    void findWorkbook(const std::wstring& name) override {
        note(L"Workbooks(" + name + L")");
        // The add-in's workbook is open while its entry is switched on.
        for (const auto& [entry, installed] : entries_)
            if (installed && upperCase(entry + L".xla") == upperCase(name)) return;
        throw RuntimeError(9, L"Subscript out of range");
    }
    void closeActiveWorkbook() override {
        note(L"ActiveWorkbook.Close");
        if (workbooks_ == 0) throw objectNotSet();
        --workbooks_;
    }
    void addAddIn(const std::wstring& fileName) override {
        note(L"AddIns.Add(" + fileName + L")");
        std::wstring name = fileName.substr(fileName.rfind(L'\\') + 1);
        name = name.substr(0, name.rfind(L'.'));
        entries_.emplace(name, false);
    }
    void setAddInInstalled(const std::wstring& name, bool installed) override {
        note(L"AddIns(" + name + L").Installed=" + yesNo(installed));
        auto entry = entries_.find(name);
        if (entry == entries_.end()) throw RuntimeError(9, L"Subscript out of range");
        entry->second = installed;
    }
    void run(const std::wstring& macro) override {
        note(L"Run(" + macro + L")");
        if (!owner_.settings.hasToolbarMacro)
            throw RuntimeError(1004, L"The macro cannot be found.");
    }
    void setWindowState(std::int32_t state) override {
        note(L"WindowState=" + std::to_wstring(state));
    }
    void setVisible(bool visible) override { note(L"Visible=" + yesNo(visible)); }
    void setDisplayAlerts(bool displayAlerts) override {
        note(L"DisplayAlerts=" + yesNo(displayAlerts));
    }
    void quit() override {
        note(L"Quit");
        ++owner_.quitInstances;
    }
    void addSheet() override {
        note(L"Sheets.Add");
        if (workbooks_ == 0) throw objectNotSet();
        sheet_ = true;
    }
    void setCellValue(const std::wstring& cell, const std::wstring& value) override {
        note(L"Range(" + cell + L").value=" + value);
        if (!sheet_) throw objectNotSet();
        cells_[cell] = value;
    }
    void addHyperlink(const std::wstring& cell, const std::wstring& address,
                      const std::wstring& subAddress) override {
        note(L"Hyperlinks.Add(" + cell + L"," + address + L"," + subAddress + L")");
        if (!sheet_) throw objectNotSet();
        links_[cell] = address;
    }
    void followHyperlink(const std::wstring& cell, bool newWindow, bool addHistory) override {
        note(L"Range(" + cell + L").Hyperlinks(1).Follow(" + yesNo(newWindow) + L"," +
             yesNo(addHistory) + L")");
        if (links_.count(cell) == 0) throw RuntimeError(9, L"Subscript out of range");
        if (!owner_.settings.mailProgram)
            throw RuntimeError(-2147221014, L"Cannot open the specified file.");
    }

  private:
    void note(const std::wstring& call) { log_.push_back(prefix_ + call); }

    FakeExcel& owner_;
    CallLog& log_;
    std::wstring prefix_;
    std::map<std::wstring, bool> entries_;
    int workbooks_ = 0;
    bool sheet_ = false;
    std::map<std::wstring, std::wstring> cells_, links_;
};

const wchar_t* iconName(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Critical:
            return L"critical";
        case MessageIcon::Exclamation:
            return L"exclamation";
        case MessageIcon::Information:
            return L"information";
        case MessageIcon::None:
            break;
    }
    return L"none";
}

const wchar_t* labelName(PageLabel label) {
    switch (label) {
        case PageLabel::Copy:
            return L"lblCopy";
        case PageLabel::Delete:
            return L"lblDelete";
        case PageLabel::Add:
            return L"lblAdd";
    }
    return L"?";
}

}  // namespace

std::wstring pageName(Page page) {
    switch (page) {
        case Page::Terms:
            return L"frmWizard4";
        case Page::Folder:
            return L"frmWizard1";
        case Page::Install:
            return L"frmWizard2";
        case Page::Finish:
            return L"frmEnd";
    }
    return L"?";
}

std::wstring FakeFileSystem::key(const std::wstring& name) { return upperCase(name); }

std::wstring FakeFileSystem::parentOf(const std::wstring& name) {
    const auto separator = name.rfind(L'\\');
    return separator == std::wstring::npos ? std::wstring() : name.substr(0, separator);
}

bool FakeFileSystem::fileExists(const std::wstring& fileName) {
    log_.push_back(L"fs.FileExists(" + fileName + L")");
    return has(fileName);
}

bool FakeFileSystem::folderExists(const std::wstring& folder) {
    log_.push_back(L"fs.FolderExists(" + folder + L")");
    return hasFolder(folder);
}

void FakeFileSystem::createFolder(const std::wstring& folder) {
    log_.push_back(L"fs.CreateFolder(" + folder + L")");
    if (hasFolder(folder)) throw RuntimeError(58, L"File already exists");
    if (refuseFolderCreation) throw RuntimeError(70, L"Permission denied");
    const std::wstring parent = parentOf(folder);
    // A drive root such as "C:" always exists.
    if (parent.size() > 2 && !hasFolder(parent)) throw RuntimeError(76, L"Path not found");
    addFolder(folder);
}

void FakeFileSystem::deleteFile(const std::wstring& fileName, bool force) {
    log_.push_back(L"fs.DeleteFile(" + fileName + L"," + yesNo(force) + L")");
    if (!has(fileName)) throw RuntimeError(53, L"File not found");
    if (held_.count(key(fileName))) throw RuntimeError(70, L"Permission denied");
    files_.erase(key(fileName));
}

void FakeFileSystem::copyFile(const std::wstring& source, const std::wstring& destination,
                              bool overwrite) {
    log_.push_back(L"fs.copyfile(" + source + L"," + destination + L"," + yesNo(overwrite) + L")");
    if (!has(source)) throw RuntimeError(53, L"File not found");
    if (!hasFolder(parentOf(destination))) throw RuntimeError(76, L"Path not found");
    if (held_.count(key(destination))) throw RuntimeError(70, L"Permission denied");
    addFile(destination);
}

std::vector<DriveEntry> FakeFileSystem::drives() {
    log_.push_back(L"fs.Drives");
    if (driveQueriesFail) throw RuntimeError(70, L"Permission denied");
    return driveList;
}

std::wstring FakeFileSystem::getDriveName(const std::wstring& path) {
    log_.push_back(L"fs.GetDriveName(" + path + L")");
    if (driveQueriesFail) throw RuntimeError(70, L"Permission denied");
    if (path.size() >= 2 && path[1] == L':') return path.substr(0, 2);
    if (path.rfind(L"\\\\", 0) == 0) {
        // \\server\share: the share root is the first two names.
        const auto share = path.find(L'\\', 2);
        if (share == std::wstring::npos) return path;
        const auto end = path.find(L'\\', share + 1);
        return path.substr(0, end);
    }
    return std::wstring();
}

std::unique_ptr<ExcelApplication> FakeExcel::createApplication() {
    log_.push_back(L"CreateObject(Excel.application)");
    if (!settings.registered) throw RuntimeError(429, L"ActiveX component can't create object");
    return std::make_unique<FakeApplication>(*this, log_, ++created_);
}

std::int32_t FakeSystem::getSystemDirectory(std::uint32_t bufferSize, std::wstring& buffer) {
    log_.push_back(L"GetSystemDirectoryA(" + std::to_wstring(bufferSize) + L")");
    if (systemDir.empty()) {
        buffer.assign(bufferSize, L'\0');
        return 0;
    }
    buffer = systemDir;
    buffer.resize(bufferSize, L'\0');
    return static_cast<std::int32_t>(systemDir.size());
}

void FakeSystem::startHidden(const std::wstring& commandLine) {
    log_.push_back(L"start hidden(" + commandLine + L")");
    if (startFails) throw RuntimeError(53, L"File not found");
}

void FakeSystem::openWithShell(const std::wstring& address) {
    log_.push_back(L"ShellExecuteA(" + address + L")");
}

bool FakeMessages::askYesNo(const std::wstring& text, const std::wstring& title) {
    const bool yes = !answers.empty() && answers.front();
    if (!answers.empty()) answers.pop_front();
    log_.push_back(L"MsgBox(" + text + L"|question yes/no|" + title + L") -> " +
                   (yes ? L"Yes" : L"No"));
    return yes;
}

void FakeMessages::show(const std::wstring& text, MessageIcon icon, const std::wstring& title) {
    log_.push_back(L"MsgBox(" + text + L"|" + iconName(icon) + L"|" + title + L")");
}

void FakePages::showModal(Page page) {
    log_.push_back(L"show modal " + pageName(page));
    auto& queue = clicks[page];
    if (queue.empty()) return;
    auto click = std::move(queue.front());
    queue.pop_front();
    click();
}

void FakePages::showModeless(Page page) { log_.push_back(L"show " + pageName(page)); }
void FakePages::hide(Page page) { log_.push_back(L"hide " + pageName(page)); }
void FakePages::unload(Page page) { log_.push_back(L"unload " + pageName(page)); }
void FakePages::minimize(Page page) { log_.push_back(L"minimize " + pageName(page)); }
void FakePages::repaint(Page page) { log_.push_back(L"repaint " + pageName(page)); }

void FakePages::setLabelVisible(PageLabel label, bool visible) {
    log_.push_back(std::wstring(labelName(label)) + L".Visible=" + yesNo(visible));
}

void FakePages::setFolderText(const std::wstring& text) {
    log_.push_back(L"txtPathdefault=" + text);
    folderBox = text;
}

std::wstring FakePages::folderText() { return folderBox; }

RegistryStatus RecordingRegistry::deleteKey(RegistryRoot root, const std::string& path) {
    log_.push_back(L"RegDeleteKey(" + std::wstring(path.begin(), path.end()) + L")");
    if (raiseOnDelete) throw LibraryError::runtime(kOutOfMemory);
    return memory.deleteKey(root, path);
}

}  // namespace qv::setup::testing
