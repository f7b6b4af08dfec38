#include "network/profile_drawing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string>

#include "network/profile_sheets.h"
#include "network/profile_title_block.h"
#include "network/sheet_pen.h"
#include "toolkit/delimited_fields.h"
#include "toolkit/numbers.h"

namespace vexa {
namespace {

using namespace profile_sheet;

// Capital heights [mm]: none below the smallest of the usual series but the
// small print of a catalogue number.
constexpr double kText = 1.8;           // table values and row titles, manhole names
constexpr double kPipeText = 1.5;       // the pipe's type, the branches joining
constexpr double kFineText = 1.2;       // the catalogue number
constexpr double kTitleText = 2.5;      // a profile's
constexpr double kLabelText = 1.4;      // the reference level's
constexpr double kMinPieceWidth = 55;   // room for a profile's title and its reference level
constexpr double kMinRunWidth = 36;     // room for the label of a reference level
constexpr double kStepMark = 5;         // where the reference level changes, up from the table
constexpr double kBranchStub = 3;       // of a branch joining a manhole, left of it
constexpr double kMinBranchRoom = 8;    // under the ground for its label
constexpr double kBranchGap = 1.5;      // from the manhole to its branches' first label
constexpr double kBranchSpacing = 2.6;  // between their labels
constexpr double kNameHalfWidth = 1.4;  // of a manhole's upright name

// The table's rows from the top down, with their heights [mm]: the
// manholes' values stand upright, the sections' run along them, and so
// does a manhole's kind, centred on it.
enum Row {
    kManhole,
    kKind,
    kGround,
    kInvert,
    kDepth,
    kChainage,
    kSection,
    kLength,
    kSlope,
    kPipe,
    kFlow,
    kVelocity,
    kFilling,
    kRows
};
struct RowLayout {
    const char* title;
    double height;
};
constexpr std::array<RowLayout, kRows> kRowLayout{{{"Studnia", 8},
                                                   {"Rodzaj studni", 3.5},
                                                   {"Rzędna terenu [m]", 8.5},
                                                   {"Rzędna dna kanału [m]", 8.5},
                                                   {"Zagłębienie [m]", 6.5},
                                                   {"Odległość [m]", 10.5},
                                                   {"Odcinek", 3.5},
                                                   {"Długość [m]", 3.5},
                                                   {"Spadek [‰]", 3.5},
                                                   {"Rura", 7.5},
                                                   {"Q [l/s]", 3.5},
                                                   {"v [m/s]", 3.5},
                                                   {"h/d [%]", 3.5}}};

constexpr double tableHeight() {
    double height = 0;
    for (const RowLayout& row : kRowLayout) height += row.height;
    return height;
}
static_assert(tableHeight() == kTableHeight);

// The room a piece of a profile has: the width of a band, and the height of
// its drawing in a band alone on its sheet, or in one of two.
constexpr double kWidthRoom = kFrameRight - kHeaderRight;
constexpr double kBandRoom = kFrameTop - kTableFoot;
constexpr double kAboveDrawing = kNameBand + kProfileTitleBand;
constexpr double kDrawingRoom = kBandRoom - kTableHeight - kAboveDrawing;
constexpr double kHalfDrawingRoom = kBandRoom / 2 - kTableHeight - kAboveDrawing;

// The top of a row below the table's top, and its middle.
double rowDepth(int row) {
    double depth = 0;
    for (int r = 0; r < row; ++r) depth += kRowLayout[static_cast<std::size_t>(r)].height;
    return depth;
}
double rowMiddleDepth(int row) { return rowDepth(row) + kRowLayout[static_cast<std::size_t>(row)].height / 2; }

// Millimetres as metres with 3 decimals, or rounded half away from zero to 2.
std::string metres(long long millimetres, int decimals) {
    if (decimals >= 3) return formatScaled(millimetres, 3);
    const long long centimetres = millimetres >= 0 ? (millimetres + 5) / 10 : -((-millimetres + 5) / 10);
    return formatScaled(centimetres, 2);
}

// A chainage as surveyors write it: kilometres + metres, "1+234,56".
std::string chainage(long long millimetres, int decimals) {
    const long long unit = decimals >= 3 ? 1 : 10;
    const long long perKilometre = 1'000'000 / unit;
    const long long units = (millimetres + unit / 2) / unit;
    std::string metresText = formatScaled(units % perKilometre, decimals >= 3 ? 3 : 2);
    const std::size_t width = static_cast<std::size_t>(decimals >= 3 ? 7 : 6);
    if (metresText.size() < width) metresText.insert(0, width - metresText.size(), '0');
    return std::to_string(units / perKilometre) + "+" + metresText;
}

// The pipe as the catalogue's type names it, without its class ("PVC-U
// SN8"), and its size: the outer diameter and the wall of a solid wall
// ("160×4,7"); for a pipe sold by its inside size that size ("DN 150"), and
// for a structured wall, whose outer and inner diameters do not make a wall,
// both ("200 / 172").
struct PipeText {
    std::string type;
    std::string size;
};
PipeText pipeText(const BatchResult& result) {
    if (result.typeName.empty()) return {{}, result.Bd()};
    PipeText text{result.typeName, {}};
    if (const std::size_t klass = text.type.find(" klasa "); klass != std::string::npos) text.type.erase(klass);
    if (result.insideSize) {
        text.size = "DN " + result.Bd();
    } else if (text.type.find("karbowan") != std::string::npos || text.type.find("spiraln") != std::string::npos ||
               text.type.find("dwuścienn") != std::string::npos) {
        text.size = result.Bd();
    } else {
        const auto wallTenths = std::llround((static_cast<extended>(result.outerDiameter) - result.innerDiameter) * 5);
        text.size = formatFixed(result.outerDiameter, 4, 0) + "×" + formatScaled(wallTenths, 1);
    }
    return text;
}

// A manhole along the profile, with the inverts of the profile's pipes at it.
struct Station {
    std::string name;
    long long chainage = 0;  // mm from the profile's first manhole
    long long ground = 0;
    std::optional<long long> invertIn;   // the arriving pipe's lower invert
    std::optional<long long> invertOut;  // the leaving pipe's upper invert
    std::optional<long long> receiving;  // at an outlet, the invert of the sewer it drains into
    bool dropManhole = false;
    std::vector<std::size_t> branches;  // the sections of other profiles arriving, in the file's order

