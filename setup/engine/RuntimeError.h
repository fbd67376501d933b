#pragma once
// A failure raised by a call to the outside (automation, file system, processes): the
// number and description that the step's error handling shows or passes over. The end of
// the program is a separate signal, so that no handler catches it by mistake.

#include <cstdint>
#include <exception>
#include <string>

namespace qv::setup {

class RuntimeError : public std::exception {
  public:
    RuntimeError(std::int32_t number, std::wstring description)
        : number_(number), description_(std::move(description)) {}

    std::int32_t number() const noexcept { return number_; }
    const std::wstring& description() const noexcept { return description_; }
    const char* what() const noexcept override { return "Quorvane setup run-time error"; }

  private:
    std::int32_t number_;
    std::wstring description_;
};

// Thrown where the program ends; only the outermost frame (runSetup) catches it, so every
// modal page between the ending step and the start unwinds without running on.
struct EndOfProgram {};

// Error 91, raised by a call on an automation object that could not be had.
RuntimeError objectNotSet();

}  // namespace qv::setup
