#include "text.h"

#include <algorithm>

#include "errors.h"

namespace vexa::text {
namespace {

EncodingError invalidUtf8At(std::size_t pos) {
    return EncodingError("Nieprawidłowy tekst UTF-8 na pozycji " + std::to_string(pos + 1));
}

}  // namespace

std::u32string toUtf32(std::string_view utf8) {
    std::u32string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[pos]);
        int extra = 0;
        char32_t value = 0;
        if (lead < 0x80) {
            value = lead;
        } else if ((lead & 0xE0U) == 0xC0U) {
            extra = 1;
            value = lead & 0x1FU;
        } else if ((lead & 0xF0U) == 0xE0U) {
            extra = 2;
            value = lead & 0x0FU;
        } else if ((lead & 0xF8U) == 0xF0U) {
            extra = 3;
            value = lead & 0x07U;
        } else {
            throw invalidUtf8At(pos);
        }
        if (pos + static_cast<std::size_t>(extra) >= utf8.size()) throw invalidUtf8At(pos);
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(utf8[pos + k]);
            if ((next & 0xC0U) != 0x80U) throw invalidUtf8At(pos);
            value = (value << 6U) | (next & 0x3FU);
        }
        static constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
        if (value < kSmallest[extra] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
            throw invalidUtf8At(pos);
        out += value;
        pos += extra + 1;
    }
    return out;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0U | (c >> 6U));
        out += static_cast<char>(0x80U | (c & 0x3FU));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0U | (c >> 12U));
        out += static_cast<char>(0x80U | ((c >> 6U) & 0x3FU));
        out += static_cast<char>(0x80U | (c & 0x3FU));
    } else {
        out += static_cast<char>(0xF0U | (c >> 18U));
        out += static_cast<char>(0x80U | ((c >> 12U) & 0x3FU));
        out += static_cast<char>(0x80U | ((c >> 6U) & 0x3FU));
        out += static_cast<char>(0x80U | (c & 0x3FU));
    }
}

std::string toUtf8(std::u32string_view characters) {
    std::string out;
    out.reserve(characters.size());
    for (const char32_t c : characters) appendUtf8(out, c);
    return out;
}

std::size_t length(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(
        utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0U) != 0x80U; }));
}

std::string cut(std::string_view utf8, std::size_t capacity) {
    std::size_t characters = 0;
    for (std::size_t pos = 0; pos < utf8.size(); ++pos) {
        if ((static_cast<unsigned char>(utf8[pos]) & 0xC0U) != 0x80U) {
            if (characters == capacity) return std::string(utf8.substr(0, pos));
            ++characters;
        }
    }
    return std::string(utf8);
}

std::string withoutControlCharacters(std::string_view utf8) {
    // Control characters are single bytes in UTF-8, never part of another character.
    std::string text;
    text.reserve(utf8.size());
    for (const char byte : utf8)
        if (!isControl(static_cast<unsigned char>(byte))) text += byte;
    return text;
}

std::string onOneLine(std::string_view text, bool collapseBlanks) {
    std::string line;
    for (std::size_t at = 0; at < text.size(); ++at) {
        char c = text[at];
        if (c == '\r' && at + 1 < text.size() && text[at + 1] == '\n') continue;
        if (c == '\r' || c == '\n' || (collapseBlanks && c == '\t')) c = ' ';
        if (collapseBlanks && c == ' ' && (line.empty() || line.back() == ' ')) continue;
        line += c;
    }
    if (collapseBlanks && !line.empty() && line.back() == ' ') line.pop_back();
    return line;
}

std::u32string copy(std::u32string_view s, long first, long count) {
    if (first < 1) first = 1;
    const auto size = static_cast<long>(s.size());
    if (count <= 0 || first > size) return {};
    count = std::min(count, size - first + 1);
    return std::u32string(s.substr(static_cast<std::size_t>(first - 1), static_cast<std::size_t>(count)));
}

long find(std::u32string_view s, std::u32string_view part) {
    if (part.empty()) return 0;
    const auto at = s.find(part);
    return at == std::u32string_view::npos ? 0 : static_cast<long>(at) + 1;
}

}  // namespace vexa::text
