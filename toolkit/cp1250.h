#pragma once

// Code page 1250, the encoding of every file the program reads or writes.
// Inside the program text is UTF-8.

#include <optional>
#include <string>
#include <string_view>

namespace vexa::cp1250 {

// Each of the 256 byte values becomes one character. The five bytes the code
// page leaves unassigned map to the C1 controls of the same value, so any file
// survives a round trip.
std::string decode(std::string_view bytes);

// Throws EncodingError naming the first character the code page cannot hold
// (or the first invalid UTF-8 sequence): nothing is silently replaced.
std::string encode(std::string_view utf8);

// The byte for one character, if the code page has it.
std::optional<unsigned char> byteFor(char32_t character);

}  // namespace vexa::cp1250
