#pragma once
// The surroundings of the setup under Wine: the stand-in "Excel.application" (registered,
// configured under HKCU\Software\QuorvaneTests\StandInExcel, writing a log of its calls),
// the folders a test uses and raw views of files and the registry.

#include <windows.h>

#include <map>
#include <string>
#include <vector>

namespace qv::setup::testing {

inline const char kStandInClassId[] = "{6E2C1F3A-4B6D-4C1E-9A57-2D3B8F0C7A11}";
inline const char kConfigKey[] = "Software\\QuorvaneTests\\StandInExcel";
inline const std::string kRoot = "C:\\qvtest";
inline const std::string kPackageDir = kRoot + "\\package";
inline const std::string kLibraryDir = kRoot + "\\library";
inline const std::string kInstallDir = kRoot + "\\install";
inline const std::string kLogFile = kRoot + "\\excel.log";

// A file of the build tree, as Wine sees it through drive Z:.
std::string buildFile(const char* unixPath);
bool exists(const std::string& path);
void writeFile(const std::string& path, const std::string& content);
// Copies the files (not the subfolders) of `source` into the folder `destination`; false
// when `source` cannot be read.
bool copyFolderFiles(const std::string& source, const std::string& destination);
// A text value, its key created when missing; false when either cannot be written.
bool setText(HKEY root, const std::string& key, const char* name, const std::string& value);

struct RawValue {
    DWORD type = 0;
    std::string data;
    bool operator==(const RawValue& other) const {
        return type == other.type && data == other.data;
    }
};

// Every value of a key, by name, read straight from the registry.
std::map<std::string, RawValue> valuesOf(const char* key);

std::vector<std::string> logLines();
// The stand-in's calls in order, without process starts and ends and without the locale.
std::vector<std::string> excelCalls();
// Processes of the stand-in that have not ended.
std::vector<DWORD> runningStandIns();
// Waits, with a generous bound, for every stand-in process to end.
bool allStandInsEnd();
// Ends the stand-ins left running for the user, each by its own process id.
void endStandIns();

void configureExcel(const char* version, const char* entries, const char* toolbarMacro);
void registerExcel();
void unregisterExcel();

}  // namespace qv::setup::testing
