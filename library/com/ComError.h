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
// The same for a member called through IDispatch::Invoke, whose own failure comes back as
// DISP_E_EXCEPTION with its number and description in `exception`, freed here.
void throwIfFailed(HRESULT result, EXCEPINFO& exception);

// Runs the body of a method that returns its own HRESULT, such as those of IDispatch, and
// turns what escapes it (the allocator's or the runtime's exceptions, members trap their
// own) into an HRESULT without error information.
template <class Body>
HRESULT guardedCall(Body&& body) noexcept {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

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
