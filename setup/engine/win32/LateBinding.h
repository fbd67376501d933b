#pragma once
// Late-bound automation: members called by name through IDispatch, in locale 1033, with
// every failure turned into the RuntimeError (number and description) a script caller
// would see.

#include "ComHandles.h"
#include "RuntimeError.h"

#include <initializer_list>
#include <string>

namespace qv::setup::win {

class DispatchObject {
  public:
    DispatchObject() = default;
    explicit DispatchObject(qv::win::ComPtr<IDispatch> object) : object_(std::move(object)) {}

    // A new object by programmatic identifier; 429 when none can be created.
    static DispatchObject create(const wchar_t* progId);

    // Property get, or a method call with `arguments` (first argument first).
    qv::win::UniqueVariant get(const wchar_t* member,
                               std::initializer_list<const VARIANT*> arguments = {}) const;
    // Property put.
    void put(const wchar_t* member, const VARIANT& value) const;

    // The object held by a member's result; error 91 when the result holds none.
    DispatchObject object(const wchar_t* member,
                          std::initializer_list<const VARIANT*> arguments = {}) const;

    std::wstring text(const wchar_t* member) const;
    bool boolean(const wchar_t* member, std::initializer_list<const VARIANT*> arguments) const;

  private:
    DISPID memberId(const wchar_t* member) const;
    qv::win::ComPtr<IDispatch> object_;
};

// Variant arguments, owned.
qv::win::UniqueVariant textArgument(const std::wstring& text);
qv::win::UniqueVariant boolArgument(bool value);
qv::win::UniqueVariant int32Argument(std::int32_t value);

// The RuntimeError for a failed HRESULT (with the exception information when there is any).
RuntimeError automationError(HRESULT result, EXCEPINFO* exception = nullptr);

}  // namespace qv::setup::win
