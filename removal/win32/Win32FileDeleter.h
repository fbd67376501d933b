#pragma once
// File deletion through DeleteFileA; its result is not examined.

#include "RemovalPlatform.h"

namespace qv::removal::win {

class Win32FileDeleter final : public FileDeleter {
  public:
    void deleteFile(const std::string& path) override;
};

}  // namespace qv::removal::win
