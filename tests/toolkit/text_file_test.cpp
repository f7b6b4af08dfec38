#include "toolkit/text_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "toolkit/errors.h"

namespace vexa {
namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class TextFile : public testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 (std::string("vexa-textfile-") + testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    std::size_t filesInFolder() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
    }

    fs::path folder;
};

TEST_F(TextFile, LinesAreCodePage1250EachEndedByCrLfAndReplaceAnExistingFile) {
    const std::string file = (folder / "notatnik ł.txt").string();
    std::ofstream(fs::path(file)) << "an older and longer notebook";
    text_file::writeLines(file, {"Spadek = 5 [‰]", "", "Żółw"});
    EXPECT_EQ(contents(file), "Spadek = 5 [\x89]\r\n\r\n\xaf\xf3\xb3w\r\n");
    EXPECT_EQ(filesInFolder(), 1U);
}

TEST_F(TextFile, WriteThatFailsHalfWayKeepsTheOldFileAndLeavesNothingBeside) {
    const std::string file = (folder / "notatnik.txt").string();
    std::ofstream(fs::path(file)) << "old";
    try {
        text_file::replaceFile(file, [](std::ostream& out) {
            out << "half of the new";
            out.setstate(std::ios::badbit);  // as a full disk does
        });
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot create file " + file);
    }
    EXPECT_EQ(contents(file), "old");
    EXPECT_EQ(filesInFolder(), 1U);
}

TEST_F(TextFile, FolderInThePlaceOfTheFileIsNotReplaced) {
    fs::create_directory(folder / "n.txt");
    EXPECT_THROW(text_file::writeLines((folder / "n.txt").string(), {"a"}), FileError);
    EXPECT_TRUE(fs::is_directory(folder / "n.txt"));
    EXPECT_EQ(filesInFolder(), 1U);
}

TEST_F(TextFile, CharacterOutsideTheCodePageIsRefusedBeforeAnythingIsWritten) {
    EXPECT_THROW(text_file::writeLines((folder / "n.txt").string(), {"a", "→"}), EncodingError);
    EXPECT_EQ(filesInFolder(), 0U);
}

}  // namespace
}  // namespace vexa
