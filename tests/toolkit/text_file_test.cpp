#include "toolkit/text_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "support/files.h"
#include "toolkit/errors.h"

namespace vexa {
namespace {

namespace fs = std::filesystem;

using testing_support::fileContents;

class TextFile : public testing::Test {
protected:
    std::size_t filesInFolder() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
    }

    testing_support::ScratchFolder scratch;
    const fs::path& folder = scratch.path();
};

TEST_F(TextFile, LinesAreCodePage1250EachEndedByCrLfAndReplaceAnExistingFile) {
    const std::u8string name = (folder / u8"notatnik ł.txt").u8string();
    const std::string file(name.begin(), name.end());  // UTF-8, as the program keeps file names
    std::ofstream(text_file::pathFromUtf8(file)) << "an older and longer notebook";
    text_file::writeLines(file, {"Spadek = 5 [‰]", "", "Żółw"});
    EXPECT_EQ(fileContents(text_file::pathFromUtf8(file)), "Spadek = 5 [\x89]\r\n\r\n\xaf\xf3\xb3w\r\n");
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
    EXPECT_EQ(fileContents(file), "old");
    EXPECT_EQ(filesInFolder(), 1U);
}

TEST_F(TextFile, FolderInThePlaceOfTheFileIsNotReplaced) {
    fs::create_directory(folder / "n.txt");
    EXPECT_THROW(text_file::writeLines((folder / "n.txt").string(), {"a"}), FileError);
    EXPECT_TRUE(fs::is_directory(folder / "n.txt"));
    EXPECT_EQ(filesInFolder(), 1U);
}

TEST_F(TextFile, WriteProtectedFileIsRefusedAndKeepsItsBytes) {
    const std::string file = (folder / "tabela.csv").string();
    std::ofstream(fs::path(file)) << "old";
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    try {
        text_file::writeLines(file, {"new"});
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot create file " + file);
    }
    EXPECT_EQ(fileContents(file), "old");
    EXPECT_EQ(filesInFolder(), 1U);
    fs::permissions(file, fs::perms::owner_write, fs::perm_options::add);  // so that the folder goes
}

TEST_F(TextFile, CharacterOutsideTheCodePageIsRefusedBeforeAnythingIsWritten) {
    EXPECT_THROW(text_file::writeLines((folder / "n.txt").string(), {"a", "→"}), EncodingError);
    EXPECT_EQ(filesInFolder(), 0U);
}

}  // namespace
}  // namespace vexa
