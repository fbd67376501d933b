#pragma once
// Texts reach the registry through the narrow-character functions, in the system's ANSI
// code page. A character the code page lacks becomes the platform's replacement ('?' or a
// best-fit letter), never an error.

#include <string>

namespace qv {

class AnsiCodePage {
  public:
    virtual ~AnsiCodePage() = default;
    virtual std::string fromText(const std::wstring& text) const = 0;
    virtual std::wstring toText(const std::string& bytes) const = 0;
};

// Windows-1252, the ANSI code page of western Windows systems: the host build's stand-in
// for the system's code page.
class Windows1252CodePage final : public AnsiCodePage {
  public:
    std::string fromText(const std::wstring& text) const override;
    std::wstring toText(const std::string& bytes) const override;
};

}  // namespace qv
