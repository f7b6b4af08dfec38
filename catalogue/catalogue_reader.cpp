#include "catalogue/catalogue_reader.h"

#include <cmath>
#include <fstream>
#include <iterator>
#include <memory>

#include "toolkit/cp1250.h"
#include "toolkit/numbers.h"
#include "toolkit/text.h"

namespace vexa {
namespace {

using text::copy;
using text::find;

constexpr long kRestOfLine = 1L << 30;

// Walks the lines of one file, section by section.
class Reader {
public:
    Reader(const std::vector<std::string>& lines, Catalogue& catalogue, std::string fileName)
        : catalogue_(catalogue), fileName_(std::move(fileName)) {
        lines_.reserve(lines.size());
        for (const auto& line : lines) lines_.push_back(text::toUtf32(line));
    }

    void read() {
        readTypes();
        readOptimisation();
        readSdrList(catalogue_.sdrpe, U"\"SDR-PP\"", "SDR-PE");
        readSdrList(catalogue_.sdrpp, U"\"Limit SDR\"", "SDR-PP");
        readLimit();
    }

private:
    const std::u32string& nextLine(const char* missingMarker) {
        if (next_ >= lines_.size()) damaged(std::string("plik kończy się przed wierszem \"") + missingMarker + "\"");
        return lines_[next_++];
    }

    [[noreturn]] void damaged(const std::string& why) const {
        throw CatalogueError("Zbiór \"" + fileName_ + "\" jest uszkodzony: " + why + ".");
    }

    std::string lineRef() const { return " (wiersz " + std::to_string(next_) + ")"; }

    static extended number(const std::u32string& characters) { return parseNumber(text::toUtf8(characters)); }

    // The characters after the first comma of the line; the whole line when it
    // has none.
    static extended valueAfterComma(const std::u32string& line) {
        return number(copy(line, find(line, U",") + 1, kRestOfLine));
    }

    // A diameter or an SDR value that the calculation uses: one that is zero,
    // negative or too large for a double would make every result of its
    // pipes meaningless.
    double positive(extended value, const char* what, const std::u32string& line) const {
        const auto stored = static_cast<double>(value);
        if (!(stored > 0) || !std::isfinite(stored))
            damaged(std::string(what) + " w wierszu \"" + text::toUtf8(line) + "\" nie jest dodatnią liczbą skończoną" +
                    lineRef());
        return stored;
    }

    static long length(const std::u32string& line) { return static_cast<long>(line.size()); }

    void readTypes() {
        catalogue_.r_ind = 0;
        catalogue_.ilosc_typow = 0;
        int current = 1;  // the diameter of the most recent "DOUT" line, across types
        for (;;) {
            const std::u32string& line = nextLine("Optymalizacja");
            if (line == U"\"Optymalizacja\"") return;
            const long size = length(line);

            if (find(line, U"Rurtyp") != 0) {
                if (catalogue_.ilosc_typow == kMaxTypes)
                    damaged("więcej niż " + std::to_string(kMaxTypes) + " typów rur" + lineRef());
                ++catalogue_.r_ind;
                ++catalogue_.ilosc_typow;
                Rura_1& type = catalogue_.type(catalogue_.r_ind);
                type.nazwa = text::cut(text::toUtf8(copy(line, 8, size - 8)), kNazwaCapacity);
                const long klasa = find(line, U"klasa");
                type.klasa = text::cut(text::toUtf8(copy(line, klasa + 6, size - klasa - 6)), kKlasaCapacity);
                type.ilosc_sred = 0;
                continue;
            }

            const bool dout = find(line, U"DOUT") != 0;
            const bool din = find(line, U"DIN") != 0;
            const bool kod = find(line, U"KOD") != 0;
            const bool k1 = find(line, U"K1") != 0, k2 = find(line, U"K2") != 0;
            const bool k3 = find(line, U"K3") != 0, k4 = find(line, U"K4") != 0;
            if (!(dout || din || kod || k1 || k2 || k3 || k4)) continue;
            if (catalogue_.r_ind == 0) damaged("dane rury przed pierwszym wierszem \"Rurtyp\"" + lineRef());
            Rura_1& type = catalogue_.type(catalogue_.r_ind);

            if (dout) {
                if (type.ilosc_sred == kMaxDiameters)
                    damaged("typ rury nr " + std::to_string(catalogue_.r_ind) + " ma więcej niż " +
                            std::to_string(kMaxDiameters) + " średnic" + lineRef());
                ++type.ilosc_sred;
                current = type.ilosc_sred;
                type.diameter(current).dout = positive(valueAfterComma(line) / 10, "średnica", line);
            }
            if (din) {
                // A pipe whose wall follows from the SDR never uses its inner
                // diameter: files write 0 there. Inner equal to outer is how a
                // type given by its nominal inside size is written.
                const extended inner = valueAfterComma(line) / 10;
                type.diameter(current).din =
                    type.klasa == "SDR" ? static_cast<double>(inner) : positive(inner, "średnica", line);
            }
            if (kod) {
                // The quoted value after the comma, less its four-character prefix.
                const long comma = find(line, U",");
                const std::u32string quoted = copy(line, comma + 2, size - comma - 2);
                type.diameter(current).kod = text::cut(text::toUtf8(copy(quoted, 5, kRestOfLine)), kKodCapacity);
            }
            if (k1) type.k1 = static_cast<double>(valueAfterComma(line) / 1000);
            if (k2) type.k2 = static_cast<double>(valueAfterComma(line) / 1000);
            if (k3) type.k3 = static_cast<double>(valueAfterComma(line) / 1000);
            if (k4) type.k4 = static_cast<double>(valueAfterComma(line) / 1000);
        }
    }

