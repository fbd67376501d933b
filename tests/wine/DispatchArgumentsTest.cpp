// Late-bound arguments as script clients pass them, made fit for DispInvoke.

#include "ComClient.h"
#include "DispatchArguments.h"

namespace qv::testing {
namespace {

class DispatchArgumentsTest : public ComTest {
  protected:
    void SetUp() override {
        ComTest::SetUp();
        ComPtr<ITypeLib> library;
        ASSERT_EQ(LoadTypeLibEx(registeredLibraryFile().c_str(), REGKIND_NONE, library.put()),
                  S_OK);
        ComPtr<ITypeInfo> dispatch;
        ASSERT_EQ(library->GetTypeInfoOfGuid(IID__CLibrary, dispatch.put()), S_OK);
        HREFTYPE vtableSide = 0;
        ASSERT_EQ(dispatch->GetRefTypeOfImplType(static_cast<UINT>(-1), &vtableSide), S_OK);
        ASSERT_EQ(dispatch->GetRefTypeInfo(vtableSide, vtable_.put()), S_OK);
    }

    DISPID id(const wchar_t* name) {
        DISPID found = DISPID_UNKNOWN;
        LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
        EXPECT_EQ(vtable_->GetIDsOfNames(names, 1, &found), S_OK);
        return found;
    }

    ComPtr<ITypeInfo> vtable_;
};

constexpr WORD kMethodCall = DISPATCH_METHOD | DISPATCH_PROPERTYGET;

TEST_F(DispatchArgumentsTest, AScriptVariableBecomesAReferenceOfTheParametersType) {
    UniqueVariant variable;  // a script variable holding 5, passed by reference
    V_VT(variable.get()) = VT_I4;
    V_I4(variable.get()) = 5;
    VARIANT argument;
    V_VT(&argument) = VT_BYREF | VT_VARIANT;
    V_VARIANTREF(&argument) = variable.get();
    DISPPARAMS parameters{&argument, nullptr, 1, 0};

    win::DispatchArguments prepared(vtable_.get(), id(L"Reset_options_button_now"), kMethodCall,
                                    parameters);
    ASSERT_EQ(prepared.status(), S_OK);
    const VARIANT& passed = prepared.parameters()->rgvarg[0];
    ASSERT_EQ(V_VT(&passed), VT_BYREF | VT_I2);
    EXPECT_EQ(*V_I2REF(&passed), 5);
    EXPECT_EQ(V_I4(variable.get()), 5);  // the caller's variable is left alone
}

TEST_F(DispatchArgumentsTest, ATextGivenByValueBecomesATextReference) {
    VARIANT argument = textArgument(L"C:\\QUORVANE");
    DISPPARAMS parameters{&argument, nullptr, 1, 0};
    win::DispatchArguments prepared(vtable_.get(), id(L"prcDir"), kMethodCall, parameters);
    ASSERT_EQ(prepared.status(), S_OK);
    const VARIANT& passed = prepared.parameters()->rgvarg[0];
    ASSERT_EQ(V_VT(&passed), VT_BYREF | VT_BSTR);
    EXPECT_EQ(win::textOf(*V_BSTRREF(&passed)), L"C:\\QUORVANE");
    VariantClear(&argument);
}

TEST_F(DispatchArgumentsTest, AValueThatDoesNotConvertIsATypeMismatchOfThatArgument) {
    VARIANT arguments[] = {textArgument(L"not a number"), shortArgument(1)};  // last first
    DISPPARAMS parameters{arguments, nullptr, 2, 0};
    win::DispatchArguments prepared(vtable_.get(), id(L"Set_change_values_buttons"), kMethodCall,
                                    parameters);
    EXPECT_EQ(prepared.status(), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(prepared.argumentError(), 0u);
    VariantClear(&arguments[0]);
}

TEST_F(DispatchArgumentsTest, AValueForAVariantReferenceIsPassedByReference) {
    VARIANT arguments[] = {textArgument(L"1"), shortArgument(1), textArgument(L"value"),
                           textArgument(L"Software"), longArgument(1)};
    DISPPARAMS parameters{arguments, nullptr, 5, 0};
    win::DispatchArguments prepared(vtable_.get(), id(L"SetRegistryValue"), kMethodCall,
                                    parameters);
    ASSERT_EQ(prepared.status(), S_OK);
    const VARIANT& passed = prepared.parameters()->rgvarg[0];
    ASSERT_EQ(V_VT(&passed), VT_BYREF | VT_VARIANT);
    EXPECT_EQ(variantText(*V_VARIANTREF(&passed)), L"1");
    EXPECT_EQ(V_VT(&prepared.parameters()->rgvarg[1]), VT_I2);  // by value: untouched
    for (auto& argument : arguments) VariantClear(&argument);
}

TEST_F(DispatchArgumentsTest, AnOmittedDefaultValueIsSuppliedAsTheEmptyText) {
    VARIANT arguments[] = {shortArgument(1), textArgument(L"value"), textArgument(L"Software")};
    DISPPARAMS parameters{arguments, nullptr, 3, 0};
    win::DispatchArguments prepared(vtable_.get(), id(L"GetRegistryValueX"), kMethodCall,
                                    parameters);
    ASSERT_EQ(prepared.status(), S_OK);
    ASSERT_EQ(prepared.parameters()->cArgs, 4u);
    const VARIANT& supplied = prepared.parameters()->rgvarg[0];
    ASSERT_EQ(V_VT(&supplied), VT_BYREF | VT_VARIANT);
    EXPECT_EQ(variantText(*V_VARIANTREF(&supplied)), L"");
    EXPECT_EQ(V_VT(&prepared.parameters()->rgvarg[1]), VT_I2);
    EXPECT_EQ(V_VT(&prepared.parameters()->rgvarg[3]), VT_BSTR);
    for (auto& argument : arguments) VariantClear(&argument);
}

}  // namespace
}  // namespace qv::testing
