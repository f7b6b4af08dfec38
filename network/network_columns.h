#pragma once

// The columns of a network: those of its file, which the user types, and
// those of its results table. Each is declared here once, with the key of
// its head line, its Polish heading and unit for a table's head (the
// window's, a workbook's) and how its numbers are written; everything that
// names, reads or writes a column takes it from these tables.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vexa {

struct NetworkColumn {
    const char* key;      // in the head line of the file or the results table
    const char* heading;  // in Polish, without the unit
    const char* unit;     // "m", "l/s", ...; empty for none
    int decimals;         // of its numbers, or kTextColumn / kGeneralNumber / kItemColumn

    // "Długość [m]", or the heading alone.
    std::string headingWithUnit() const;
};

inline constexpr int kTextColumn = -1;
inline constexpr int kGeneralNumber = -2;  // a number in the general form (no fixed decimals)
inline constexpr int kItemColumn = -3;     // a list's item by its position

// The file's columns, in the order of its head line.
enum class InputColumn {
    Odcinek,
    Od,
    Do,
    Dlugosc,
    TerenOd,
    TerenDo,
    Doplyw,
    Typ,
    Srednica,
    SDR,
    Scieki,
    Opory,
    KryteriumDoboru,
    HdMax,
    Zlewnia,  // optional, with Psi: a file may end its head line at HdMax
    Psi,
};
inline constexpr int kInputColumnCount = 16;
// The columns every network file has; the catchment's follow them.
inline constexpr int kRequiredInputColumnCount = 14;
inline constexpr std::array<NetworkColumn, kInputColumnCount> kInputColumns{{
    {"Odcinek", "Odcinek", "", kTextColumn},
    {"Od", "Studnia początkowa", "", kTextColumn},
    {"Do", "Studnia końcowa", "", kTextColumn},
    {"Dlugosc", "Długość", "m", 3},
    {"TerenOd", "Teren na początku", "m", 3},
    {"TerenDo", "Teren na końcu", "m", 3},
    {"Doplyw", "Dopływ", "l/s", 3},
    {"Typ", "Typ rury", "", kItemColumn},
    {"Srednica", "Średnica", "", kTextColumn},
    {"SDR", "SDR", "", kTextColumn},
    {"Scieki", "Ścieki", "", kItemColumn},
    {"Opory", "Opory miejscowe", "", kItemColumn},
    {"KryteriumDoboru", "Kryterium doboru rury", "", kItemColumn},
    {"HdMax", "h/d max", "%", kTextColumn},
    {"Zlewnia", "Zlewnia", "ha", 4},
    {"Psi", "ψ", "", 2},
}};

inline const NetworkColumn& column(InputColumn input) { return kInputColumns[static_cast<std::size_t>(input)]; }
constexpr int position(InputColumn input) { return static_cast<int>(input); }

// The results table's columns, in the order of its head line.
enum class ResultColumn {
    Odcinek,
    Od,
    Do,
    Dlugosc,
    Q,
    Bd,
    Bnrkat,
    Bkl,
    Bk,
    Bi,
    Bh,
    Br,
    Bv,
    Bws,
    Bwp,
    DnoOd,
    DnoDo,
    PrzykrycieOd,
    PrzykrycieDo,
    GlebokoscOd,
    GlebokoscDo,
    Kaskada,
    Fzr,  // the five of the rain, in the results of a rain network only
    tp,
    td,
    q,
    Qdeszcz,
    Uwagi,
};
inline constexpr int kResultColumnCount = 28;
inline constexpr std::array<NetworkColumn, kResultColumnCount> kResultColumns{{
    {"Odcinek", "Odcinek", "", kTextColumn},
    {"Od", "Studnia początkowa", "", kTextColumn},
    {"Do", "Studnia końcowa", "", kTextColumn},
    {"Dlugosc", "Długość", "m", 3},
    {"Q", "Q", "l/s", kGeneralNumber},
    {"Bd", "Średnice Dz / Dw", "mm", kTextColumn},
    {"Bnrkat", "Nr katalogowy", "", kTextColumn},
    {"Bkl", "Klasa", "", kTextColumn},
    {"Bk", "k", "mm", 2},
    {"Bi", "Spadek", "‰", 1},
    {"Bh", "h/d", "%", 0},
    {"Br", "τ", "Pa", 2},
    {"Bv", "v", "m/s", 2},
    {"Bws", "Samooczyszczanie", "", kTextColumn},
    {"Bwp", "Przewietrzanie", "", kTextColumn},
    {"DnoOd", "Dno na początku", "m n.p.m.", 3},
    {"DnoDo", "Dno na końcu", "m n.p.m.", 3},
    {"PrzykrycieOd", "Przykrycie na początku", "m", 3},
    {"PrzykrycieDo", "Przykrycie na końcu", "m", 3},
    {"GlebokoscOd", "Zagłębienie na początku", "m", 3},
    {"GlebokoscDo", "Zagłębienie na końcu", "m", 3},
    {"Kaskada", "Kaskada", "m", 3},
    {"Fzr", "Fzr", "ha", 4},
    {"tp", "tp", "min", 2},
    {"td", "td", "min", 2},
    {"q", "q", "l/(s·ha)", 1},
    {"Qdeszcz", "Q deszczu", "l/s", kGeneralNumber},
    {"Uwagi", "Uwagi", "", kTextColumn},
}};

