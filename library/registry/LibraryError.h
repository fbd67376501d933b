#pragma once
// An error raised by a member of the library. It ends the member and reaches the COM
// caller as Err.Number and Err.Description.

#include <cstdint>
#include <exception>
#include <string>

namespace qv {

// The one number the library raises of its own, with its two descriptions.
constexpr std::int32_t kLibraryErrorNumber = 1001;
extern const wchar_t kKeyNotCreatedDescription[];
extern const wchar_t kUnsupportedValueTypeDescription[];

// The usual run-time errors, with their usual numbers.
enum RuntimeErrorNumber : std::int32_t {
    kInvalidProcedureCall = 5,
    kOverflow = 6,
    kOutOfMemory = 7,
    kSubscriptOutOfRange = 9,
    kTypeMismatch = 13,
    kObjectNotSet = 91,
    kInvalidUseOfNull = 94,
};

class LibraryError : public std::exception {
  public:
    LibraryError(std::int32_t number, std::wstring description);

    // A run-time error with its usual English description.
    static LibraryError runtime(RuntimeErrorNumber number);

    std::int32_t number() const noexcept { return number_; }
    const std::wstring& description() const noexcept { return description_; }
    const char* what() const noexcept override { return "Quorvane library error"; }

  private:
    std::int32_t number_;
    std::wstring description_;
};

// The description of a run-time error number; empty for numbers without one.
std::wstring runtimeErrorDescription(std::int32_t number);

}  // namespace qv
