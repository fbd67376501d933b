#pragma once
// Errors across the COM boundary. A member fails with the HRESULT 0x800A0000 | number and
// the error information of its description, which Automation clients read back as
// Err.Number and Err.Description; late-bound callers get DISP_E_EXCEPTION with EXCEPINFO.
// No C++ exception ever leaves a member.

#include "LibraryError.h"

#include <windows.h>

#include <new>

namespace qv::win {

HRESULT hresultOf(std::int32_t errorNumber);

// Sets the error information of `error` and returns its HRESULT.
HRESULT reportError(const LibraryError& error);

// Raises a failure returned by a member called through the public interface again, with
// the same number and description.
void throwIfFailed(HRESULT result);

// Runs a member's body and turns what it raises into the member's HRESULT.
template <class Body>
HRESULT guardedMember(Body&& body) noexcept {
    try {
        SetErrorInfo(0, nullptr);
        body();
        return S_OK;
    } catch (const LibraryError& error) {
        return reportError(error);
    } catch (const std::bad_alloc&) {
        return reportError(LibraryError::runtime(kOutOfMemory));
    } catch (...) {
        return E_UNEXPECTED;
    }
}

}  // namespace qv::win
