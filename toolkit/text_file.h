#pragma once

// Text files as the program writes them: code page 1250, every line ended by
// CR LF (the last included), no byte-order mark.

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace vexa::text_file {

// A path from its UTF-8 text, on every system.
std::filesystem::path pathFromUtf8(const std::string& utf8);

// Writes the lines to the file `fileName` (UTF-8). Throws EncodingError for a
// character the code page cannot hold before anything is written, and
// FileError naming the file when it cannot be written; see replaceFile.
void writeLines(const std::string& fileName, const std::vector<std::string>& lines);

// Has `write` fill a new file beside `fileName`, then puts it in the file's
// place. A write that fails, even half-way, throws FileError naming the file
// and leaves no partial file behind: an existing file stays as it was.
void replaceFile(const std::string& fileName, const std::function<void(std::ostream&)>& write);

// The same for a library that writes only to a path of its own choosing:
// `build` writes the new file at the path it is given and says whether it
// succeeded.
void replaceFileBuiltAt(const std::string& fileName, const std::function<bool(const std::filesystem::path&)>& build);

}  // namespace vexa::text_file
