#include "text_file.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <cerrno>
#include <fstream>
#include <iterator>
#include <random>

#include "cp1250.h"
#include "errors.h"

namespace vexa::text_file {
namespace fs = std::filesystem;
namespace {

// The causes of a refusal that the program tells before the system does.
constexpr const char* kNoSuchFolder = "nie ma takiego folderu";
constexpr const char* kFolderOfThatName = "istnieje folder o tej nazwie";
constexpr const char* kWriteProtected = "zbiór jest chroniony przed zapisem";
constexpr const char* kDiskFull = "brak miejsca na dysku";

// The file a path names once its symbolic links are followed; a link to a
// file not yet there names that file.
fs::path followLinks(fs::path path) {
    std::error_code error;
    for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(path, error)); ++hops) {
        const fs::path next = fs::read_symlink(path, error);
        if (error) break;
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return path;
}

// A name in the target's folder that no file has yet, so that the final
// rename stays within one file system and replaces nothing but the target.
fs::path temporaryBeside(const fs::path& target) {
    std::random_device seed;
    std::mt19937 numbers(seed());
    for (;;) {
        fs::path candidate = target;
        candidate += ".~" + std::to_string(numbers() % 1000000U) + ".tmp";
        std::error_code ignored;
        if (!fs::exists(fs::symlink_status(candidate, ignored))) return candidate;
    }
}

// A file the user may not write (read-only on Windows, chmod 444 here) is
// not to be replaced behind the user's back, although the folder would allow
// it, and even when the process could write it anyway (as root).
bool writeProtected(const fs::path& target) {
    std::error_code error;
    const fs::perms permissions = fs::status(target, error).permissions();
    if (error) return false;
    constexpr fs::perms anyWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    return (permissions & anyWrite) == fs::perms::none;
}

// Whether this process may write the file: opened to append and closed
// again, it keeps its bytes and its time.
std::error_code openToWrite(const fs::path& target) {
    errno = 0;
    const std::ofstream probe(target, std::ios::binary | std::ios::app);
    if (probe.is_open()) return {};
    return std::error_code(errno != 0 ? errno : EACCES, std::generic_category());
}

// Puts `from` in the place of `to`, replacing a file that is there in one
// step. std::filesystem::rename does so on POSIX; the C runtime of Windows
// refuses an existing target, so Windows is asked directly.
std::error_code moveOver(const fs::path& from, const fs::path& to) {
#ifdef _WIN32
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0) return {};
    return std::error_code(static_cast<int>(GetLastError()), std::system_category());
#else
    std::error_code error;
    fs::rename(from, to, error);
    return error;
#endif
}

// The new file takes the permissions of the one it replaces and, where the
// process may give it away (as root), its owner and group.
void keepWhatWasSetUp(const fs::path& target, const fs::path& replacement) {
    std::error_code error;
    const fs::file_status existing = fs::status(target, error);
    if (error || !fs::exists(existing)) return;
    fs::permissions(replacement, existing.permissions(), error);
#ifndef _WIN32
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) {
        // Refused to an ordinary user: the file is then the user's own.
        if (::chown(replacement.c_str(), old.st_uid, old.st_gid) != 0 &&
            ::chown(replacement.c_str(), static_cast<uid_t>(-1), old.st_gid) != 0) {
        }
    }
#endif
}

}  // namespace

fs::path pathFromUtf8(const std::string& utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

std::string readBytes(const std::string& fileName) {
    std::ifstream file(pathFromUtf8(fileName), std::ios::binary);
    if (!file) throw std::runtime_error("Nie można odczytać zbioru \"" + fileName + "\"");
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::string causeOf(std::error_code error) {
    const std::error_condition condition = error.default_error_condition();
    if (condition == std::errc::no_such_file_or_directory || condition == std::errc::not_a_directory)
        return kNoSuchFolder;
    if (condition == std::errc::is_a_directory) return kFolderOfThatName;
    if (condition == std::errc::permission_denied || condition == std::errc::operation_not_permitted)
        return "brak uprawnień do zapisu";
    if (condition == std::errc::read_only_file_system) return "system plików jest tylko do odczytu";
    if (condition == std::errc::no_space_on_device || condition == std::errc::file_too_large) return kDiskFull;
    if (!error) return "błąd zapisu";
    return "błąd zapisu (" + error.message() + ")";
}

FileReplacement::FileReplacement(const std::string& fileName)
    : fileName_(fileName), target_(followLinks(pathFromUtf8(fileName))) {
    std::error_code error;
    if (target_.filename().empty()) throw FileError(fileName_, kNoSuchFolder);
    const fs::path folder = target_.parent_path().empty() ? fs::path(".") : target_.parent_path();
    if (!fs::is_directory(folder, error)) throw FileError(fileName_, kNoSuchFolder);
    const fs::file_status existing = fs::status(target_, error);
    if (fs::is_directory(existing)) throw FileError(fileName_, kFolderOfThatName);
    if (fs::exists(existing)) {
        if (writeProtected(target_)) throw FileError(fileName_, kWriteProtected);
        if (const std::error_code refused = openToWrite(target_)) throw FileError(fileName_, causeOf(refused));
    }
    temporary_ = temporaryBeside(target_);
    errno = 0;
    std::ofstream created(temporary_, std::ios::binary | std::ios::trunc);
    if (!created) {
        temporary_.clear();
        throw FileError(fileName_, causeOf(std::error_code(errno != 0 ? errno : EACCES, std::generic_category())));
    }
}

FileReplacement::~FileReplacement() {
    if (committed_ || temporary_.empty()) return;
    std::error_code ignored;
    fs::remove(temporary_, ignored);
}

void FileReplacement::fail(std::error_code error) {
    // A library that gives no reason: a full disk is the usual one.
    std::error_code spaceError;
    const fs::space_info space =
        fs::space(temporary_.parent_path().empty() ? "." : temporary_.parent_path(), spaceError);
    if (!error && !spaceError && space.available == 0) error = std::make_error_code(std::errc::no_space_on_device);
    std::error_code ignored;
    fs::remove(temporary_, ignored);
    temporary_.clear();
    throw FileError(fileName_, causeOf(error));
}

void FileReplacement::commit() {
    keepWhatWasSetUp(target_, temporary_);
    if (const std::error_code error = moveOver(temporary_, target_)) fail(error);
    committed_ = true;
}

std::string codePageLines(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& line : lines) bytes += cp1250::encode(line) + "\r\n";
    return bytes;
}

void writeLines(const std::string& fileName, const std::vector<std::string>& lines) {
    const std::string bytes = codePageLines(lines);
    replaceFile(fileName,
                [&bytes](std::ostream& out) { out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())); });
}

std::error_code writeBytes(const fs::path& file, std::string_view bytes) {
    errno = 0;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out.fail()) return {};
    return std::error_code(errno != 0 ? errno : EIO, std::generic_category());
}

void replaceFile(const std::string& fileName, const std::function<void(std::ostream&)>& write) {
    FileReplacement replacement(fileName);
    bool written = false;
    errno = 0;
    {
        std::ofstream out(replacement.temporary(), std::ios::binary | std::ios::trunc);
        if (out) write(out);
        out.flush();
        written = static_cast<bool>(out);
        out.close();  // before any removal: Windows keeps an open file
        written = written && !out.fail();
    }
    if (!written) replacement.fail(errno != 0 ? std::error_code(errno, std::generic_category()) : std::error_code());
    replacement.commit();
}

}  // namespace vexa::text_file