    std::optional<long long> lowestInvert() const {
        if (invertIn && invertOut) return std::min(*invertIn, *invertOut);
        return invertIn ? invertIn : invertOut;
    }
};

// Stations drawn from one reference level: the last of one run is the first
// of the next, where the level steps.
struct Run {
    std::size_t first = 0;
    std::size_t last = 0;
    long long reference = 0;  // mm
};

// The stations of a profile drawn in one place on a sheet, with its table.
struct Piece {
    std::size_t first = 0;
    std::size_t last = 0;
    std::vector<Run> runs;
    PieceSize size;
};

class ProfileBuilder {
public:
    ProfileBuilder(const Network& network, const std::vector<SectionDesign>& designs, const ProfilePath& path,
                   ProfileScales scales)
        : network_(network), designs_(designs), path_(path), scales_(scales) {
        const auto& first = network.sections[path.sections.front()];
        stations_.push_back({first.from, 0, first.groundFrom, std::nullopt, std::nullopt, std::nullopt, false, {}});
        for (std::size_t n = 0; n < path.sections.size(); ++n) {
            const std::size_t index = path.sections[n];
            const NetworkSection& section = network.sections[index];
            const std::optional<SectionLevels>& levels = designs[index].levels;
            if (levels) stations_.back().invertOut = levels->invertFrom;
            stations_.back().dropManhole = designs[index].dropManhole;
            if (n > 0)
                stations_.back().branches = branchesJoining(network.topology.incoming(index), path.sections[n - 1]);
            stations_.push_back({section.to,
                                 stations_.back().chainage + section.length,
                                 section.groundTo,
                                 levels ? std::optional(levels->invertTo) : std::nullopt,
                                 std::nullopt,
                                 std::nullopt,
                                 false,
                                 {}});
        }
        const SectionDesign& last = designs[path.sections.back()];
        stations_.back().receiving = last.receivingInvert;
        stations_.back().dropManhole = last.outletDropManhole;
        // A branch ends where it joins a profile that marks the others joining there.
        if (path.mainCollector)
            stations_.back().branches =
                branchesJoining(network.topology.arriving(stations_.back().name), path.sections.back());
        // Where a branch joins, the manhole goes down to the pipe leaving it.
        if (const auto leaving = network.topology.leaving(stations_.back().name); leaving) {
            stations_.back().dropManhole = designs[*leaving].dropManhole;
            if (designs[*leaving].levels) stations_.back().invertOut = designs[*leaving].levels->invertFrom;
        }
        ends_ = stations_.front().name + " - " + stations_.back().name;
        chooseScales();
        cutIntoPieces();
    }

