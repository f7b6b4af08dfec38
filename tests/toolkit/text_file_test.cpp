#include "toolkit/text_file.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

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
        EXPECT_EQ(error.inPolish(), "Nie można zapisać zbioru " + file + ": zbiór jest chroniony przed zapisem");
    }
    EXPECT_EQ(fileContents(file), "old");
    EXPECT_EQ(filesInFolder(), 1U);
    fs::permissions(file, fs::perms::owner_write, fs::perm_options::add);  // so that the folder goes
}

TEST_F(TextFile, EachRefusalNamesItsCause) {
    fs::create_directory(folder / "n.txt");
    const auto causeFor = [](const fs::path& file) {
        try {
            text_file::writeLines(file.string(), {"a"});
        } catch (const FileError& error) {
            return error.cause();
        }
        return std::string("(written)");
    };
    EXPECT_EQ(causeFor(folder / "n.txt"), "istnieje folder o tej nazwie");
    EXPECT_EQ(causeFor(folder / "brak" / "n.txt"), "nie ma takiego folderu");
    EXPECT_EQ(text_file::causeOf(std::make_error_code(std::errc::no_space_on_device)), "brak miejsca na dysku");
    EXPECT_EQ(text_file::causeOf(std::make_error_code(std::errc::read_only_file_system)),
              "system plików jest tylko do odczytu");
    EXPECT_EQ(filesInFolder(), 1U);
}

TEST_F(TextFile, AReplacementNeverCommittedLeavesTheFileAndNothingBeside) {
    std::ofstream(folder / "a.csv") << "old";
    {
        text_file::FileReplacement replacement((folder / "a.csv").string());
        std::ofstream(replacement.temporary()) << "new";
        EXPECT_EQ(filesInFolder(), 2U);
    }
    EXPECT_EQ(fileContents(folder / "a.csv"), "old");
    EXPECT_EQ(filesInFolder(), 1U);
}

#ifndef _WIN32
TEST_F(TextFile, ASymbolicLinkStaysAndItsTargetIsReplacedWithItsPermissionsAndOwner) {
    fs::create_directory(folder / "projekt");
    const fs::path target = folder / "projekt" / "siec.csv";
    std::ofstream(target) << "old";
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const bool asRoot = ::geteuid() == 0;
    if (asRoot) {
        ASSERT_EQ(::chown(target.c_str(), 4321, 4321), 0);
    }
    fs::create_symlink(fs::path("projekt") / "siec.csv", folder / "link.csv");

    text_file::writeLines((folder / "link.csv").string(), {"new"});
    EXPECT_TRUE(fs::is_symlink(folder / "link.csv"));
    EXPECT_EQ(fileContents(target), "new\r\n");
    EXPECT_EQ(fs::status(target).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    if (asRoot) {
        struct stat replaced {};
        ASSERT_EQ(::stat(target.c_str(), &replaced), 0);
        EXPECT_EQ(replaced.st_uid, 4321U);
        EXPECT_EQ(replaced.st_gid, 4321U);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder / "projekt"), fs::directory_iterator()), 1);
}
#endif

TEST_F(TextFile, CharacterOutsideTheCodePageIsRefusedBeforeAnythingIsWritten) {
    EXPECT_THROW(text_file::writeLines((folder / "n.txt").string(), {"a", "→"}), EncodingError);
    EXPECT_EQ(filesInFolder(), 0U);
}

}  // namespace
}  // namespace vexa
