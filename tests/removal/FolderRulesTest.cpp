#include "FolderRules.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace qv::removal {
namespace {

using namespace std::string_literals;

struct FolderCase {
    std::string folder;
    std::optional<std::string> usable;
};

class UsableFolderTest : public ::testing::TestWithParam<FolderCase> {};

TEST_P(UsableFolderTest, DeletesOnlyInAbsoluteFolders) {
    EXPECT_EQ(usableFolder(GetParam().folder), GetParam().usable)
        << '"' << GetParam().folder << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Folders, UsableFolderTest,
    ::testing::Values(
        FolderCase{"C:\\Program Files\\Quorvane", "C:\\Program Files\\Quorvane"},
        FolderCase{"d:/Quorvane", "d:/Quorvane"},      // either separator, either case
        FolderCase{"C:\\", "C:\\"},                    // a drive's root is a folder too
        FolderCase{"C:\\Quorvane ", "C:\\Quorvane "},  // trailing blanks are kept
        FolderCase{"\\\\server\\share", "\\\\server\\share"},
        FolderCase{"\\\\server\\share\\Quorvane", "\\\\server\\share\\Quorvane"},
        FolderCase{"C:\\Quorvane\0junk"s, "C:\\Quorvane"},  // the file functions stop at a zero
        FolderCase{"", std::nullopt}, FolderCase{"   ", std::nullopt},
        FolderCase{" C:\\Quorvane", std::nullopt},  // a leading blank is a relative name
        FolderCase{"Quorvane", std::nullopt},       // relative to the current folder
        FolderCase{".", std::nullopt}, FolderCase{"..\\Quorvane", std::nullopt},
        FolderCase{"\\Quorvane", std::nullopt},  // relative to the current drive's root
        FolderCase{"\\", std::nullopt},
        FolderCase{"C:Quorvane", std::nullopt},  // relative to drive C:'s current folder
        FolderCase{"C:", std::nullopt}, FolderCase{"1:\\Quorvane", std::nullopt},
        FolderCase{"\\\\", std::nullopt},
        FolderCase{"\\\\server", std::nullopt},  // a server without a share
        FolderCase{"\\\\server\\", std::nullopt}, FolderCase{"\\\\\\share", std::nullopt},
        FolderCase{"\0C:\\Quorvane"s, std::nullopt}));

}  // namespace
}  // namespace qv::removal