    // A plain hyphen: the fonts of CAD programs may lack the dash.
    std::string title() const { return "Profil podłużny " + ends_; }
    const std::string& ends() const { return ends_; }
    std::string scalesText() const {
        return "1:" + std::to_string(scales_.horizontal) + " / 1:" + std::to_string(scales_.vertical);
    }
    const std::vector<Piece>& pieces() const { return pieces_; }
    const ProfileScales& scales() const { return scales_; }

    // Piece `n` at `place` on `sheet` (from 0); its sections' places are added to `placements`.
    void drawPiece(std::size_t n, const PiecePlace& place, DrawingSheet& sheet,
                   std::vector<SectionPlacement>& placements) const {
        PiecePainter painter{*this, pieces_[n], place, SheetPen(sheet)};
        painter.draw();
        for (std::size_t s = pieces_[n].first; s < pieces_[n].last; ++s)
            placements.push_back(
                {path_.sections[s], place.sheet, painter.x(s), painter.x(s + 1), place.bottom, place.top});
    }

private:
    static std::vector<std::size_t> branchesJoining(const std::vector<std::size_t>& arriving, std::size_t own) {
        std::vector<std::size_t> branches;
        for (const std::size_t section : arriving)
            if (section != own) branches.push_back(section);
        return branches;
    }

    // The reference level of the stations first .. last: a whole metre at
    // least one metre below everything drawn. That is their lowest invert,
    // but for the ground of a manhole whose pipes have no levels (their
    // section failed), which may lie lower.
    long long referenceLevel(std::size_t first, std::size_t last) const {
        long long lowest = stations_[first].ground;
        for (std::size_t s = first; s <= last; ++s) {
            lowest = std::min(lowest, stations_[s].ground);
            if (const auto invert = stations_[s].lowestInvert()) lowest = std::min(lowest, *invert);
            if (const auto receiving = stations_[s].receiving) lowest = std::min(lowest, *receiving);
        }
        const long long below = lowest - 1000;
        return (below >= 0 ? below / 1000 : -((-below + 999) / 1000)) * 1000;
    }

    // The height of the stations first .. last above their reference level, mm at `vertical`.
    double height(std::size_t first, std::size_t last, long long vertical) const {
        long long highest = stations_[first].ground;
        for (std::size_t s = first; s <= last; ++s)
            highest = std::max({highest, stations_[s].ground, stations_[s].receiving.value_or(highest)});
        return static_cast<double>(highest - referenceLevel(first, last)) / static_cast<double>(vertical);
    }
    // The distance from station first to station last, mm at `horizontal`.
    double distance(std::size_t first, std::size_t last, long long horizontal) const {
        return static_cast<double>(stations_[last].chainage - stations_[first].chainage) /
               static_cast<double>(horizontal);
    }

    // The profile's one pair of scales: those chosen, or the next of the
    // usual series that hold its longest and its tallest section on a sheet.
    void chooseScales() {
        for (std::size_t first = 0; first + 1 < stations_.size(); ++first) {
            while (kLead + distance(first, first + 1, scales_.horizontal) + kTrail > kWidthRoom)
                scales_.horizontal = nextScale(scales_.horizontal);
            while (height(first, first + 1, scales_.vertical) > kDrawingRoom)
                scales_.vertical = nextScale(scales_.vertical);
        }
    }

    // The next scale after 1:n of the series 1, 2, 5, 10, 20, 25, 50, 100, ...
    static long long nextScale(long long n) {
        for (long long decade = 1;; decade *= 10)
            for (const long long tenths : {10LL, 20LL, 25LL, 50LL})
                if (tenths * decade % 10 == 0 && tenths * decade / 10 > n) return tenths * decade / 10;
    }

