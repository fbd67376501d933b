#include "LibraryError.h"

#include <utility>

namespace qv {

const wchar_t kKeyNotCreatedDescription[] = L"No fue posible crear la clave del registro";
const wchar_t kUnsupportedValueTypeDescription[] = L"Tipo de valor no compatible";

LibraryError::LibraryError(std::int32_t number, std::wstring description)
    : number_(number), description_(std::move(description)) {}

LibraryError LibraryError::runtime(RuntimeErrorNumber number) {
    return LibraryError(number, runtimeErrorDescription(number));
}

std::wstring runtimeErrorDescription(std::int32_t number) {
    switch (number) {
        case kInvalidProcedureCall:
            return L"Invalid procedure call or argument";
        case kOverflow:
            return L"Overflow";
        case kOutOfMemory:
            return L"Out of memory";
        case kSubscriptOutOfRange:
            return L"Subscript out of range";
        case kTypeMismatch:
            return L"Type mismatch";
        case kObjectNotSet:
            return L"Object variable or With block variable not set";
        case kInvalidUseOfNull:
            return L"Invalid use of Null";
        default:
            return L"";
    }
}

}  // namespace qv
