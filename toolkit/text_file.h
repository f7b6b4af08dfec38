#pragma once

// Files as the program writes them: text in code page 1250 with every line
// ended by CR LF (the last included), no byte-order mark; and every file,
// text or not, replaced only once its new contents are complete.

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace vexa::text_file {

// A path from its UTF-8 text, on every system.
std::filesystem::path pathFromUtf8(const std::string& utf8);

// The bytes of the file `fileName` (UTF-8). Throws std::runtime_error
// "Nie można odczytać zbioru \"<name>\"" when it cannot be read.
std::string readBytes(const std::string& fileName);

// Writes the lines to the file `fileName` (UTF-8). Throws EncodingError for a
// character the code page cannot hold before anything is written, and
// FileError naming the file when it cannot be written; see replaceFile.
void writeLines(const std::string& fileName, const std::vector<std::string>& lines);

// The lines as such a file holds them. Throws EncodingError.
std::string codePageLines(const std::vector<std::string>& lines);

// Writes `bytes` to `file` (the temporary file of a replacement, say): the
// system's error when they could not be written, none when they were.
std::error_code writeBytes(const std::filesystem::path& file, std::string_view bytes);

// A file on its way to replace `fileName` (UTF-8): written first as a
// temporary file beside it, then put in its place in one step, keeping what
// the user set up around it. Through a symbolic link the link's target is
// replaced and the link stays; the new file gets the old one's permissions
// and, where the process may give it, its owner. Until it is committed the
// target is untouched; a replacement never committed leaves nothing behind.
class FileReplacement {
public:
    // Checks that the file may be replaced (its folder exists and takes new
    // files, it is no folder and not write-protected) and creates the empty
    // temporary file. Throws FileError with the cause.
    explicit FileReplacement(const std::string& fileName);
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    const std::string& fileName() const { return fileName_; }
    // Where the new contents go.
    const std::filesystem::path& temporary() const { return temporary_; }

    // The new contents could not be written (`error` says why, where known):
    // throws FileError with the cause, the temporary file removed.
    [[noreturn]] void fail(std::error_code error = {});
    // Puts the temporary file in the target's place. Throws FileError.
    void commit();

private:
    std::string fileName_;
    std::filesystem::path target_;  // with its symbolic links followed
    std::filesystem::path temporary_;
    bool committed_ = false;
};

// Has `write` fill a new file beside `fileName`, then puts it in the file's
// place. A write that fails, even half-way, throws FileError naming the file
// and leaves no partial file behind: an existing file stays as it was.
void replaceFile(const std::string& fileName, const std::function<void(std::ostream&)>& write);

// Why a file could not be written, in Polish, from the system's error.
std::string causeOf(std::error_code error);

}  // namespace vexa::text_file
