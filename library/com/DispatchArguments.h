#pragma once
// Late-bound arguments made fit for DispInvoke, which on its own refuses or mishandles what
// script clients pass:
// - a variable passed by reference arrives as VT_BYREF|VT_VARIANT, which DispInvoke rejects
//   for a typed by-reference parameter (BSTR*, short*, float*): it is converted into a
//   temporary of the parameter's type, passed by reference;
// - a value passed for a VARIANT* parameter is copied into a temporary passed by reference;
// - omitted trailing optional arguments are supplied: the parameter's default value when it
//   has one, otherwise a missing argument (VT_ERROR, DISP_E_PARAMNOTFOUND).
// Members never change their by-reference arguments, so temporaries are not copied back.

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

  private:
    void prepare(ITypeInfo* info, const FUNCDESC& function, const DISPPARAMS& original);

    HRESULT status_ = S_OK;
    UINT argumentError_ = 0;
    DISPPARAMS prepared_{};
    std::vector<VARIANT> arguments_;  // shallow: they point into the caller's or temporaries_
    std::vector<UniqueVariant> temporaries_;  // reserved up front, so pointers stay valid
};

}  // namespace qv::win
