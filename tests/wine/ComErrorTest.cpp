// Failures of calls the library makes to itself, raised again as run-time errors: the
// platform's failures that have a usual run-time error become it, with its usual text.

#include "ComClient.h"
#include "ComError.h"

namespace qv::testing {
namespace {

class ComErrorTest : public ComTest {};

TEST_F(ComErrorTest, AFailureIsRaisedAgainWithItsRunTimeErrorNumberAndText) {
    struct Case {
        HRESULT failure;
        const wchar_t* errorInfo;  // description left by the failed call, or nullptr
        std::int32_t number;
        const wchar_t* description;
    };
    const Case cases[] = {
        {E_OUTOFMEMORY, nullptr, 7, L"Out of memory"},
        {DISP_E_TYPEMISMATCH, nullptr, 13, L"Type mismatch"},
        {DISP_E_OVERFLOW, nullptr, 6, L"Overflow"},
        {E_FAIL, nullptr, 5, L"Invalid procedure call or argument"},  // no usual number
        {win::hresultOf(1001), L"No fue posible crear la clave del registro", 1001,
         L"No fue posible crear la clave del registro"},  // the library's own error
        {win::hresultOf(9), nullptr, 9, L"Subscript out of range"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << std::hex << c.failure);
        SetErrorInfo(0, nullptr);
        if (c.errorInfo) win::reportError(LibraryError(c.number, c.errorInfo));
        try {
            win::throwIfFailed(c.failure);
            ADD_FAILURE() << "nothing raised";
        } catch (const LibraryError& error) {
            EXPECT_EQ(error.number(), c.number);
            EXPECT_EQ(error.description(), c.description);
        }
    }
    EXPECT_NO_THROW(win::throwIfFailed(S_FALSE));
}

TEST_F(ComErrorTest, AMembersFailureThroughInvokeIsRaisedAgainFromItsExceptionInformation) {
    struct Case {
        SCODE scode;
        WORD wCode;
        const wchar_t* description;  // in the exception information, or nullptr
        std::int32_t number;
        const wchar_t* raised;
    };
    const Case cases[] = {
        {win::hresultOf(1001), 0, L"Tipo de valor no compatible", 1001,
         L"Tipo de valor no compatible"},
        {0, 9, nullptr, 9, L"Subscript out of range"},  // the number as wCode
        {E_OUTOFMEMORY, 0, nullptr, 7, L"Out of memory"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        EXCEPINFO exception{};
        exception.scode = c.scode;
        exception.wCode = c.wCode;
        exception.bstrDescription = c.description ? SysAllocString(c.description) : nullptr;
        exception.bstrSource = SysAllocString(L"IQV_v011");
        try {
            win::throwIfFailed(DISP_E_EXCEPTION, exception);
            ADD_FAILURE() << "nothing raised";
        } catch (const LibraryError& error) {
            EXPECT_EQ(error.number(), c.number);
            EXPECT_EQ(error.description(), c.raised);
        }
        EXPECT_EQ(exception.bstrDescription, nullptr);  // freed and cleared
        EXPECT_EQ(exception.bstrSource, nullptr);
    }
    SetErrorInfo(0, nullptr);
    EXCEPINFO unused{};
    try {
        win::throwIfFailed(DISP_E_UNKNOWNNAME, unused);  // a failure of Invoke itself
        ADD_FAILURE() << "nothing raised";
    } catch (const LibraryError& error) {
        EXPECT_EQ(error.number(), 5);
    }
}

}  // namespace
}  // namespace qv::testing
