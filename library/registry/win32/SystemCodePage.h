#pragma once
// The system's ANSI code page, through the platform's own conversions (characters it lacks
// become its replacement character or a best-fit letter).

#include "AnsiCodePage.h"

namespace qv::win {

class SystemCodePage final : public AnsiCodePage {
  public:
    std::string fromText(const std::wstring& text) const override;
    std::wstring toText(const std::string& bytes) const override;
};

}  // namespace qv::win
