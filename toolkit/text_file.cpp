#include "text_file.h"

#ifdef _WIN32
#include <windows.h>
#endif

#include <fstream>
#include <random>
#include <system_error>

#include "cp1250.h"
#include "errors.h"

namespace vexa::text_file {
namespace fs = std::filesystem;
namespace {

// A name in the target's folder that no file has yet, so that the final
// rename stays within one file system and replaces nothing but the target.
fs::path temporaryBeside(const fs::path& target) {
    std::random_device seed;
    std::mt19937 numbers(seed());
    for (;;) {
        fs::path candidate = target;
        candidate += ".~" + std::to_string(numbers() % 1000000U) + ".tmp";
        std::error_code ignored;
        if (!fs::exists(candidate, ignored)) return candidate;
    }
}

// A file the user may not write (read-only on Windows, say) is not to be
// replaced behind the user's back, although the folder would allow it.
bool mayBeWritten(const fs::path& target) {
    std::error_code error;
    const fs::perms permissions = fs::status(target, error).permissions();
    if (error) return true;  // nothing there yet, or nothing to tell
    constexpr fs::perms anyWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if ((permissions & anyWrite) == fs::perms::none) return false;
    // Opened to append and closed again, the file keeps its bytes and its time.
    const std::ofstream probe(target, std::ios::binary | std::ios::app);
    return probe.is_open();
}

}  // namespace

fs::path pathFromUtf8(const std::string& utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

void writeLines(const std::string& fileName, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& line : lines) bytes += cp1250::encode(line) + "\r\n";
    replaceFile(fileName,
                [&bytes](std::ostream& out) { out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())); });
}

namespace {

// Puts `from` in the place of `to`, replacing a file that is there in one
// step. std::filesystem::rename does so on POSIX; the C runtime of Windows
// refuses an existing target, so Windows is asked directly.
bool moveOver(const fs::path& from, const fs::path& to) {
#ifdef _WIN32
    return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    std::error_code error;
    fs::rename(from, to, error);
    return !error;
#endif
}

}  // namespace

void replaceFile(const std::string& fileName, const std::function<void(std::ostream&)>& write) {
    replaceFileBuiltAt(fileName, [&write](const fs::path& temporary) {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        write(out);
        out.flush();
        const bool written = static_cast<bool>(out);
        out.close();  // before any removal: Windows keeps an open file
        return written && !out.fail();
    });
}

void replaceFileBuiltAt(const std::string& fileName, const std::function<bool(const fs::path&)>& build) {
    const fs::path target = pathFromUtf8(fileName);
    std::error_code error;
    if (target.filename().empty() || fs::is_directory(target, error)) throw FileError(fileName);
    if (fs::exists(target, error) && !mayBeWritten(target)) throw FileError(fileName);
    const fs::path temporary = temporaryBeside(target);
    const auto fail = [&] {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        throw FileError(fileName);
    };
    if (!build(temporary)) fail();
    // A file that is replaced keeps its permissions.
    const fs::file_status existing = fs::status(target, error);
    if (!error && fs::exists(existing)) fs::permissions(temporary, existing.permissions(), error);
    if (!moveOver(temporary, target)) fail();
}

}  // namespace vexa::text_file