    // The pieces, each as many stations as a band is wide. A piece whose
    // sections each fit the room of a band sharing its sheet with another is
    // cut for such a band, so that pieces stand one above the other; else for
    // a band as high as the sheet.
    void cutIntoPieces() {
        std::size_t first = 0;
        while (first + 1 < stations_.size()) {
            Piece piece = cutPiece(first, kDrawingRoom);
            bool low = true;
            for (std::size_t s = piece.first; s < piece.last; ++s)
                low = low && height(s, s + 1, scales_.vertical) <= kHalfDrawingRoom;
            // Not where the lower band's steps would end the piece sooner.
            if (low)
                if (Piece lower = cutPiece(first, kHalfDrawingRoom); lower.last == piece.last) piece = std::move(lower);
            first = piece.last;
            pieces_.push_back(std::move(piece));
        }
    }

    // The piece from station `first`, its drawing no higher than `room`: a
    // piece too tall steps its reference level at the manhole before the
    // station that would not fit, once the level's run has room for its
    // label; else it ends there. Every piece and every run holds a section at
    // least, and every section fits the room.
    Piece cutPiece(std::size_t first, double room) const {
        Piece piece{first, first + 1, {}, {}};
        Run run{first, first + 1, 0};
        for (std::size_t last = first + 2; last < stations_.size(); ++last) {
            if (kLead + distance(first, last, scales_.horizontal) + kTrail > kWidthRoom) break;
            if (height(run.first, last, scales_.vertical) > room) {
                const double runWidth =
                    distance(run.first, last - 1, scales_.horizontal) + (run.first == first ? kLead : 0);
                if (runWidth < kMinRunWidth || height(last - 1, last, scales_.vertical) > room) break;
                piece.runs.push_back(run);
                run = {last - 1, last, 0};
            }
            run.last = last;
            piece.last = last;
        }
        piece.runs.push_back(run);
        double tallest = 0;
        for (Run& each : piece.runs) {
            each.reference = referenceLevel(each.first, each.last);
            tallest = std::max(tallest, height(each.first, each.last, scales_.vertical));
        }
        // The last run's label wants its room too, as far as the band has it.
        const double natural = kLead + distance(first, piece.last, scales_.horizontal) + kTrail;
        const double lastLabel = kLead + distance(first, piece.runs.back().first, scales_.horizontal) + kMinRunWidth;
        piece.size = {std::min(kWidthRoom, std::max({kMinPieceWidth, natural, lastLabel})),
                      kTableHeight + tallest + kAboveDrawing};
        return piece;
    }

    struct PiecePainter {
        const ProfileBuilder& profile;
        const Piece& piece;
        PiecePlace place;
        SheetPen pen;

        int decimals() const { return profile.scales_.levelDecimals; }
        double tableTop() const { return place.bottom + kTableHeight; }
        double right() const { return place.left + piece.size.width; }
        double x(std::size_t s) const {
            return place.left + kLead + profile.distance(piece.first, s, profile.scales_.horizontal);
        }
        double y(long long level, const Run& run) const {
            return tableTop() +
                   static_cast<double>(level - run.reference) / static_cast<double>(profile.scales_.vertical);
        }
        double rowMiddle(int row) const { return tableTop() - rowMiddleDepth(row); }

        void draw() {
            pen.line(DrawingLayer::Table, 0.5, {{right(), place.bottom}, {right(), place.top}});
            pen.text(DrawingLayer::Labels, {place.left + 2, place.top - kProfileTitleBand / 2}, kTitleText,
                     AlongText::Start, AcrossText::Middle, profile.title(), piece.size.width - 4);
            for (std::size_t s = piece.first; s <= piece.last; ++s) manholeCells(s);
            for (std::size_t s = piece.first; s < piece.last; ++s) sectionCells(s);
            for (std::size_t r = 0; r < piece.runs.size(); ++r) run(r);
        }

