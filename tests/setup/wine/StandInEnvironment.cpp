#include "StandInEnvironment.h"

#include "ComHandles.h"

#include <algorithm>
#include <fstream>

namespace qv::setup::testing {

std::string buildFile(const char* unixPath) {
    std::string path = std::string("Z:") + unixPath;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

bool exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void writeFile(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

bool setText(HKEY root, const std::string& key, const char* name, const std::string& value) {
    qv::win::UniqueHKey handle;
    return RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, handle.put(),
                           nullptr) == ERROR_SUCCESS &&
           RegSetValueExA(handle.get(), name, 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

std::map<std::string, RawValue> valuesOf(const char* key) {
    std::map<std::string, RawValue> values;
    qv::win::UniqueHKey handle;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_READ, handle.put()) != ERROR_SUCCESS)
        return values;
    for (DWORD index = 0;; ++index) {
        char name[256];
        DWORD nameSize = sizeof(name), type = 0, dataSize = 0;
        if (RegEnumValueA(handle.get(), index, name, &nameSize, nullptr, &type, nullptr,
                          &dataSize) != ERROR_SUCCESS)
            break;
        std::string data(dataSize, '\0');
        nameSize = sizeof(name);
        RegEnumValueA(handle.get(), index, name, &nameSize, nullptr, &type,
                      reinterpret_cast<BYTE*>(data.data()), &dataSize);
        values[name] = RawValue{type, data};
    }
    return values;
}

std::vector<std::string> logLines() {
    std::vector<std::string> lines;
    std::ifstream file(kLogFile);
    for (std::string line; std::getline(file, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> excelCalls() {
    std::vector<std::string> calls;
    for (auto line : logLines()) {
        if (line.rfind("start pid=", 0) == 0 || line.rfind("end pid=", 0) == 0) continue;
        const auto locale = line.find(" lcid=");
        if (locale != std::string::npos) line.erase(locale);
        calls.push_back(line);
    }
    return calls;
}

std::vector<DWORD> runningStandIns() {
    std::vector<DWORD> running;
    for (const auto& line : logLines()) {
        if (line.rfind("start pid=", 0) != 0) continue;
        const DWORD pid = std::stoul(line.substr(10));
        HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
        if (!process) continue;
        if (WaitForSingleObject(process, 0) == WAIT_TIMEOUT) running.push_back(pid);
        CloseHandle(process);
    }
    return running;
}

bool allStandInsEnd() {
    for (DWORD pid : runningStandIns()) {
        HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
        if (!process) continue;
        const DWORD outcome = WaitForSingleObject(process, 20000);
        CloseHandle(process);
        if (outcome != WAIT_OBJECT_0) return false;
    }
    return true;
}

bool copyFolderFiles(const std::string& source, const std::string& destination) {
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((source + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            CopyFileA((source + "\\" + found.cFileName).c_str(),
                      (destination + "\\" + found.cFileName).c_str(), FALSE);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return true;
}

void endStandIns() {
    for (DWORD pid : runningStandIns()) {
        HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
        if (!process) continue;
        TerminateProcess(process, 0);
        WaitForSingleObject(process, 5000);
        CloseHandle(process);
    }
}

void configureExcel(const char* version, const char* entries, const char* toolbarMacro) {
    setText(HKEY_CURRENT_USER, kConfigKey, "Version", version);
    setText(HKEY_CURRENT_USER, kConfigKey, "LibraryPath", kLibraryDir);
    setText(HKEY_CURRENT_USER, kConfigKey, "Entries", entries);
    setText(HKEY_CURRENT_USER, kConfigKey, "ToolbarMacro", toolbarMacro);
    setText(HKEY_CURRENT_USER, kConfigKey, "Log", kLogFile);
    setText(HKEY_CURRENT_USER, kConfigKey, "MailProgram", "");
}

void registerExcel() {
    setText(HKEY_CLASSES_ROOT, "Excel.application\\CLSID", nullptr, kStandInClassId);
    setText(HKEY_CLASSES_ROOT, std::string("CLSID\\") + kStandInClassId + "\\LocalServer32",
            nullptr, buildFile(QV_STANDIN_EXCEL));
}

void unregisterExcel() {
    const std::string classKey = std::string("CLSID\\") + kStandInClassId;
    RegDeleteKeyA(HKEY_CLASSES_ROOT, (classKey + "\\LocalServer32").c_str());
    RegDeleteKeyA(HKEY_CLASSES_ROOT, classKey.c_str());
    RegDeleteKeyA(HKEY_CLASSES_ROOT, "Excel.application\\CLSID");
    RegDeleteKeyA(HKEY_CLASSES_ROOT, "Excel.application");
}

}  // namespace qv::setup::testing