    void readOptimisation() {
        opti_struct& table = catalogue_.tabopti;
        table.ilosc = 0;
        for (;;) {
            const std::u32string& line = nextLine("SDR-PE");
            if (line == U"\"SDR-PE\"") return;
            if (line.empty()) continue;
            if (table.ilosc == kMaxOptimisationEntries)
                damaged("więcej niż " + std::to_string(kMaxOptimisationEntries) +
                        " pozycji w sekcji \"Optymalizacja\"" + lineRef());
            ++table.ilosc;
            table.nazwy.at(table.ilosc - 1) =
                text::cut(text::toUtf8(copy(line, 2, length(line) - 2)), kOptimisationNameCapacity);
        }
    }

    void readSdrList(SdrList& list, std::u32string_view endMarker, const char* section) {
        const std::string endName = text::toUtf8(endMarker.substr(1, endMarker.size() - 2));
        list.ilosc = 0;
        for (;;) {
            const std::u32string& line = nextLine(endName.c_str());
            if (line == endMarker) return;
            if (line.empty()) continue;
            if (list.ilosc == kMaxSdrValues)
                damaged("więcej niż " + std::to_string(kMaxSdrValues) + " wartości w sekcji \"" + section + "\"" +
                        lineRef());
            ++list.ilosc;
            list.wartosc.at(list.ilosc - 1) = positive(number(line) / 10, "wartość SDR", line);
        }
    }

    void readLimit() {
        const auto missing = [this] {
            if (next_ >= lines_.size()) damaged("brak wartości granicznych SDR po wierszu \"Limit SDR\"");
        };
        missing();
        catalogue_.dout_max = static_cast<double>(number(lines_[next_++]));
        missing();
        catalogue_.sdr_max = static_cast<double>(number(lines_[next_++]) / 10);
    }

    std::vector<std::u32string> lines_;
    std::size_t next_ = 0;
    Catalogue& catalogue_;
    std::string fileName_;
};

}  // namespace

std::vector<std::string> catalogueLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        const std::size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
        if (end == std::string_view::npos) end = bytes.size();
        std::size_t stop = end;
        // CR LF ends a line, and so does a CR at the very end of the file.
        if (stop > start && bytes[stop - 1] == '\r') --stop;
        lines.push_back(cp1250::decode(bytes.substr(start, stop - start)));
        start = next;
    }
    return lines;
}

void readCatalogue(const std::vector<std::string>& lines, Catalogue& catalogue, const std::string& fileName) {
    // Read into a copy so that a broken file leaves the catalogue as it was.
    auto fresh = std::make_unique<Catalogue>(catalogue);
    Reader(lines, *fresh, fileName).read();
    catalogue = std::move(*fresh);
}

void readCatalogueFile(const std::filesystem::path& path, Catalogue& catalogue) {
    const std::string name = path.filename().string();
    const auto unreadable = [&] { return CatalogueError("Nie można odczytać zbioru \"" + name + "\"."); };
    std::ifstream file(path, std::ios::binary);
    if (!file || std::filesystem::is_directory(path)) throw unreadable();
    std::string bytes;
    try {
        bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    } catch (const std::ios_base::failure&) {
        throw unreadable();
    }
    if (file.bad()) throw unreadable();
    readCatalogue(catalogueLines(bytes), catalogue, name);
}

void linkOptimisation(Catalogue& catalogue) {
    opti_struct& table = catalogue.tabopti;
    for (int entry = 1; entry <= table.ilosc; ++entry) {
        const std::string& fragment = table.nazwy.at(entry - 1);
        if (fragment.empty()) continue;
        for (int type = 1; type <= catalogue.ilosc_typow; ++type) {
            if (catalogue.type(type).nazwa.find(fragment) != std::string::npos) {
                table.nr_typu.at(entry - 1) = type;
                break;
            }
        }
    }
}

}  // namespace vexa