        // The drawing from one reference level, labelled at its start; a
        // step is marked on the table's top.
        void run(std::size_t r) {
            const Run& run = piece.runs[r];
            const double start = r == 0 ? place.left : x(run.first);
            const double end = r + 1 < piece.runs.size() ? x(piece.runs[r + 1].first) : right();
            if (r > 0) pen.line(DrawingLayer::Labels, 0.7, {{start, tableTop()}, {start, tableTop() + kStepMark}});
            pen.text(DrawingLayer::Labels, {start + 1.2, tableTop() + 1.2}, kLabelText, AlongText::Start,
                     AcrossText::Foot, "Poziom porównawczy " + formatScaled(run.reference / 10, 2) + " m n.p.m.",
                     end - start - 2);
            for (std::size_t s = run.first; s <= run.last; ++s)
                manhole(s, run, /*named=*/r + 1 == piece.runs.size() || s < run.last);
            for (std::size_t s = run.first; s < run.last; ++s) section(s, run);
            std::vector<DrawingPoint> ground;
            for (std::size_t s = run.first; s <= run.last; ++s)
                ground.push_back({x(s), y(profile.stations_[s].ground, run)});
            pen.line(DrawingLayer::Ground, 0.35, std::move(ground));
        }

        // Where the next manhole stands near, a manhole's upright texts are smaller.
        double textHeight(std::size_t s) const {
            double spacing = kWidthRoom;
            if (s > piece.first) spacing = std::min(spacing, x(s) - x(s - 1));
            if (s < piece.last) spacing = std::min(spacing, x(s + 1) - x(s));
            return std::min(kText, spacing * 0.7);
        }

        void manhole(std::size_t s, const Run& run, bool named) {
            const Station& station = profile.stations_[s];
            const double atX = x(s), groundY = y(station.ground, run);
            // Down to its lowest invert, or at an outlet dropping into the sewer below, to that sewer's.
            std::optional<long long> bottom = station.lowestInvert();
            if (station.receiving && bottom && *station.receiving < *bottom) bottom = station.receiving;
            if (bottom) pen.line(DrawingLayer::Manholes, 0.35, {{atX, groundY}, {atX, y(*bottom, run)}});
            // A manhole where the level steps is named once, above the higher
            // of its two drawings, and clear of a ground rising steeply beside it.
            double lift = 0;
            for (const std::size_t other : {s - 1, s + 1})
                if (other >= run.first && other <= run.last && other != s && x(other) != atX)
                    lift = std::max(lift, (y(profile.stations_[other].ground, run) - groundY) * kNameHalfWidth /
                                              std::abs(x(other) - atX));
            if (named)
                pen.text(DrawingLayer::Manholes, {atX, groundY + 1.5 + lift}, std::min(kText, textHeight(s)),
                         AlongText::Start, AcrossText::Middle, station.name, kNameBand - 2, true);
            if (named && (s < piece.last || s + 1 == profile.stations_.size())) branches(s, run, groundY);
            if (station.receiving) {
                // The sewer the outlet drains into, at its invert.
                const double receivingY = y(*station.receiving, run);
                pen.line(DrawingLayer::Sewer, 0.5, {{atX - 4, receivingY}, {atX + 1, receivingY}});
                pen.text(DrawingLayer::Labels, {atX - 5, receivingY}, kText, AlongText::End, AcrossText::Middle,
                         "dno odbiornika " + metres(*station.receiving, decimals()) + " m");
            }
        }

