#include "ScriptingFileSystem.h"

#include "LateBinding.h"

namespace qv::setup::win {
namespace {

constexpr LCID kLocale = 1033;

DispatchObject newFileSystemObject() {
    return DispatchObject::create(L"Scripting.FileSystemObject");
}

// A member's result in the given type, converted as a script caller would.
qv::win::UniqueVariant converted(qv::win::UniqueVariant value, VARTYPE type) {
    const HRESULT result = VariantChangeTypeEx(value.get(), value.get(), kLocale, 0, type);
    if (FAILED(result)) throw automationError(result);
    return value;
}

// A drive's Path ("C:"). Wine's Drive object has no Path at all; there the letter asked
// for, which is what Path gives on Windows, stands in.
std::wstring pathOf(const DispatchObject& drive, const std::wstring& asked) {
    try {
        return drive.text(L"Path");
    } catch (const RuntimeError&) {
        return asked;
    }
}

}  // namespace

bool ScriptingFileSystem::fileExists(const std::wstring& fileName) {
    auto name = textArgument(fileName);
    return newFileSystemObject().boolean(L"FileExists", {name.get()});
}

bool ScriptingFileSystem::folderExists(const std::wstring& folder) {
    auto name = textArgument(folder);
    return newFileSystemObject().boolean(L"FolderExists", {name.get()});
}

void ScriptingFileSystem::createFolder(const std::wstring& folder) {
    auto name = textArgument(folder);
    newFileSystemObject().get(L"CreateFolder", {name.get()});
}

void ScriptingFileSystem::deleteFile(const std::wstring& fileName, bool force) {
    auto name = textArgument(fileName);
    auto forced = boolArgument(force);
    newFileSystemObject().get(L"DeleteFile", {name.get(), forced.get()});
}

void ScriptingFileSystem::copyFile(const std::wstring& source, const std::wstring& destination,
                                   bool overwrite) {
    auto from = textArgument(source);
    auto to = textArgument(destination);
    auto replace = boolArgument(overwrite);
    newFileSystemObject().get(L"copyfile", {from.get(), to.get(), replace.get()});
}

std::vector<DriveEntry> ScriptingFileSystem::drives() {
    // Wine's object cannot enumerate its Drives collection (For Each and Item fail with
    // error 445), while DriveExists, GetDrive and DriveType work there as on Windows; asking
    // letter by letter gives the same drives in letter order on both.
    const DispatchObject fileSystem = newFileSystemObject();
    std::vector<DriveEntry> found;
    for (wchar_t letter = L'A'; letter <= L'Z'; ++letter) {
        const std::wstring name{letter, L':'};
        auto argument = textArgument(name);
        if (!fileSystem.boolean(L"DriveExists", {argument.get()})) continue;
        const DispatchObject drive = fileSystem.object(L"GetDrive", {argument.get()});
        auto type = converted(drive.get(L"DriveType"), VT_I4);
        found.push_back({pathOf(drive, name), static_cast<int>(type.get()->lVal)});
    }
    return found;
}

std::wstring ScriptingFileSystem::getDriveName(const std::wstring& path) {
    auto name = textArgument(path);
    auto drive = converted(newFileSystemObject().get(L"GetDriveName", {name.get()}), VT_BSTR);
    return qv::win::textOf(drive.get()->bstrVal);
}

}  // namespace qv::setup::win
