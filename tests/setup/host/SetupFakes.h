#pragma once
// Recording stand-ins for everything the setup engine reaches: files, Excel, the system,
// message boxes, pages and the registry's deletions. All of them write into one call log,
// so a test sees the order of calls across them.

#include "ExcelAutomation.h"
#include "FileSystem.h"
#include "MemoryRegistryStore.h"
#include "MessageBoxes.h"
#include "RuntimeError.h"
#include "SetupEngine.h"
#include "SystemServices.h"
#include "WizardPages.h"

#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace qv::setup::testing {

using CallLog = std::vector<std::wstring>;

class FakeFileSystem final : public FileSystem {
  public:
    explicit FakeFileSystem(CallLog& log) : log_(log) {}

    void clear() { files_.clear(), folders_.clear(), held_.clear(); }
    void addFile(const std::wstring& name) { files_.insert(key(name)); }
    void addFolder(const std::wstring& name) { folders_.insert(key(name)); }
    void holdOpen(const std::wstring& name) { held_.insert(key(name)); }
    bool refuseFolderCreation = false;  // a protected parent folder
    bool has(const std::wstring& name) const { return files_.count(key(name)) != 0; }
    std::vector<DriveEntry> driveList;  // what drives() returns
    bool driveQueriesFail = false;      // drives() and getDriveName() raise
    bool hasFolder(const std::wstring& name) const { return folders_.count(key(name)) != 0; }

    bool fileExists(const std::wstring& fileName) override;
    bool folderExists(const std::wstring& folder) override;
    void createFolder(const std::wstring& folder) override;
    void deleteFile(const std::wstring& fileName, bool force) override;
    void copyFile(const std::wstring& source, const std::wstring& destination,
                  bool overwrite) override;
    std::vector<DriveEntry> drives() override;
    std::wstring getDriveName(const std::wstring& path) override;

  private:
    static std::wstring key(const std::wstring& name);
    static std::wstring parentOf(const std::wstring& name);

    CallLog& log_;
    std::set<std::wstring> files_, folders_, held_;
};

struct ExcelSettings {
    std::wstring version = L"11.0";
    std::wstring libraryPath = L"C:\\Program Files\\Microsoft Office\\Office11\\Library";
    bool hasOldEntry = true;      // "ls_addin1" in the add-in list
    bool hasToolbarMacro = true;  // the add-in workbook holds Instalacion.prcCrea_Toolbar
    bool registered = true;       // "Excel.application" can be created
    bool mailProgram = true;      // following a "mailto:" link reaches a mail program
};

class FakeExcel final : public ExcelAutomation {
  public:
    explicit FakeExcel(CallLog& log) : log_(log) {}
    ExcelSettings settings;
    int liveInstances = 0;  // objects not yet released
    int quitInstances = 0;

    std::unique_ptr<ExcelApplication> createApplication() override;
    void restartNumbering() { created_ = 0; }  // the next instance is "excel1" again

  private:
    CallLog& log_;
    int created_ = 0;
};

class FakeSystem final : public SystemServices {
  public:
    explicit FakeSystem(CallLog& log) : log_(log) {}
    std::wstring systemDir = L"C:\\WINDOWS\\SYSTEM32";
    bool startFails = false;

    std::int32_t getSystemDirectory(std::uint32_t bufferSize, std::wstring& buffer) override;
    void startHidden(const std::wstring& commandLine) override;
    void openWithShell(const std::wstring& address) override;

  private:
    CallLog& log_;
};

class FakeMessages final : public MessageBoxes {
  public:
    explicit FakeMessages(CallLog& log) : log_(log) {}
    void show(const std::wstring& text, MessageIcon icon, const std::wstring& title) override;
    bool askYesNo(const std::wstring& text, const std::wstring& title) override;
    std::deque<bool> answers;  // Yes = true; No when none is queued

  private:
    CallLog& log_;
};

// Each modal showing of a page runs the next action queued for it (the user's click), if any.
class FakePages final : public WizardPages {
  public:
    explicit FakePages(CallLog& log) : log_(log) {}
    std::wstring folderBox;
    std::map<Page, std::deque<std::function<void()>>> clicks;

    void showModal(Page page) override;
    void showModeless(Page page) override;
    void hide(Page page) override;
    void unload(Page page) override;
    void minimize(Page page) override;
    void repaint(Page page) override;
    void setLabelVisible(PageLabel label, bool visible) override;
    void setFolderText(const std::wstring& text) override;
    std::wstring folderText() override;

  private:
    CallLog& log_;
};

// The memory registry with every key deletion logged; it can also fail deletions the way
// a registry layer that raises would.
class RecordingRegistry final : public RegistryStore {
  public:
    explicit RecordingRegistry(CallLog& log) : log_(log) {}
    MemoryRegistryStore memory;
    bool raiseOnDelete = false;

    RegistryStatus openKey(RegistryRoot root, const std::string& path, std::uint32_t access,
                           std::unique_ptr<RegistryKey>& key) override {
        return memory.openKey(root, path, access, key);
    }
    RegistryStatus createKey(RegistryRoot root, const std::string& path, std::uint32_t access,
                             std::unique_ptr<RegistryKey>& key, bool& existed) override {
        return memory.createKey(root, path, access, key, existed);
    }
    RegistryStatus deleteKey(RegistryRoot root, const std::string& path) override;
    std::unique_ptr<RegistryKey> rootKey(RegistryRoot root) override {
        return memory.rootKey(root);
    }

  private:
    CallLog& log_;
};

std::wstring pageName(Page page);

// Runs `operation` and tells whether it ended the program.
template <class Operation>
bool endsProgram(Operation operation) {
    try {
        operation();
    } catch (const EndOfProgram&) {
        return true;
    }
    return false;
}

}  // namespace qv::setup::testing