        // The branches joining at station s: a stub at each one's invert, and
        // its section and invert upright beside the manhole, between the
        // pipes' crowns and the ground, or above the ground where the manhole
        // is too shallow; right of it as far as half way to the next manhole,
        // then left of it. A manhole ending a piece and starting the next
        // shows its branches once, on the next.
        void branches(std::size_t s, const Run& run, double groundY) {
            const Station& station = profile.stations_[s];
            const double atX = x(s);
            const auto crownY = [&](std::size_t section, bool upper) {
                const auto& levels = profile.designs_[profile.path_.sections[section]].levels;
                return levels ? std::optional(y((upper ? levels->invertFrom : levels->invertTo) + levels->crown, run))
                              : std::nullopt;
            };
            double rightFloor = groundY, leftFloor = groundY;
            if (const auto lowest = station.lowestInvert()) rightFloor = leftFloor = y(*lowest, run);
            if (s + 1 < profile.stations_.size()) rightFloor = crownY(s, true).value_or(rightFloor);
            if (s > 0) leftFloor = std::max(leftFloor, crownY(s - 1, false).value_or(leftFloor));
            const double rightRoom = (s < piece.last ? (x(s + 1) - atX) / 2 : right() - atX) - kBranchGap;
            const auto onRight = static_cast<std::size_t>(std::max(1.0, std::floor(rightRoom / kBranchSpacing)));
            for (std::size_t b = 0; b < station.branches.size(); ++b) {
                const std::size_t branch = station.branches[b];
                const std::optional<SectionLevels>& levels = profile.designs_[branch].levels;
                std::string label = profile.network_.sections[branch].name;
                if (levels) {
                    const double invertY = y(levels->invertTo, run);
                    pen.line(DrawingLayer::Sewer, 0.35, {{atX - kBranchStub, invertY}, {atX, invertY}});
                    label += " " + metres(levels->invertTo, decimals());
                }
                const bool right = b < onRight;
                const double offset = kBranchGap + kBranchSpacing * static_cast<double>(right ? b : b - onRight);
                const double floorY = right ? rightFloor : leftFloor, below = groundY - floorY - 2;
                const double besideX = right ? atX + offset : atX - offset;
                if (below >= kMinBranchRoom)
                    pen.text(DrawingLayer::Labels, {besideX, floorY + 1}, kPipeText, AlongText::Start,
                             AcrossText::Middle, label, below, true);
                else
                    pen.text(DrawingLayer::Labels, {besideX + (right ? 1.2 : -1.2), groundY + 1.5}, kPipeText,
                             AlongText::Start, AcrossText::Middle, label, kNameBand - 2, true);
            }
        }

        void manholeCell(int row, double atX, std::string value, double height) {
            pen.text(DrawingLayer::Table, {atX, rowMiddle(row)}, height, AlongText::Centre, AcrossText::Middle,
                     std::move(value), kRowLayout[static_cast<std::size_t>(row)].height - 1, true);
        }

        void manholeCells(std::size_t s) {
            const Station& station = profile.stations_[s];
            const double atX = x(s), height = textHeight(s);
            manholeCell(kManhole, atX, station.name, height);
            if (station.dropManhole) {
                // Centred on the manhole, up to the piece's edges, and to the
                // next manholes, or half way where they are drop manholes too.
                const auto reach = [&](std::size_t neighbour) {
                    const double apart = std::abs(x(neighbour) - atX);
                    return profile.stations_[neighbour].dropManhole ? apart / 2 : apart - 1;
                };
                double half = std::min(atX - place.left, right() - atX);
                if (s > piece.first) half = std::min(half, reach(s - 1));
                if (s < piece.last) half = std::min(half, reach(s + 1));
                const double room = 2 * half;
                pen.text(DrawingLayer::Table, {atX, rowMiddle(kKind)}, kPipeText, AlongText::Centre, AcrossText::Middle,
                         "studnia kaskadowa", std::max(room - 1, 1.0));
            }
            manholeCell(kGround, atX, metres(station.ground, decimals()), height);
            const std::optional<long long> lowest = station.lowestInvert();
            if (station.invertIn && station.invertOut && *station.invertIn != *station.invertOut) {
                // A drop: the arriving invert left of the manhole, the leaving one right.
                const double apart = std::min(2.0, (height / kText) * 2.0);
                manholeCell(kInvert, atX - apart, metres(*station.invertIn, decimals()), std::min(height, apart * 1.4));
                manholeCell(kInvert, atX + apart, metres(*station.invertOut, decimals()),
                            std::min(height, apart * 1.4));
            } else if (lowest) {
                manholeCell(kInvert, atX, metres(*lowest, decimals()), height);
            }
            if (lowest) manholeCell(kDepth, atX, metres(station.ground - *lowest, decimals()), height);
            manholeCell(kChainage, atX, chainage(station.chainage, decimals()), height);
            // The section rows are parted at every manhole.
            pen.line(DrawingLayer::Table, 0.25, {{atX, tableTop() - rowDepth(kSection)}, {atX, place.bottom}});
        }

