#include "ScriptingFileSystem.h"

#include "LateBinding.h"

namespace qv::setup::win {
namespace {

DispatchObject newFileSystemObject() {
    return DispatchObject::create(L"Scripting.FileSystemObject");
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

}  // namespace qv::setup::win
