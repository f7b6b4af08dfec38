#pragma once

// Lines of fields separated by ";", as spreadsheet programs read them
// (RFC 4180): a field that holds ";", a double quote, CR or LF is written
// between double quotes with every inner quote doubled; every other field is
// written as it stands, so plain lines keep their bytes.

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vexa::delimited {

inline constexpr char kSeparator = ';';

// The field as it goes into a line.
std::string quoted(std::string_view field);

// The fields joined by the separator, each quoted where it needs it.
std::string joined(const std::vector<std::string>& fields);

// A field that opens with a double quote and is never closed: what follows
// cannot be told apart from the field, so the line is no line of fields.
class UnclosedQuote : public std::runtime_error {
public:
    UnclosedQuote(int line, int field);
    int line() const { return line_; }    // of the text, from 1
    int field() const { return field_; }  // from 0

private:
    int line_;
    int field_;
};

// The fields of one line. A field that begins with a double quote runs to
// its closing quote ("" stands for one quote inside) and on to the next
// separator; one that is not closed throws UnclosedQuote.
std::vector<std::string> split(std::string_view line);

// One record of a text and the line it begins on (from 1).
struct Record {
    int line = 0;
    std::vector<std::string> fields;
};

// The records of a whole text, lines ended by LF or CR LF: a quoted field
// runs on over line ends to its closing quote and keeps them; lines with
// nothing on them are no records. A quote left open at the end throws
// UnclosedQuote.
std::vector<Record> records(std::string_view text);

// A field without the blanks and tabs around it.
std::string trimmed(std::string_view field);

}  // namespace vexa::delimited
