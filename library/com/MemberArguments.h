#pragma once
// Small conversions shared by the members of CLibrary: arguments in, results out.

#include "ComHandles.h"
#include "LibraryError.h"

#include <cstdint>
#include <string>

namespace qv::win {

inline VARIANT_BOOL variantBool(bool value) { return value ? VARIANT_TRUE : VARIANT_FALSE; }

// A by-reference text argument; a null pointer reads as the empty text.
inline std::wstring textArgument(const BSTR* argument) {
    return argument ? textOf(*argument) : L"";
}

inline std::int16_t numberArgument(const SHORT* argument) { return argument ? *argument : 0; }

// A result text for the caller, who frees it.
inline BSTR newBstr(const std::wstring& text) {
    UniqueBstr value(text);
    if (!value.get()) throw LibraryError::runtime(kOutOfMemory);
    return value.release();
}

}  // namespace qv::win
