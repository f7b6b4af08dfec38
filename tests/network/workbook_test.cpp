// The results workbook: a complete .xlsx replaces the file, a failed one
// leaves it as it was.

#include "network/workbook.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/files.h"
#include "toolkit/errors.h"

namespace vexa {
namespace {

namespace fs = std::filesystem;
using testing_support::fileContents;

const std::vector<WorkbookColumn> kColumns{{"Odcinek", kWorkbookText}, {"Długość [m]", 3}};

TEST(Workbook, ReplacesTheFileWithACompleteWorkbook) {
    const testing_support::ScratchFolder folder;
    const fs::path file = folder.path() / "wyniki.xlsx";
    std::ofstream(file) << "stary";
    writeWorkbook(file.string(), "Sieć", kColumns, {{"K1", "50,000"}, {"K2", ""}});
    EXPECT_EQ(fileContents(file).substr(0, 2), "PK");  // a zip archive, as every .xlsx is
}

TEST(Workbook, AFailedWriteThrowsTheFileErrorAndLeavesNothing) {
    const testing_support::ScratchFolder folder;
    const fs::path file = folder.path() / "brak" / "wyniki.xlsx";
    EXPECT_THROW(writeWorkbook(file.string(), "Sieć", kColumns, {{"K1", "50,000"}}), FileError);
    EXPECT_FALSE(fs::exists(file));
    // The library's own complaint does not reach the terminal: the program says it.
    testing::internal::CaptureStderr();
    EXPECT_FALSE(buildWorkbook(file, "Sieć", kColumns, {{"K1", "50,000"}}));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

}  // namespace
}  // namespace vexa
