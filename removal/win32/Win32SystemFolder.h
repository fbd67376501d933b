#pragma once
// The system folder through GetSystemDirectoryA, in the ANSI code page.

#include "RemovalPlatform.h"

namespace qv::removal::win {

class Win32SystemFolder final : public SystemFolder {
  public:
    std::optional<std::string> read() const override;
};

}  // namespace qv::removal::win