inline const NetworkColumn& column(ResultColumn result) { return kResultColumns[static_cast<std::size_t>(result)]; }
constexpr int position(ResultColumn result) { return static_cast<int>(result); }

// Every column of an enumeration has its entry, in its place: a column added
// to one and not the other does not build.
namespace column_detail {
template <std::size_t N>
constexpr bool complete(const std::array<NetworkColumn, N>& columns) {
    for (const NetworkColumn& each : columns)
        if (!each.key || !each.heading || !each.unit || !*each.key) return false;
    return true;
}
constexpr bool same(const char* a, const char* b) { return std::string_view(a) == std::string_view(b); }
}  // namespace column_detail
static_assert(column_detail::complete(kInputColumns) && column_detail::complete(kResultColumns));
static_assert(position(InputColumn::Psi) + 1 == kInputColumnCount &&
              position(InputColumn::HdMax) + 1 == kRequiredInputColumnCount &&
              column_detail::same(kInputColumns[position(InputColumn::HdMax)].key, "HdMax") &&
              column_detail::same(kInputColumns[position(InputColumn::Typ)].key, "Typ"));
static_assert(position(ResultColumn::Uwagi) + 1 == kResultColumnCount &&
              column_detail::same(kResultColumns[position(ResultColumn::Uwagi)].key, "Uwagi") &&
              column_detail::same(kResultColumns[position(ResultColumn::Bd)].key, "Bd") &&
              column_detail::same(kResultColumns[position(ResultColumn::DnoOd)].key, "DnoOd") &&
              column_detail::same(kResultColumns[position(ResultColumn::Fzr)].key, "Fzr"));

namespace column_detail {
// The keys joined by ";", at compile time, so that the head line is a
// constant every part of the program may use at any time.
template <std::size_t N>
constexpr std::size_t headLength(const std::array<NetworkColumn, N>& columns, std::size_t count = N) {
    std::size_t length = count - 1;
    for (std::size_t n = 0; n < count; ++n) length += std::char_traits<char>::length(columns[n].key);
    return length;
}
template <std::size_t Length, std::size_t N>
constexpr std::array<char, Length + 1> headLine(const std::array<NetworkColumn, N>& columns, std::size_t count = N) {
    std::array<char, Length + 1> line{};
    std::size_t at = 0;
    for (std::size_t n = 0; n < count; ++n) {
        if (n > 0) line[at++] = ';';
        for (const char* key = columns[n].key; *key; ++key) line[at++] = *key;
    }
    return line;
}
inline constexpr auto kInputHead = headLine<headLength(kInputColumns)>(kInputColumns);
inline constexpr auto kRequiredInputHead =
    headLine<headLength(kInputColumns, kRequiredInputColumnCount)>(kInputColumns, kRequiredInputColumnCount);
}  // namespace column_detail

// The head lines of a network file: with the catchment's columns, and
// without them as files were written before catchments.
inline constexpr const char* kNetworkHeadLine = column_detail::kInputHead.data();
inline constexpr const char* kNetworkHeadLineWithoutCatchments = column_detail::kRequiredInputHead.data();

// The results table's columns: a network without rain has none of the
// rain's, so that its table is what it always was.
bool isRainColumn(ResultColumn result);
std::vector<ResultColumn> networkResultColumns(bool rain);
std::string networkResultsHead(bool rain);

}  // namespace vexa
