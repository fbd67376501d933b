#include "Win32SystemFolder.h"

#include <windows.h>

namespace qv::removal::win {

std::optional<std::string> Win32SystemFolder::read() const {
    std::string buffer(MAX_PATH, '\0');
    // A folder longer than the buffer is told as the size it needs: ask again with that.
    for (;;) {
        const UINT length = GetSystemDirectoryA(buffer.data(), static_cast<UINT>(buffer.size()));
        if (length == 0) return std::nullopt;
        if (length < buffer.size()) {
            buffer.resize(length);
            return buffer;
        }
        buffer.resize(length);
    }
}

}  // namespace qv::removal::win
