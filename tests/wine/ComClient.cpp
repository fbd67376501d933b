#include "ComClient.h"

namespace qv::testing {

ComPtr<_CLibrary> ComTest::createLibrary() {
    CLSID clsid{};
    EXPECT_EQ(CLSIDFromProgID(L"IQV_v011.CLibrary", &clsid), S_OK);
    EXPECT_TRUE(IsEqualCLSID(clsid, CLSID_CLibrary));
    ComPtr<_CLibrary> library;
    EXPECT_EQ(
        CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID__CLibrary, library.putVoid()),
        S_OK);
    return library;
}

LateResult callByName(IDispatch* object, const wchar_t* name, std::vector<VARIANT> arguments) {
    LateResult result;
    DISPID id = 0;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    result.status = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(result.status)) return result;
    std::vector<VARIANT> reversed(arguments.rbegin(), arguments.rend());
    DISPPARAMS parameters{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
    EXCEPINFO exception{};
    UINT argumentError = 0;
    result.status =
        object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD | DISPATCH_PROPERTYGET,
                       &parameters, result.value.get(), &exception, &argumentError);
    if (result.status == DISP_E_EXCEPTION) {
        result.description = win::textOf(exception.bstrDescription);
        result.exceptionCode = exception.scode;
        SysFreeString(exception.bstrDescription);
        SysFreeString(exception.bstrSource);
        SysFreeString(exception.bstrHelpFile);
    }
    return result;
}

VARIANT textArgument(const std::wstring& text) {
    VARIANT value;
    V_VT(&value) = VT_BSTR;
    V_BSTR(&value) = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return value;
}

VARIANT longArgument(long number) {
    VARIANT value;
    V_VT(&value) = VT_I4;
    V_I4(&value) = number;
    return value;
}

VARIANT shortArgument(short number) {
    VARIANT value;
    V_VT(&value) = VT_I2;
    V_I2(&value) = number;
    return value;
}

std::wstring lastErrorDescription() {
    ComPtr<IErrorInfo> info;
    if (GetErrorInfo(0, info.put()) != S_OK) return L"(no error information)";
    UniqueBstr description;
    info->GetDescription(description.put());
    return win::textOf(description.get());
}

std::optional<RawValue> readRaw(const char* key, const char* name) {
    win::UniqueHKey opened;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_READ, opened.put()) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    RawValue value;
    DWORD size = 0;
    if (RegQueryValueExA(opened.get(), name, nullptr, &value.type, nullptr, &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    value.data.resize(size);
    RegQueryValueExA(opened.get(), name, nullptr, &value.type, value.data.data(), &size);
    value.data.resize(size);
    return value;
}

std::wstring variantText(const VARIANT& value) {
    EXPECT_EQ(V_VT(&value), VT_BSTR);
    return V_VT(&value) == VT_BSTR ? win::textOf(V_BSTR(&value)) : L"";
}

std::wstring registeredLibraryFile() {
    wchar_t path[MAX_PATH] = {};
    LONG size = sizeof(path);
    RegQueryValueW(HKEY_CLASSES_ROOT,
                   L"CLSID\\{74518471-5ECC-4B41-9FBF-9E695C90AE4E}\\InprocServer32", path, &size);
    return path;
}

}  // namespace qv::testing
