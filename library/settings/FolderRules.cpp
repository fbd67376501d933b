#include "FolderRules.h"

namespace qv {
namespace {

bool isSeparator(char c) { return c == '\\' || c == '/'; }

bool isDriveLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// The length of a non-empty path component starting at `from`, or 0.
std::size_t componentLength(std::string_view path, std::size_t from) {
    std::size_t end = from;
    while (end < path.size() && !isSeparator(path[end])) ++end;
    return end - from;
}

}  // namespace

bool isAbsoluteFolder(std::string_view folder) {
    if (folder.size() >= 3 && isDriveLetter(folder[0]) && folder[1] == ':' &&
        isSeparator(folder[2])) {
        return true;
    }
    // A share needs both its server and its share name: "\\server" alone is no folder.
    if (folder.size() < 2 || !isSeparator(folder[0]) || !isSeparator(folder[1])) return false;
    const std::size_t server = componentLength(folder, 2);
    if (server == 0 || 2 + server >= folder.size()) return false;
    return componentLength(folder, 2 + server + 1) > 0;
}

std::optional<std::string> usableFolder(std::string_view folder) {
    const std::string_view seen = folder.substr(0, folder.find('\0'));
    if (!isAbsoluteFolder(seen)) return std::nullopt;
    return std::string(seen);
}

}  // namespace qv
