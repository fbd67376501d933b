// The printer names kept from the subkeys of the printer key.

#include "PrinterNames.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(PrinterNamesTest, LeavesOutWhatIsNoPrinterComparedExactly) {
    const std::vector<std::wstring> subkeys = {L"HP LaserJet",
                                               L".hidden",
                                               L"CLSID",
                                               L"clsid",
                                               L"*",
                                               L"AppID",
                                               L"Component Categories",
                                               L"Component categories",
                                               L"PDF",
                                               L"a.b",
                                               L""};
    EXPECT_EQ(printerNames(subkeys),
              (std::vector<std::wstring>{L"HP LaserJet", L"clsid", L"Component categories", L"PDF",
                                         L"a.b", L""}));
    EXPECT_EQ(printerNames({}), std::vector<std::wstring>{});
}

}  // namespace
}  // namespace qv
