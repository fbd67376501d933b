// Code page, binary text form and the portable value conversions.

#include "AnsiCodePage.h"
#include "LibraryError.h"
#include "RegistryValue.h"
#include "Utf16Text.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(Windows1252CodePageTest, KeepsItsOwnCharactersAndReplacesTheRest) {
    const Windows1252CodePage codePage;
    EXPECT_EQ(codePage.fromText(L"A\u00e9\u20ac\u0178"), std::string("A\xE9\x80\x9F"));
    EXPECT_EQ(codePage.toText("A\xE9\x80\x9F"), L"A\u00e9\u20ac\u0178");
    EXPECT_EQ(codePage.fromText(L"\u03a9\u4e2d."), "??.");
    EXPECT_EQ(codePage.toText("\x81"), L"\u0081");  // undefined bytes read as themselves
}

TEST(Utf16TextTest, TextAndItsUtf16LeBytesRoundTrip) {
    EXPECT_EQ(utf16LeBytes(L"01"), (Bytes{0x30, 0, 0x31, 0}));
    EXPECT_EQ(utf16LeBytes(L"\u20ac"), (Bytes{0xAC, 0x20}));
    for (const std::wstring text : {L"", L"True", L"\u00e9\u20ac"}) {
        EXPECT_EQ(textFromUtf16LeBytes(utf16LeBytes(text)), text);
    }
    EXPECT_EQ(textFromUtf16LeBytes(Bytes{0x41, 0, 0x42}), L"A");  // odd last byte dropped
}

TEST(PortableValueTest, NumbersRoundHalfToEvenAndCheckTheirRange) {
    struct Case {
        PortableValue value;
        std::int32_t number;
    };
    const Case cases[] = {
        {L"2.5", 2},   {L"3.5", 4},
        {L"-2.5", -2}, {2.5, 2},
        {L" 12 ", 12}, {PortableValue::Empty{}, 0},
        {true, -1},    {L"2147483647", 2147483647},
    };
    for (const auto& c : cases) EXPECT_EQ(c.value.toInt32(), c.number);
    for (const PortableValue& tooBig : {PortableValue(L"2147483648"), PortableValue(1e10)}) {
        try {
            tooBig.toInt32();
            ADD_FAILURE() << "no overflow";
        } catch (const LibraryError& error) {
            EXPECT_EQ(error.number(), kOverflow);
        }
    }
}

}  // namespace
}  // namespace qv