        // A section's values along it, between its manholes.
        void sectionCells(std::size_t s) {
            const std::size_t index = profile.path_.sections[s];
            const SectionDesign& design = profile.designs_[index];
            const double fromX = x(s), toX = x(s + 1), middle = (fromX + toX) / 2;
            const double room = std::max(toX - fromX - 1.5, 1.0);
            const auto cell = [&](int row, std::string value) {
                pen.text(DrawingLayer::Table, {middle, rowMiddle(row)}, kText, AlongText::Centre, AcrossText::Middle,
                         std::move(value), room);
            };
            cell(kSection, profile.network_.sections[index].name);
            cell(kLength, metres(profile.network_.sections[index].length, decimals()));
            if (!design.levels) {
                pen.text(DrawingLayer::Table, {middle, rowMiddle(kPipe)}, kText, AlongText::Centre, AcrossText::Middle,
                         "bez wyniku", room);
                return;
            }
            cell(kSlope, design.result.Bi());
            // Three lines: the type, the size, and the catalogue number in small print.
            const double pipeMiddle = rowMiddle(kPipe);
            const PipeText pipe = pipeText(design.result);
            pen.text(DrawingLayer::Table, {middle, pipeMiddle + 2.35}, kPipeText, AlongText::Centre, AcrossText::Middle,
                     pipe.type, room);
            pen.text(DrawingLayer::Table, {middle, pipeMiddle - 0.2}, kPipeText, AlongText::Centre, AcrossText::Middle,
                     pipe.size, room);
            pen.text(DrawingLayer::Table, {middle, pipeMiddle - 2.55}, kFineText, AlongText::Centre, AcrossText::Middle,
                     delimited::trimmed(design.result.Bnrkat()), room);
            cell(kFlow, formatScaledGeneral(design.flow, 3));
            cell(kVelocity, design.result.Bv());
            cell(kFilling, design.result.Bh());
        }

        // The pipe from station s to s + 1, and its drop at s.
        void section(std::size_t s, const Run& run) {
            const Station& from = profile.stations_[s];
            const SectionDesign& design = profile.designs_[profile.path_.sections[s]];
            const std::optional<SectionLevels>& levels = design.levels;
            if (!levels) return;
            const double fromX = x(s), toX = x(s + 1);
            pen.line(DrawingLayer::Sewer, 0.5, {{fromX, y(levels->invertFrom, run)}, {toX, y(levels->invertTo, run)}});
            pen.line(
                DrawingLayer::Sewer, 0.5,
                {{fromX, y(levels->invertFrom + levels->crown, run)}, {toX, y(levels->invertTo + levels->crown, run)}});
            pen.dashed(DrawingLayer::Water, {fromX, y(levels->invertFrom + levels->water, run)},
                       {toX, y(levels->invertTo + levels->water, run)});
            if (from.invertIn && *from.invertIn != levels->invertFrom)
                pen.line(DrawingLayer::Sewer, 0.5,
                         {{fromX, y(*from.invertIn, run)}, {fromX, y(levels->invertFrom, run)}});
        }
    };

