// The results workbook as the library builds it (its cells are read back
// by workbook_check.py), and a failure of the library kept off the terminal.

#include "network/workbook.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/files.h"

namespace vexa {
namespace {

namespace fs = std::filesystem;
using testing_support::fileContents;

const std::vector<WorkbookColumn> kColumns{{"Odcinek", kWorkbookText}, {"Długość [m]", 3}};

TEST(Workbook, IsBuiltWhereAskedAndAFailureSaysNothingOnTheTerminal) {
    const testing_support::ScratchFolder folder;
    ASSERT_TRUE(workbooksAvailable());
    EXPECT_TRUE(buildWorkbook(folder / "wyniki.xlsx", "Sieć", kColumns, {{"K1", "50,000"}, {"K2", ""}}));
    EXPECT_EQ(fileContents(folder / "wyniki.xlsx").substr(0, 2), "PK");  // a zip archive, as every .xlsx is
    // The library's own complaint does not reach the terminal: the program says it.
    testing::internal::CaptureStderr();
    EXPECT_FALSE(buildWorkbook(folder / "brak" / "wyniki.xlsx", "Sieć", kColumns, {{"K1", "50,000"}}));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_FALSE(fs::exists(folder / "brak"));
}

}  // namespace
}  // namespace vexa
