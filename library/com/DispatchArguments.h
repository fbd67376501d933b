#pragma once
// Late-bound arguments made fit for DispInvoke, which on its own refuses or mishandles what
// script clients pass:
// - a variable passed by reference arrives as VT_BYREF|VT_VARIANT, which DispInvoke rejects
//   for a typed by-reference parameter (BSTR*, short*, float*): it is converted into a
//   temporary of the parameter's type, passed by reference;
// - a value passed for a VARIANT* parameter is copied into a temporary passed by reference;
// - omitted trailing optional arguments are supplied: the parameter's default value when it
//   has one, otherwise a missing argument (VT_ERROR, DISP_E_PARAMNOTFOUND); an omitted
//   required argument is the wrong number of arguments (DISP_E_BADPARAMCOUNT).
// A member that changes a by-reference argument (prcLink gives its text back through the
// ANSI code page) must reach the caller's variable: after the call, a temporary converted
// from a script variable is copied back into it, but only when the member changed it, so a
// member that leaves its arguments alone never changes the type of a caller's variable.

#include "ComHandles.h"

#include <oaidl.h>

#include <vector>

namespace qv::win {

class DispatchArguments {
  public:
    // Prepares `parameters` of a call to `id` described by the vtable side `info`. Calls
    // with named arguments, and members the description lacks, pass through unchanged.
    DispatchArguments(ITypeInfo* info, DISPID id, WORD flags, DISPPARAMS& parameters);
    DispatchArguments(const DispatchArguments&) = delete;
    DispatchArguments& operator=(const DispatchArguments&) = delete;

    // S_OK, or the failure to report with argumentError() as the offending argument.
    HRESULT status() const { return status_; }
    UINT argumentError() const { return argumentError_; }
    DISPPARAMS* parameters() { return &prepared_; }

    // After the call: copies each converted temporary the member changed back into the
    // script variable it came from. S_OK, or E_OUTOFMEMORY when a copy could not be made.
    HRESULT returnReferences();

  private:
    // A script variable passed by reference to a typed by-reference parameter.
    struct ConvertedReference {
        VARIANT* variable;     // the caller's
        VARIANT* converted;    // the temporary the member receives
        UniqueVariant passed;  // what the temporary held before the call
    };

    void prepare(ITypeInfo* info, const FUNCDESC& function, const DISPPARAMS& original);

    HRESULT status_ = S_OK;
    UINT argumentError_ = 0;
    DISPPARAMS prepared_{};
    std::vector<VARIANT> arguments_;  // shallow: they point into the caller's or temporaries_
    std::vector<UniqueVariant> temporaries_;  // reserved up front, so pointers stay valid
    std::vector<ConvertedReference> converted_;
};

}  // namespace qv::win