    const Network& network_;
    const std::vector<SectionDesign>& designs_;
    const ProfilePath& path_;
    ProfileScales scales_;
    std::vector<Station> stations_;
    std::string ends_;  // its first and last manholes
    std::vector<Piece> pieces_;
};

// A band's table: its rows across its pieces, and their titles left of them;
// the band parted from the one above.
void drawBand(SheetPen& pen, const SheetBand& band) {
    const double tableTop = band.bottom + kTableHeight;
    if (band.top < kFrameTop) pen.line(DrawingLayer::Table, 0.5, {{kFrameLeft, band.top}, {kFrameRight, band.top}});
    pen.line(DrawingLayer::Table, 0.5, {{kFrameLeft, band.bottom}, {kFrameRight, band.bottom}});
    for (int row = 0; row < kRows; ++row) {
        const double y = tableTop - rowDepth(row);
        pen.line(DrawingLayer::Table, row == 0 ? 0.5 : 0.25, {{kFrameLeft, y}, {band.right, y}});
        pen.text(DrawingLayer::Table, {kFrameLeft + 2, tableTop - rowMiddleDepth(row)}, kText, AlongText::Start,
                 AcrossText::Middle, kRowLayout[static_cast<std::size_t>(row)].title, kHeaderRight - kFrameLeft - 3);
    }
    pen.line(DrawingLayer::Table, 0.5, {{kHeaderRight, band.bottom}, {kHeaderRight, tableTop}});
}

struct DrawnSheets {
    std::vector<DrawingSheet> sheets;
    std::vector<std::string> titles;  // what each sheet shows
    std::vector<SectionPlacement> placements;
};

// The profiles' pieces in their order on shared sheets, numbered from
// from 1 of as many as they take.
DrawnSheets drawSheets(const std::vector<ProfileBuilder>& profiles, const ProjectData& project) {
    std::vector<std::pair<std::size_t, std::size_t>> pieces;  // profile, piece
    std::vector<PieceSize> sizes;
    for (std::size_t p = 0; p < profiles.size(); ++p)
        for (std::size_t n = 0; n < profiles[p].pieces().size(); ++n) {
            pieces.emplace_back(p, n);
            PieceSize size = profiles[p].pieces()[n].size;
            size.continues = n > 0;
            size.horizontalScale = profiles[p].scales().horizontal;
            size.verticalScale = profiles[p].scales().vertical;
            sizes.push_back(size);
        }
    const SheetPacking packing = packPieces(sizes);
    const std::size_t count = packing.sheets;
    DrawnSheets drawn;
    drawn.sheets.resize(count);
    std::vector<std::vector<std::size_t>> shown(count);  // the profiles on each sheet
    for (std::size_t n = 0; n < pieces.size(); ++n) {
        const PiecePlace& place = packing.pieces[n];
        profiles[pieces[n].first].drawPiece(pieces[n].second, place, drawn.sheets[place.sheet], drawn.placements);
        if (shown[place.sheet].empty() || shown[place.sheet].back() != pieces[n].first)
            shown[place.sheet].push_back(pieces[n].first);
    }

    for (std::size_t sheet = 0; sheet < count; ++sheet) {
        SheetPen pen(drawn.sheets[sheet]);
        for (const SheetBand& band : packing.bands)
            if (band.sheet == sheet) drawBand(pen, band);
        SheetTitle title{{}, {}, sheet + 1, count};
        title.drawing = shown[sheet].size() > 1 ? "Profile podłużne " : "Profil podłużny ";
        for (const std::size_t p : shown[sheet]) {
            title.drawing += (p == shown[sheet].front() ? "" : ", ") + profiles[p].ends();
            if (title.scales.find(profiles[p].scalesText()) == std::string::npos)
                title.scales += (title.scales.empty() ? "" : "; ") + profiles[p].scalesText();
        }
        drawSheetFrame(pen, project, title);
        drawn.titles.push_back(title.drawing);
    }
    return drawn;
}

}  // namespace

PlacedProfile placedProfile(const Network& network, const std::vector<SectionDesign>& designs, const ProfilePath& path,
                            ProfileScales scales, const ProjectData& project) {
    std::vector<ProfileBuilder> profiles;
    profiles.emplace_back(network, designs, path, scales);
    DrawnSheets drawn = drawSheets(profiles, project);
    PlacedProfile placed;
    placed.drawing.title = profiles.front().title();
    placed.drawing.sheetWidth = kSheetWidth;
    placed.drawing.sheetHeight = kSheetHeight;
    placed.drawing.sheets = std::move(drawn.sheets);
    placed.sections = std::move(drawn.placements);
    return placed;
}

std::vector<Drawing> networkProfiles(const Network& network, const std::vector<SectionDesign>& designs,
                                     ProfileScales scales, const ProjectData& project) {
    const std::vector<ProfilePath> paths = profilePaths(network, designs);
    std::vector<ProfileBuilder> profiles;
    for (const ProfilePath& path : paths) profiles.emplace_back(network, designs, path, scales);
    DrawnSheets drawn = drawSheets(profiles, project);
    std::vector<Drawing> drawings;
    for (std::size_t sheet = 0; sheet < drawn.sheets.size(); ++sheet)
        drawings.push_back({drawn.titles[sheet], kSheetWidth, kSheetHeight, {std::move(drawn.sheets[sheet])}});
    return drawings;
}

}  // namespace vexa
