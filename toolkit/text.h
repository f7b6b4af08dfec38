#pragma once

// UTF-8 text measured in characters (code points), never in bytes: record
// capacities and character positions count characters.

#include <cstddef>
#include <string>
#include <string_view>

namespace vexa::text {

std::u32string toUtf32(std::string_view utf8);  // throws EncodingError on invalid UTF-8
std::string toUtf8(std::u32string_view characters);
void appendUtf8(std::string& out, char32_t character);

std::size_t length(std::string_view utf8);

// A character that is no part of a line of text: a line break, a tab, the
// other C0 codes and DEL. A field of one line takes none of them.
constexpr bool isControl(char32_t character) { return character < 0x20 || character == 0x7F; }

// The text without its control characters.
std::string withoutControlCharacters(std::string_view utf8);

// The text on one line: each line break (CR LF, CR or LF) one blank. With
// `collapseBlanks` every run of blanks, tabs and line breaks is one blank,
// none at either end, as a list shows an item laid out in columns.
std::string onOneLine(std::string_view text, bool collapseBlanks = false);

// The first `capacity` characters of the text.
std::string cut(std::string_view utf8, std::size_t capacity);

// `count` characters from the 1-based position `first`; positions before the
// start are taken as 1, and a range past the end stops at the end.
std::u32string copy(std::u32string_view s, long first, long count);

// 1-based position of the first occurrence of `part` in `s`, 0 when absent.
long find(std::u32string_view s, std::u32string_view part);

}  // namespace vexa::text
