#include "cp1250.h"

#include <array>

#include "errors.h"
#include "text.h"

namespace vexa::cp1250 {
namespace {

// Characters of the bytes 0x80 to 0xFF (the lower half is ASCII).
constexpr std::array<char16_t, 128> kUpperHalf = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,  // 98-9F
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,  // A0-A7
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,  // A8-AF
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  // B0-B7
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,  // B8-BF
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,  // C0-C7
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,  // C8-CF
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,  // D0-D7
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,  // D8-DF
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,  // E0-E7
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,  // E8-EF
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,  // F0-F7
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,  // F8-FF
};

}  // namespace

std::string decode(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        text::appendUtf8(out, value < 0x80 ? char32_t{value} : char32_t{kUpperHalf[value - 0x80]});
    }
    return out;
}

std::optional<unsigned char> byteFor(char32_t character) {
    if (character < 0x80) return static_cast<unsigned char>(character);
    for (std::size_t index = 0; index < kUpperHalf.size(); ++index)
        if (kUpperHalf[index] == character) return static_cast<unsigned char>(0x80 + index);
    return std::nullopt;
}

std::string encode(std::string_view utf8) {
    const std::u32string characters = text::toUtf32(utf8);
    std::string out;
    out.reserve(characters.size());
    for (std::size_t index = 0; index < characters.size(); ++index) {
        const auto byte = byteFor(characters[index]);
        if (!byte) {
            std::string shown;
            text::appendUtf8(shown, characters[index]);
            throw EncodingError("Znak \"" + shown + "\" (pozycja " + std::to_string(index + 1) +
                                ") nie występuje w stronie kodowej 1250");
        }
        out += static_cast<char>(*byte);
    }
    return out;
}

}  // namespace vexa::cp1250
