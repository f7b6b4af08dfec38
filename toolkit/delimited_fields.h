#pragma once

// Lines of fields separated by ";", as spreadsheet programs read them
// (RFC 4180): a field that holds ";", a double quote, CR or LF is written
// between double quotes with every inner quote doubled; every other field is
// written as it stands, so plain lines keep their bytes.

#include <string>
#include <string_view>
#include <vector>

namespace vexa::delimited {

inline constexpr char kSeparator = ';';

// The field as it goes into a line.
std::string quoted(std::string_view field);

// The fields joined by the separator, each quoted where it needs it.
std::string joined(const std::vector<std::string>& fields);

// The fields of a line. A field that begins with a double quote runs to its
// closing quote ("" stands for one quote inside) and on to the next
// separator; an unclosed one runs to the end of the line.
std::vector<std::string> split(std::string_view line);

// A field without the blanks and tabs around it.
std::string trimmed(std::string_view field);

}  // namespace vexa::delimited
