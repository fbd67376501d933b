// IQV_v011.CLibrary from a C++ client: early bound through the vtable of _CLibrary, and late
// bound through IDispatch, against the real registry of the test's Wine prefix.

#include "ComClient.h"

#include <cstring>
#include <string>

namespace qv::testing {
namespace {

constexpr LONG kHkcu = static_cast<LONG>(0x80000001u);
constexpr HRESULT kError1001 = static_cast<HRESULT>(0x800A03E9u);

class LibraryClientTest : public ComTest {
  protected:
    void SetUp() override {
        ComTest::SetUp();
        library_ = createLibrary();
        ASSERT_TRUE(library_);
    }
    void TearDown() override {
        library_.reset();
        ComTest::TearDown();
    }

    // Creates the key below HKEY_CURRENT_USER and returns its path as the library takes it.
    UniqueBstr createKey(const wchar_t* path) {
        UniqueBstr key(path);
        VARIANT_BOOL existed = VARIANT_TRUE;
        EXPECT_EQ(library_->CreateRegistryKey(kHkcu, key.get(), &existed), S_OK);
        return key;
    }

    HRESULT set(BSTR key, const wchar_t* name, short type, VARIANT value) {
        UniqueBstr valueName(name);
        const HRESULT result =
            library_->SetRegistryValue(kHkcu, key, valueName.get(), type, &value);
        VariantClear(&value);
        return result;
    }

    UniqueVariant get(BSTR key, const wchar_t* name, short type, VARIANT* defaultValue = nullptr) {
        UniqueBstr valueName(name);
        UniqueVariant result;
        EXPECT_EQ(library_->GetRegistryValue(kHkcu, key, valueName.get(), type, defaultValue,
                                             result.get()),
                  S_OK);
        return result;
    }

