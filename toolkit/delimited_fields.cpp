#include "toolkit/delimited_fields.h"

namespace vexa::delimited {

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
    std::vector<std::string> fields(1);
    std::size_t n = 0;
    bool fieldStart = true;
    while (n < line.size()) {
        const char c = line[n++];
        if (c == kSeparator) {
            fields.emplace_back();
            fieldStart = true;
            continue;
        }
        if (c == '"' && fieldStart) {
            // The quoted part: up to the lone closing quote.
            while (n < line.size()) {
                const char inside = line[n++];
                if (inside != '"') {
                    fields.back() += inside;
                } else if (n < line.size() && line[n] == '"') {
                    fields.back() += '"';
                    ++n;
                } else {
                    break;
                }
            }
        } else {
            fields.back() += c;
        }
        fieldStart = false;
    }
    return fields;
}

std::string trimmed(std::string_view field) {
    const auto first = field.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return std::string(field.substr(first, field.find_last_not_of(" \t") - first + 1));
}

}  // namespace vexa::delimited
