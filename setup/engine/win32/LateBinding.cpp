#include "LateBinding.h"

#include <vector>

namespace qv::setup::win {
namespace {

constexpr LCID kLocale = 1033;

// Descriptions of the errors the automation objects the setup uses report by number only.
std::wstring describe(std::int32_t number) {
    switch (number) {
        case 5:
            return L"Invalid procedure call or argument";
        case 9:
            return L"Subscript out of range";
        case 13:
            return L"Type mismatch";
        case 53:
            return L"File not found";
        case 58:
            return L"File already exists";
        case 61:
            return L"Disk full";
        case 70:
            return L"Permission denied";
        case 75:
            return L"Path/File access error";
        case 76:
            return L"Path not found";
        case 91:
            return L"Object variable or With block variable not set";
        case 429:
            return L"ActiveX component can't create object";
        case 438:
            return L"Object doesn't support this property or method";
        case 1004:
            return L"Application-defined or object-defined error";
    }
    return L"Automation error";
}

// Run-time errors travel as HRESULTs of the control facility, 0x800A0000 | number.
bool isControlError(HRESULT result) {
    return (static_cast<unsigned long>(result) & 0xFFFF0000ul) == 0x800A0000ul;
}

}  // namespace

RuntimeError automationError(HRESULT result, EXCEPINFO* exception) {
    if (result == DISP_E_EXCEPTION && exception) {
        if (exception->pfnDeferredFillIn) exception->pfnDeferredFillIn(exception);
        qv::win::UniqueBstr description, source, help;
        description.reset(exception->bstrDescription);
        source.reset(exception->bstrSource);
        help.reset(exception->bstrHelpFile);
        std::int32_t number = exception->wCode;
        if (number == 0) {
            number = isControlError(exception->scode) ? (exception->scode & 0xFFFF)
                                                      : static_cast<std::int32_t>(exception->scode);
        }
        std::wstring text = qv::win::textOf(description.get());
        return RuntimeError(number, text.empty() ? describe(number) : text);
    }
    if (result == REGDB_E_CLASSNOTREG || result == CO_E_CLASSSTRING)
        return RuntimeError(429, describe(429));
    if (result == DISP_E_UNKNOWNNAME || result == DISP_E_MEMBERNOTFOUND)
        return RuntimeError(438, describe(438));
    if (result == DISP_E_TYPEMISMATCH) return RuntimeError(13, describe(13));
    if (isControlError(result)) {
        const std::int32_t number = result & 0xFFFF;
        return RuntimeError(number, describe(number));
    }
    return RuntimeError(static_cast<std::int32_t>(result), describe(-1));
}

DispatchObject DispatchObject::create(const wchar_t* progId) {
    CLSID classId;
    HRESULT result = CLSIDFromProgID(progId, &classId);
    if (FAILED(result)) throw automationError(REGDB_E_CLASSNOTREG);
    qv::win::ComPtr<IDispatch> object;
    result = CoCreateInstance(classId, nullptr, CLSCTX_SERVER, IID_IDispatch, object.putVoid());
    if (FAILED(result)) throw automationError(REGDB_E_CLASSNOTREG);
    return DispatchObject(std::move(object));
}

DISPID DispatchObject::memberId(const wchar_t* member) const {
    if (!object_) throw objectNotSet();
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR name = const_cast<LPOLESTR>(member);
    const HRESULT result = object_->GetIDsOfNames(IID_NULL, &name, 1, kLocale, &id);
    if (FAILED(result)) throw automationError(result);
    return id;
}

qv::win::UniqueVariant DispatchObject::get(const wchar_t* member,
                                           std::initializer_list<const VARIANT*> arguments) const {
    const DISPID id = memberId(member);
    // DISPPARAMS lists the arguments last first.
    std::vector<VARIANT> reversed;
    for (auto at = arguments.end(); at != arguments.begin();) reversed.push_back(**--at);
    DISPPARAMS parameters{reversed.empty() ? nullptr : reversed.data(), nullptr,
                          static_cast<UINT>(reversed.size()), 0};
    qv::win::UniqueVariant value;
    EXCEPINFO exception{};
    UINT badArgument = 0;
    const HRESULT result =
        object_->Invoke(id, IID_NULL, kLocale, DISPATCH_METHOD | DISPATCH_PROPERTYGET, &parameters,
                        value.get(), &exception, &badArgument);
    if (FAILED(result)) throw automationError(result, &exception);
    return value;
}

void DispatchObject::put(const wchar_t* member, const VARIANT& value) const {
    const DISPID id = memberId(member);
    VARIANT argument = value;
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS parameters{&argument, &named, 1, 1};
    EXCEPINFO exception{};
    UINT badArgument = 0;
    const HRESULT result = object_->Invoke(id, IID_NULL, kLocale, DISPATCH_PROPERTYPUT, &parameters,
                                           nullptr, &exception, &badArgument);
    if (FAILED(result)) throw automationError(result, &exception);
}

DispatchObject DispatchObject::object(const wchar_t* member,
                                      std::initializer_list<const VARIANT*> arguments) const {
    qv::win::UniqueVariant value = get(member, arguments);
    if (value.get()->vt != VT_DISPATCH || !value.get()->pdispVal) throw objectNotSet();
    qv::win::ComPtr<IDispatch> object;
    value.get()->pdispVal->QueryInterface(IID_IDispatch, object.putVoid());
    if (!object) throw objectNotSet();
    return DispatchObject(std::move(object));
}

std::wstring DispatchObject::text(const wchar_t* member) const {
    qv::win::UniqueVariant value = get(member);
    const HRESULT result = VariantChangeTypeEx(value.get(), value.get(), kLocale, 0, VT_BSTR);
    if (FAILED(result)) throw automationError(result);
    return qv::win::textOf(value.get()->bstrVal);
}

bool DispatchObject::boolean(const wchar_t* member,
                             std::initializer_list<const VARIANT*> arguments) const {
    qv::win::UniqueVariant value = get(member, arguments);
    const HRESULT result = VariantChangeTypeEx(value.get(), value.get(), kLocale, 0, VT_BOOL);
    if (FAILED(result)) throw automationError(result);
    return value.get()->boolVal != VARIANT_FALSE;
}

qv::win::UniqueVariant textArgument(const std::wstring& text) {
    qv::win::UniqueVariant value;
    value.get()->vt = VT_BSTR;
    value.get()->bstrVal = qv::win::UniqueBstr(text).release();
    return value;
}

qv::win::UniqueVariant boolArgument(bool flag) {
    qv::win::UniqueVariant value;
    value.get()->vt = VT_BOOL;
    value.get()->boolVal = flag ? VARIANT_TRUE : VARIANT_FALSE;
    return value;
}

qv::win::UniqueVariant int32Argument(std::int32_t number) {
    qv::win::UniqueVariant value;
    value.get()->vt = VT_I4;
    value.get()->lVal = number;
    return value;
}

}  // namespace qv::setup::win
