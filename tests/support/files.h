#pragma once

// Files in tests: whole contents as bytes, the text of a PDF file, and a
// fresh folder per test.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace vexa::testing_support {

inline std::string fileContents(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The text of a PDF file as pdftotext reads it, pages separated by form feeds.
inline std::string pdfText(const std::filesystem::path& pdf) {
    const std::filesystem::path text = std::filesystem::path(pdf).replace_extension(".pdftext");
    EXPECT_EQ(std::system(("pdftotext -enc UTF-8 \"" + pdf.string() + "\" \"" + text.string() + "\"").c_str()), 0);
    return fileContents(text);
}

// An empty folder named after the running test and the process, so that
// runs that overlap keep apart; removed with the object.
class ScratchFolder {
public:
    ScratchFolder()
        : path_(std::filesystem::temp_directory_path() /
                (std::string("vexa-") + ::testing::UnitTest::GetInstance()->current_test_info()->test_suite_name() +
                 "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name() + "-" +
                 std::to_string(::getpid()))) {
        removeAll(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::filesystem::path& name) const { return path_ / name; }

private:
    // Windows removes no read-only file: one left by a run stopped half-way
    // is made writable first.
    static void removeAll(const std::filesystem::path& path) {
        std::error_code error;
        std::filesystem::remove_all(path, error);
        if (!error) return;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(path, error))
            std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_write,
                                         std::filesystem::perm_options::add, error);
        std::filesystem::remove_all(path);
    }

    std::filesystem::path path_;
};

}  // namespace vexa::testing_support
