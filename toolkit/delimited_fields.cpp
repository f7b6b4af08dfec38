#include "toolkit/delimited_fields.h"

namespace vexa::delimited {
namespace {

// Reads the record that starts at `at`, up to its line end when
// `lineEndsRecord` (past it on return), else to the end of the text. A quoted
// field keeps the line ends inside it; the lines it takes are counted in
// `line`.
std::vector<std::string> readRecord(std::string_view text, std::size_t& at, int& line, bool lineEndsRecord) {
    const int firstLine = line;
    std::vector<std::string> fields(1);
    bool fieldStart = true;
    while (at < text.size()) {
        const char c = text[at++];
        if (lineEndsRecord && c == '\n') break;
        if (lineEndsRecord && c == '\r' && (at == text.size() || text[at] == '\n')) {
            at += at < text.size() ? 1 : 0;
            break;
        }
        if (c == kSeparator) {
            fields.emplace_back();
            fieldStart = true;
            continue;
        }
        if (c != '"' || !fieldStart) {
            fields.back() += c;
            fieldStart = false;
            continue;
        }
        // The quoted part: up to the lone closing quote.
        bool closed = false;
        while (at < text.size() && !closed) {
            const char inside = text[at++];
            if (inside == '"' && at < text.size() && text[at] == '"') {
                fields.back() += '"';
                ++at;
            } else if (inside == '"') {
                closed = true;
            } else {
                if (inside == '\n') ++line;
                fields.back() += inside;
            }
        }
        if (!closed) throw UnclosedQuote(firstLine, static_cast<int>(fields.size()) - 1);
        fieldStart = false;
    }
    return fields;
}

}  // namespace

UnclosedQuote::UnclosedQuote(int line, int field)
    : std::runtime_error("cudzysłów otwierający pole nr " + std::to_string(field + 1) + " nie jest zamknięty"),
      line_(line),
      field_(field) {}

std::string quoted(std::string_view field) {
    if (field.find_first_of(std::string_view{"\"\r\n;"}) == std::string_view::npos) return std::string(field);
    std::string text = "\"";
    for (const char c : field) {
        if (c == '"') text += '"';
        text += c;
    }
    return text + '"';
}

std::string joined(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t n = 0; n < fields.size(); ++n) {
        if (n > 0) line += kSeparator;
        line += quoted(fields[n]);
    }
    return line;
}

std::vector<std::string> split(std::string_view line) {
    std::size_t at = 0;
    int number = 1;
    return readRecord(line, at, number, false);
}

std::vector<Record> records(std::string_view text) {
    std::vector<Record> records;
    std::size_t at = 0;
    int line = 1;
    while (at < text.size()) {
        const std::size_t start = at;
        Record record{line, readRecord(text, at, line, true)};
        const bool blank = record.fields.size() == 1 && record.fields.front().empty() &&
                           text.substr(start, at - start).find('"') == std::string_view::npos;
        if (!blank) records.push_back(std::move(record));
        ++line;
    }
    return records;
}

std::string trimmed(std::string_view field) {
    const auto first = field.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return std::string(field.substr(first, field.find_last_not_of(" \t") - first + 1));
}

}  // namespace vexa::delimited
