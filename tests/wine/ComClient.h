#pragma once
// Helpers for the test clients of IQV_v011: an apartment for the test, the class created by
// its programmatic identifier, late-bound calls by name, and the raw registry.

#include "ComHandles.h"
#include "IQV_v011.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace qv::testing {

using win::ComPtr;
using win::UniqueBstr;
using win::UniqueVariant;

// Every test runs in a single-threaded apartment, as the add-in does inside Excel.
class ComTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(CoInitialize(nullptr), S_OK); }
    void TearDown() override { CoUninitialize(); }

    static ComPtr<_CLibrary> createLibrary();
};

// A test with one library object, titled "Quorvane Function" as the add-in titles it.
class TitledLibraryTest : public ComTest {
  protected:
    void SetUp() override {
        ComTest::SetUp();
        library_ = createLibrary();
        ASSERT_TRUE(library_);
        UniqueBstr title(L"Quorvane Function");
        ASSERT_EQ(library_->put_lCia(title.get()), S_OK);
    }
    void TearDown() override {
        library_.reset();
        ComTest::TearDown();
    }

    ComPtr<_CLibrary> library_;
};

// The outcome of a late-bound call.
struct LateResult {
    HRESULT status = S_OK;
    UniqueVariant value;
    std::wstring description;  // from EXCEPINFO
    HRESULT exceptionCode = S_OK;
};

// Calls `name` through IDispatch with positional arguments given first to last.
LateResult callByName(IDispatch* object, const wchar_t* name, std::vector<VARIANT> arguments);

VARIANT textArgument(const std::wstring& text);  // the caller frees it with VariantClear
VARIANT longArgument(long value);
VARIANT shortArgument(short value);

// The description the last failed call left as error information.
std::wstring lastErrorDescription();

// Type and bytes of a value, read with the narrow function straight from the registry.
struct RawValue {
    DWORD type = 0;
    std::vector<BYTE> data;
    bool operator==(const RawValue& other) const {
        return type == other.type && data == other.data;
    }
};
std::optional<RawValue> readRaw(const char* key, const char* name);

std::wstring variantText(const VARIANT& value);

// The file registered as the in-process server of CLibrary: the library under test.
std::wstring registeredLibraryFile();

}  // namespace qv::testing