    ComPtr<_CLibrary> library_;
};

TEST_F(LibraryClientTest, EachObjectHasItsOwnTitleStartingEmpty) {
    ComPtr<_CLibrary> other = createLibrary();
    UniqueBstr title;
    ASSERT_EQ(library_->get_lCia(title.put()), S_OK);
    EXPECT_EQ(win::textOf(title.get()), L"");
    UniqueBstr newTitle(L"Quorvane Function");
    ASSERT_EQ(library_->put_lCia(newTitle.get()), S_OK);
    ASSERT_EQ(library_->get_lCia(title.put()), S_OK);
    EXPECT_EQ(win::textOf(title.get()), L"Quorvane Function");
    ASSERT_EQ(other->get_lCia(title.put()), S_OK);
    EXPECT_EQ(win::textOf(title.get()), L"");
}

TEST_F(LibraryClientTest, CreateRegistryKeyTellsWhetherTheKeyExisted) {
    UniqueBstr key(L"Software\\QuorvaneClient\\Deep\\Er\\Still");
    VARIANT_BOOL existed = VARIANT_TRUE;
    ASSERT_EQ(library_->CreateRegistryKey(kHkcu, key.get(), &existed), S_OK);
    EXPECT_EQ(existed, VARIANT_FALSE);
    ASSERT_EQ(library_->CreateRegistryKey(kHkcu, key.get(), &existed), S_OK);
    EXPECT_EQ(existed, VARIANT_TRUE);
    VARIANT_BOOL exists = VARIANT_FALSE;
    UniqueBstr parent(L"Software\\QuorvaneClient\\Deep");
    ASSERT_EQ(library_->CheckRegistryKey(kHkcu, parent.get(), &exists), S_OK);
    EXPECT_EQ(exists, VARIANT_TRUE);
}

TEST_F(LibraryClientTest, ValuesKeepTheStoredFormOfTheirTypeCode) {
    UniqueBstr key = createKey(L"Software\\QuorvaneClient\\Forms");
    const char* rawKey = "Software\\QuorvaneClient\\Forms";

    ASSERT_EQ(set(key.get(), L"text", 1, textArgument(L"Hola")), S_OK);
    EXPECT_EQ(readRaw(rawKey, "text"), (RawValue{REG_SZ, {'H', 'o', 'l', 'a', 0}}));
    EXPECT_EQ(variantText(*get(key.get(), L"text", 1).get()), L"Hola");

    ASSERT_EQ(set(key.get(), L"empty", 1, textArgument(L"")), S_OK);
    EXPECT_EQ(readRaw(rawKey, "empty"), (RawValue{REG_SZ, {}}));
    EXPECT_EQ(variantText(*get(key.get(), L"empty", 1).get()), L"");

    ASSERT_EQ(set(key.get(), L"binary", 3, textArgument(L"01")), S_OK);
    EXPECT_EQ(readRaw(rawKey, "binary"), (RawValue{REG_BINARY, {0x30, 0x00, 0x31, 0x00}}));
    UniqueVariant binary = get(key.get(), L"binary", 3);
    ASSERT_EQ(V_VT(binary.get()), VT_ARRAY | VT_UI1);
    LONG lower = -1, upper = -1;
    SafeArrayGetLBound(V_ARRAY(binary.get()), 1, &lower);
    SafeArrayGetUBound(V_ARRAY(binary.get()), 1, &upper);
    EXPECT_EQ(lower, 0);
    EXPECT_EQ(upper, 3);
    EXPECT_EQ(std::memcmp(V_ARRAY(binary.get())->pvData, "\x30\x00\x31\x00", 4), 0);

    // The byte array read back writes the same bytes again.
    ASSERT_EQ(set(key.get(), L"copy", 3, *binary.get()), S_OK);
    binary.release();
    EXPECT_EQ(readRaw(rawKey, "copy"), (RawValue{REG_BINARY, {0x30, 0x00, 0x31, 0x00}}));

    ASSERT_EQ(set(key.get(), L"number", 4, longArgument(100)), S_OK);
    EXPECT_EQ(readRaw(rawKey, "number"), (RawValue{REG_DWORD, {100, 0, 0, 0}}));
    UniqueVariant number = get(key.get(), L"number", 4);
    ASSERT_EQ(V_VT(number.get()), VT_I4);
    EXPECT_EQ(V_I4(number.get()), 100);
}

TEST_F(LibraryClientTest, TextsGoThroughTheAnsiCodePage) {
    UniqueBstr key = createKey(L"Software\\QuorvaneClient\\Ansi");
    // Letters outside the code page come back as the platform's own conversion makes them
    // (a best-fit letter or '?'), one for one; letters of the code page come back unchanged.
    const std::wstring mixed = L"\u00e9\u20ac\u03a9x\u4e2d";
    char ansi[16] = {};
    const int length =
        WideCharToMultiByte(CP_ACP, 0, mixed.c_str(), -1, ansi, sizeof(ansi), nullptr, nullptr);
    wchar_t expected[16] = {};
    MultiByteToWideChar(CP_ACP, 0, ansi, length, expected, 16);
    ASSERT_EQ(std::wcslen(expected), mixed.size());
    ASSERT_NE(std::wstring(expected), mixed);
    ASSERT_EQ(set(key.get(), L"mixed", 1, textArgument(mixed)), S_OK);
    const std::wstring read = variantText(*get(key.get(), L"mixed", 1).get());
    EXPECT_EQ(read, expected);
    EXPECT_EQ(read.substr(0, 2), L"\u00e9\u20ac");

    const std::wstring longest(1023, L'q');
    ASSERT_EQ(set(key.get(), L"longest", 1, textArgument(longest)), S_OK);
    EXPECT_EQ(variantText(*get(key.get(), L"longest", 1).get()), longest);
    ASSERT_EQ(set(key.get(), L"tooLong", 1, textArgument(longest + L"q")), S_OK);
    UniqueVariant fallback = get(key.get(), L"tooLong", 1, nullptr);
    EXPECT_EQ(variantText(*fallback.get()), L"");
}

TEST_F(LibraryClientTest, ErrorsCarryTheirNumberAndDescriptionEarlyBound) {
    ComPtr<ISupportErrorInfo> support;
    ASSERT_EQ(library_->QueryInterface(IID_ISupportErrorInfo, support.putVoid()), S_OK);
    EXPECT_EQ(support->InterfaceSupportsErrorInfo(IID__CLibrary), S_OK);

    UniqueBstr anywhere(L"Software\\QuorvaneClient");
    VARIANT_BOOL existed = VARIANT_FALSE;
    EXPECT_EQ(library_->CreateRegistryKey(0x12345, anywhere.get(), &existed), kError1001);
    EXPECT_EQ(lastErrorDescription(), L"No fue posible crear la clave del registro");

    UniqueBstr key = createKey(L"Software\\QuorvaneClient\\Errors");
    UniqueBstr name(L"value");
    UniqueVariant result;
    EXPECT_EQ(library_->GetRegistryValue(kHkcu, key.get(), name.get(), 2, nullptr, result.get()),
              kError1001);
    EXPECT_EQ(lastErrorDescription(), L"Tipo de valor no compatible");

    EXPECT_EQ(set(key.get(), L"value", 3, textArgument(L"")), static_cast<HRESULT>(0x800A0009u));
    EXPECT_EQ(lastErrorDescription(), L"Subscript out of range");
    EXPECT_EQ(set(key.get(), L"value", 4, textArgument(L"many")),
              static_cast<HRESULT>(0x800A000Du));
    EXPECT_EQ(lastErrorDescription(), L"Type mismatch");

    // A missing key is silent for every type code, the unsupported one included.
    UniqueBstr missing(L"Software\\QuorvaneClient\\Missing");
    EXPECT_EQ(
        library_->GetRegistryValue(kHkcu, missing.get(), name.get(), 2, nullptr, result.get()),
        S_OK);
    EXPECT_EQ(set(missing.get(), L"value", 3, textArgument(L"")), S_OK);
}

TEST_F(LibraryClientTest, ErrorsCarryTheirNumberAndDescriptionLateBound) {
    struct Case {
        const wchar_t* member;
        std::vector<VARIANT> arguments;
        HRESULT code;
        const wchar_t* description;
    };
    createKey(L"Software\\QuorvaneClient\\LateErrors");
    Case cases[] = {
        {L"CreateRegistryKey",
         {longArgument(0x12345), textArgument(L"Software\\X")},
         kError1001,
         L"No fue posible crear la clave del registro"},
        {L"GetRegistryValue",
         {longArgument(kHkcu), textArgument(L"Software\\QuorvaneClient\\LateErrors"),
          textArgument(L"value"), shortArgument(7)},
         kError1001,
         L"Tipo de valor no compatible"},
        {L"GetRegistryValueX",
         {textArgument(L"Software\\QuorvaneClient\\LateErrors"), textArgument(L"value"),
          shortArgument(2)},
         kError1001,
         L"Tipo de valor no compatible"},
        {L"StripTerminator",
         {textArgument(std::wstring(40000, L'a') + L'\0')},
         static_cast<HRESULT>(0x800A0006u),
         L"Overflow"},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.member);
        const LateResult result = callByName(library_.get(), c.member, c.arguments);
        EXPECT_EQ(result.status, DISP_E_EXCEPTION);
        EXPECT_EQ(result.exceptionCode, c.code);
        EXPECT_EQ(result.description, c.description);
        for (auto& argument : c.arguments) VariantClear(&argument);
    }
}

TEST_F(LibraryClientTest, DefaultValueOmittedOrGivenEarlyAndLateBound) {
    UniqueBstr key = createKey(L"Software\\QuorvaneClient\\Defaults");
    const std::wstring path = L"Software\\QuorvaneClient\\Defaults";

    // Early bound: left out as Automation leaves out an optional argument, or given.
    VARIANT missing;
    V_VT(&missing) = VT_ERROR;
    V_ERROR(&missing) = DISP_E_PARAMNOTFOUND;
    EXPECT_EQ(variantText(*get(key.get(), L"absent", 1, &missing).get()), L"");
    EXPECT_EQ(variantText(*get(key.get(), L"absent", 1, nullptr).get()), L"");
    UniqueVariant given;
    V_VT(given.get()) = VT_I4;
    V_I4(given.get()) = 7;
    UniqueVariant early = get(key.get(), L"absent", 1, given.get());
    EXPECT_EQ(V_VT(early.get()), VT_I4);  // the default comes back as it was given
    EXPECT_EQ(V_I4(early.get()), 7);

    // Late bound: the same answers, with the argument left out or given.
    LateResult omitted = callByName(library_.get(), L"GetRegistryValue",
                                    {longArgument(kHkcu), textArgument(path.c_str()),
                                     textArgument(L"absent"), shortArgument(1)});
    ASSERT_EQ(omitted.status, S_OK);
    EXPECT_EQ(variantText(*omitted.value.get()), L"");
    LateResult omittedX =
        callByName(library_.get(), L"GetRegistryValueX",
                   {textArgument(path.c_str()), textArgument(L"absent"), shortArgument(1)});
    ASSERT_EQ(omittedX.status, S_OK);
    EXPECT_EQ(variantText(*omittedX.value.get()), L"");
    LateResult late = callByName(library_.get(), L"GetRegistryValue",
                                 {longArgument(kHkcu), textArgument(path.c_str()),
                                  textArgument(L"absent"), shortArgument(1), longArgument(7)});
    ASSERT_EQ(late.status, S_OK);
    ASSERT_EQ(V_VT(late.value.get()), VT_I4);
    EXPECT_EQ(V_I4(late.value.get()), 7);
}

TEST_F(LibraryClientTest, EnumRegistryKeysListsEverySubkeyOrNoArray) {
    for (int i = 0; i < 150; ++i) {
        createKey((L"Software\\QuorvaneClient\\Many\\K" + std::to_wstring(1000 + i)).c_str());
    }
    UniqueBstr many(L"Software\\QuorvaneClient\\Many");
    SAFEARRAY* names = nullptr;
    ASSERT_EQ(library_->EnumRegistryKeys(kHkcu, many.get(), &names), S_OK);
    win::UniqueSafeArray owned(names);
    ASSERT_NE(names, nullptr);
    LONG lower = -1, upper = -1;
    SafeArrayGetLBound(names, 1, &lower);
    SafeArrayGetUBound(names, 1, &upper);
    EXPECT_EQ(lower, 0);
    ASSERT_EQ(upper, 149);
    auto* entries = static_cast<BSTR*>(names->pvData);
    for (int i = 0; i <= upper; ++i)
        EXPECT_EQ(win::textOf(entries[i]), L"K" + std::to_wstring(1000 + i));

    UniqueBstr empty(L"Software\\QuorvaneClient\\Many\\K1000");
    ASSERT_EQ(library_->EnumRegistryKeys(kHkcu, empty.get(), &names), S_OK);
    owned.reset(names);
    ASSERT_NE(names, nullptr);
    SafeArrayGetUBound(names, 1, &upper);
    EXPECT_EQ(upper, -1);

    UniqueBstr missing(L"Software\\QuorvaneClient\\Missing");
    names = reinterpret_cast<SAFEARRAY*>(1);
    ASSERT_EQ(library_->EnumRegistryKeys(kHkcu, missing.get(), &names), S_OK);
    EXPECT_EQ(names, nullptr);
}

TEST_F(LibraryClientTest, SmallServices) {
    UniqueBstr text;
    ASSERT_EQ(library_->lpHkey_app(text.put()), S_OK);
    EXPECT_EQ(win::textOf(text.get()), L"Software\\Quorvane11\\Groupdate\\");

    char folder[MAX_PATH] = {};
    GetWindowsDirectoryA(folder, MAX_PATH);
    ASSERT_EQ(library_->GetWindowsDir(text.put()), S_OK);
    EXPECT_EQ(win::textOf(text.get()), std::wstring(folder, folder + std::strlen(folder)));

    UniqueBstr withZero(std::wstring(L"ab\0cd", 5));
    ASSERT_EQ(library_->StripTerminator(withZero.get(), text.put()), S_OK);
    EXPECT_EQ(win::textOf(text.get()), L"ab");
}

}  // namespace
}  // namespace qv::testing
