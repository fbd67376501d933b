#pragma once
// Which install folders name a folder of their own. The setup records only such a folder,
// and a removal program deletes only inside the folder it was told about: a folder that is
// empty, blank, relative (to the current folder or the current drive) or otherwise not
// absolute names no folder to install into or delete in.

#include <optional>
#include <string>
#include <string_view>

namespace qv {

// True for a folder named from a drive's root ("C:\...", "C:/...") or from a network share
// ("\\server\share...").
bool isAbsoluteFolder(std::string_view folder);

// The folder as the file functions will see it (they stop at the first zero character), or
// nothing when that is not an absolute folder.
std::optional<std::string> usableFolder(std::string_view folder);

}  // namespace qv
