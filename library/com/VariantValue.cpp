#include "VariantValue.h"

#include "ComHandles.h"
#include "LibraryError.h"

#include <cstring>

namespace qv::win {
namespace {

[[noreturn]] void throwConversionError(HRESULT result) {
    switch (result) {
        case DISP_E_OVERFLOW:
            throw LibraryError::runtime(kOverflow);
        case E_OUTOFMEMORY:
            throw LibraryError::runtime(kOutOfMemory);
        default:
            throw LibraryError::runtime(kTypeMismatch);
    }
}

// The value itself, references followed.
UniqueVariant dereferenced(const VARIANT& value) {
    UniqueVariant copy;
    const HRESULT result = VariantCopyInd(copy.get(), const_cast<VARIANT*>(&value));
    if (FAILED(result)) throwConversionError(result);
    if (V_VT(copy.get()) == VT_NULL) throw LibraryError::runtime(kInvalidUseOfNull);
    return copy;
}

UniqueVariant converted(const VARIANT& value, VARTYPE type) {
    UniqueVariant copy = dereferenced(value);
    const HRESULT result =
        VariantChangeTypeEx(copy.get(), copy.get(), LOCALE_USER_DEFAULT, 0, type);
    if (FAILED(result)) throwConversionError(result);
    return copy;
}

}  // namespace

std::wstring VariantValueSource::toText() const {
    return textOf(V_BSTR(converted(value_, VT_BSTR).get()));
}

Bytes VariantValueSource::toBytes() const {
    UniqueVariant value = dereferenced(value_);
    if (V_VT(value.get()) == VT_BSTR) {
        const BSTR text = V_BSTR(value.get());
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(text);
        return Bytes(bytes, bytes + SysStringByteLen(text));
    }
    if (V_VT(value.get()) != (VT_ARRAY | VT_UI1) || SafeArrayGetDim(V_ARRAY(value.get())) != 1) {
        throw LibraryError::runtime(kTypeMismatch);
    }
    SAFEARRAY* array = V_ARRAY(value.get());
    LONG lower = 0, upper = -1;
    SafeArrayGetLBound(array, 1, &lower);
    SafeArrayGetUBound(array, 1, &upper);
    Bytes bytes(static_cast<std::size_t>(upper - lower + 1));
    void* data = nullptr;
    if (!bytes.empty() && SUCCEEDED(SafeArrayAccessData(array, &data))) {
        std::memcpy(bytes.data(), data, bytes.size());
        SafeArrayUnaccessData(array);
    }
    return bytes;
}

std::int32_t VariantValueSource::toInt32() const { return V_I4(converted(value_, VT_I4).get()); }

void storeValue(const RegistryValue& value, VARIANT* result) {
    if (const auto* text = std::get_if<std::wstring>(&value)) {
        UniqueBstr stored(*text);
        if (!stored.get()) throw LibraryError::runtime(kOutOfMemory);
        V_VT(result) = VT_BSTR;
        V_BSTR(result) = stored.release();
    } else if (const auto* bytes = std::get_if<Bytes>(&value)) {
        UniqueSafeArray array(SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(bytes->size())));
        if (!array.get()) throw LibraryError::runtime(kOutOfMemory);
        if (!bytes->empty()) std::memcpy(array.get()->pvData, bytes->data(), bytes->size());
        V_VT(result) = VT_ARRAY | VT_UI1;
        V_ARRAY(result) = array.release();
    } else {
        V_VT(result) = VT_I4;
        V_I4(result) = std::get<std::int32_t>(value);
    }
}

bool isMissingArgument(const VARIANT* argument) {
    if (!argument) return true;
    const VARIANT* value = argument;
    if (V_VT(value) == (VT_BYREF | VT_VARIANT) && V_VARIANTREF(value)) value = V_VARIANTREF(value);
    return V_VT(value) == VT_ERROR && V_ERROR(value) == DISP_E_PARAMNOTFOUND;
}

}  // namespace qv::win
