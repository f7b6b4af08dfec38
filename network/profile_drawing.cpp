#include "network/profile_drawing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string>

#include "toolkit/delimited_fields.h"
#include "toolkit/numbers.h"

namespace vexa {
namespace {

using namespace profile_sheet;

constexpr double kText = 2.5;       // table values and row titles
constexpr double kDash = 3;         // of a dashed line, mm
constexpr double kGap = 1.5;        // between its dashes, mm
constexpr double kSmallText = 2.0;  // the pipes, manhole names in the drawing
constexpr double kTitleText = 3.5;
constexpr double kTitleRoom = kSheetWidth - kMargin - kFrameLeft - 6;
constexpr double kLabelText = 1.8;  // of the title block's cells

// The table's rows from the top down, with their heights [mm].
enum Row { kManhole, kGround, kInvert, kDepth, kChainage, kLength, kSlope, kPipe, kRows };
struct RowLayout {
    const char* title;
    double height;
};
constexpr std::array<RowLayout, kRows> kRowLayout{{{"Studnia", 18},
                                                   {"Rzędna terenu [m]", 16},
                                                   {"Rzędna dna kanału [m]", 16},
                                                   {"Zagłębienie [m]", 16},
                                                   {"Odległość [m]", 16},
                                                   {"Długość [m]", 8},
                                                   {"Spadek [‰]", 8},
                                                   {"Rura", 12}}};

constexpr double tableHeight() {
    double height = 0;
    for (const RowLayout& row : kRowLayout) height += row.height;
    return height;
}
static_assert(tableHeight() == kTableHeight);
constexpr double kTableTop = kMargin + kTableHeight;  // the reference level's line
constexpr double kDrawingTop = kTitleLine - kNameBand;

double rowTop(int row) {
    double top = kTableTop;
    for (int r = 0; r < row; ++r) top -= kRowLayout[static_cast<std::size_t>(r)].height;
    return top;
}
double rowMiddle(int row) { return rowTop(row) - kRowLayout[static_cast<std::size_t>(row)].height / 2; }

std::string metres(long long millimetres) { return formatScaled(millimetres, 3); }

// A manhole along the profile, with the inverts of the profile's pipes at it.
struct Station {
    std::string name;
    long long chainage = 0;  // mm from the profile's first manhole
    long long ground = 0;
    std::optional<long long> invertIn;   // the arriving pipe's lower invert
    std::optional<long long> invertOut;  // the leaving pipe's upper invert
    std::optional<long long> receiving;  // at an outlet, the invert of the sewer it drains into

    std::optional<long long> lowestInvert() const {
        if (invertIn && invertOut) return std::min(*invertIn, *invertOut);
        return invertIn ? invertIn : invertOut;
    }
};

class ProfileBuilder {
public:
    ProfileBuilder(const Network& network, const std::vector<SectionDesign>& designs, const ProfilePath& path,
                   ProfileScales scales, const ProjectData& project)
        : network_(network), designs_(designs), path_(path), scales_(scales), project_(project) {
        const auto& first = network.sections[path.sections.front()];
        stations_.push_back({first.from, 0, first.groundFrom, std::nullopt, std::nullopt, std::nullopt});
        for (const std::size_t index : path.sections) {
            const NetworkSection& section = network.sections[index];
            const std::optional<SectionLevels>& levels = designs[index].levels;
            if (levels) stations_.back().invertOut = levels->invertFrom;
            stations_.push_back({section.to, stations_.back().chainage + section.length, section.groundTo,
                                 levels ? std::optional(levels->invertTo) : std::nullopt, std::nullopt, std::nullopt});
        }
        stations_.back().receiving = designs[path.sections.back()].receivingInvert;
        // Where a branch joins, the manhole goes down to the pipe leaving it.
        if (const auto leaving = network.topology.leaving(stations_.back().name); leaving && designs[*leaving].levels)
            stations_.back().invertOut = designs[*leaving].levels->invertFrom;
    }

    std::size_t sheetCount() const { return sheetRanges().size(); }

    PlacedProfile build(SheetNumbering numbering) {
        PlacedProfile placed;
        Drawing& drawing = placed.drawing;
        // A plain hyphen: the fonts of CAD programs may lack the dash.
        drawing.title = "Profil podłużny " + stations_.front().name + " - " + stations_.back().name;
        drawing.sheetWidth = kSheetWidth;
        drawing.sheetHeight = kSheetHeight;
        const std::vector<SheetRange> sheets = sheetRanges();
        const std::size_t total = numbering.total == 0 ? sheets.size() : numbering.total;
        for (std::size_t n = 0; n < sheets.size(); ++n)
            drawing.sheets.push_back(sheet(drawing.title, sheets[n], n, {numbering.first + n, total}, placed.sections));
        return placed;
    }

private:
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

    // The width and the height the stations first .. last take at `scales`.
    bool fitsWidth(std::size_t first, std::size_t last, long long horizontal) const {
        const double width =
            static_cast<double>(stations_[last].chainage - stations_[first].chainage) / static_cast<double>(horizontal);
        return kFirstManhole + width <= kLastManholeLimit;
    }
    bool fitsHeight(std::size_t first, std::size_t last, long long vertical) const {
        long long highest = stations_[first].ground;
        for (std::size_t s = first; s <= last; ++s)
            highest = std::max({highest, stations_[s].ground, stations_[s].receiving.value_or(highest)});
        const double height =
            static_cast<double>(highest - referenceLevel(first, last)) / static_cast<double>(vertical);
        return kTableTop + height <= kDrawingTop;
    }

    struct SheetRange {
        std::size_t first;  // stations; a sheet's last is the next one's first
        std::size_t last;
        ProfileScales scales;
    };

    // The profile's one pair of scales: those chosen, or the next of the
    // usual series that hold its longest and its tallest section on a sheet.
    ProfileScales profileScales() const {
        ProfileScales scales = scales_;
        for (std::size_t first = 0; first + 1 < stations_.size(); ++first) {
            while (!fitsWidth(first, first + 1, scales.horizontal)) scales.horizontal = nextScale(scales.horizontal);
            while (!fitsHeight(first, first + 1, scales.vertical)) scales.vertical = nextScale(scales.vertical);
        }
        return scales;
    }

    // The stations of each sheet, all at the profile's scales; each sheet
    // holds at least one section.
    std::vector<SheetRange> sheetRanges() const {
        const ProfileScales scales = profileScales();
        std::vector<SheetRange> ranges;
        std::size_t first = 0;
        for (std::size_t last = 1; last < stations_.size(); ++last) {
            if (last > first + 1 &&
                !(fitsWidth(first, last, scales.horizontal) && fitsHeight(first, last, scales.vertical))) {
                ranges.push_back({first, last - 1, scales});
                first = last - 1;
            }
        }
        ranges.push_back({first, stations_.size() - 1, scales});
        return ranges;
    }

    // The next scale after 1:n of the series 1, 2, 5, 10, 20, 25, 50, 100, ...
    static long long nextScale(long long n) {
        for (long long decade = 1;; decade *= 10)
            for (const long long tenths : {10LL, 20LL, 25LL, 50LL})
                if (tenths * decade % 10 == 0 && tenths * decade / 10 > n) return tenths * decade / 10;
    }

    // Sheet `n` (from 0) of the profile, numbered `number.first` + 1 of
    // `number.total`; its sections' places are added to `placements`.
    DrawingSheet sheet(const std::string& title, const SheetRange& range, std::size_t n, SheetNumbering number,
                       std::vector<SectionPlacement>& placements) const {
        SheetBuilder builder{*this, range.first, range.scales, referenceLevel(range.first, range.last), {}};
        builder.frame(title);
        builder.titleBlock(title, number.first + 1, number.total);
        builder.table();
        for (std::size_t s = range.first; s <= range.last; ++s) builder.manhole(s, range.first, range.last);
        for (std::size_t s = range.first; s < range.last; ++s) {
            builder.section(s);
            placements.push_back({path_.sections[s], n, builder.x(stations_[s]), builder.x(stations_[s + 1])});
        }
        builder.ground(range.last);
        return builder.result;
    }

    struct SheetBuilder {
        const ProfileBuilder& profile;
        std::size_t first;
        ProfileScales scales;
        long long reference;
        DrawingSheet result;

        double x(const Station& station) const {
            return kFirstManhole + static_cast<double>(station.chainage - profile.stations_[first].chainage) /
                                       static_cast<double>(scales.horizontal);
        }
        double y(long long level) const {
            return kTableTop + static_cast<double>(level - reference) / static_cast<double>(scales.vertical);
        }
        void line(DrawingLayer layer, double width, std::vector<DrawingPoint> points) {
            result.lines.push_back({layer, width, std::move(points)});
        }
        // A dashed line from a to b: dashes of kDash, gaps of kGap, as every
        // renderer draws them alike.
        void dashed(DrawingLayer layer, DrawingPoint a, DrawingPoint b) {
            const double length = std::hypot(b.x - a.x, b.y - a.y);
            for (double at = 0; at < length; at += kDash + kGap) {
                const double end = std::min(at + kDash, length);
                const auto along = [&](double share) {
                    return DrawingPoint{a.x + (b.x - a.x) * share / length, a.y + (b.y - a.y) * share / length};
                };
                line(layer, 0.25, {along(at), along(end)});
            }
        }
        void text(DrawingLayer layer, DrawingPoint at, double height, bool upwards, AlongText along, AcrossText across,
                  std::string text) {
            result.texts.push_back({layer, at, height, upwards, along, across, std::move(text)});
        }
        // A value in a table cell: upright at a manhole, in the height of its
        // row, or level along a section, in its length.
        void cell(int row, double atX, std::string value, double room, bool upwards = true, double height = kText) {
            text(DrawingLayer::Table, {atX, rowMiddle(row)}, height, upwards, AlongText::Centre, AcrossText::Middle,
                 std::move(value));
            result.texts.back().room = room;
        }
        void manholeCell(int row, double atX, std::string value, double height = kText) {
            cell(row, atX, std::move(value), kRowLayout[static_cast<std::size_t>(row)].height - 2, true, height);
        }

        void frame(const std::string& title) {
            const double right = kSheetWidth - kMargin, top = kSheetHeight - kMargin;
            line(DrawingLayer::Labels, 0.5,
                 {{kFrameLeft, kMargin}, {right, kMargin}, {right, top}, {kFrameLeft, top}, {kFrameLeft, kMargin}});
            line(DrawingLayer::Labels, 0.25, {{kFrameLeft, kTitleLine}, {right, kTitleLine}});
            text(DrawingLayer::Labels, {kFrameLeft + 3, (kTitleLine + top) / 2}, kTitleText, false, AlongText::Start,
                 AcrossText::Middle, title);
            result.texts.back().room = kTitleRoom;
            const std::string& datum = profile.project_.heightDatum;
            text(DrawingLayer::Labels, {kFrameLeft + 2, kTableTop + 1.5}, kText, false, AlongText::Start,
                 AcrossText::Foot,
                 "Poziom porównawczy " + formatScaled(reference / 10, 2) + " m n.p.m." +
                     (datum.empty() ? "" : " " + datum));
            // The legend of the one line that is not plain: the water surface.
            dashed(DrawingLayer::Water, {right - 52, kTableTop + 2.5}, {right - 40, kTableTop + 2.5});
            text(DrawingLayer::Labels, {right - 38, kTableTop + 1.5}, kText, false, AlongText::Start, AcrossText::Foot,
                 "zwierciadło ścieków");
        }

        // The title block right of the table, as high as it: rows of cells,
        // each with its label at its top and its value below, fitted to it.
        void titleBlock(const std::string& title, std::size_t number, std::size_t count) {
            struct Cell {
                const char* label;
                std::string value;
                double width;  // share of the block's
                double height = kText;
            };
            struct BlockRow {
                double height;
                std::vector<Cell> cells;
            };
            const ProjectData& project = profile.project_;
            // Their heights add up to the table's.
            const std::vector<BlockRow> rows{
                {14, {{"Nazwa projektu", project.name, 1}}},
                {12, {{"Adres", project.address, 1}}},
                {12, {{"Inwestor", project.investor, 1}}},
                {12, {{"Stadium", project.stage, 0.5}, {"Branża", "sanitarna", 0.5}}},
                {12, {{"Projektant", project.designer, 0.6}, {"nr upr.", project.licence, 0.4}}},
                {12, {{"Sprawdzający", project.checker, 0.6}, {"Data", project.date, 0.4}}},
                {20, {{"Rysunek", title, 1, kTitleText}}},
                {16,
                 {{"Nr rysunku", project.number, 1.0 / 3},
                  {"Skala", "1:" + std::to_string(scales.horizontal) + " / 1:" + std::to_string(scales.vertical),
                   1.0 / 3},
                  {"Arkusz", std::to_string(number) + " z " + std::to_string(count), 1.0 / 3}}},
            };
            const double right = kSheetWidth - kMargin;
            line(DrawingLayer::Labels, 0.5, {{kTableRight, kMargin}, {kTableRight, kTableTop}, {right, kTableTop}});
            double top = kTableTop;
            for (const BlockRow& row : rows) {
                const double bottom = top - row.height;
                if (bottom > kMargin) line(DrawingLayer::Labels, 0.25, {{kTableRight, bottom}, {right, bottom}});
                double left = kTableRight;
                for (const Cell& cell : row.cells) {
                    const double width = cell.width * kTitleBlockWidth;
                    if (left > kTableRight) line(DrawingLayer::Labels, 0.25, {{left, top}, {left, bottom}});
                    text(DrawingLayer::Labels, {left + 1.5, top - 1.2}, kLabelText, false, AlongText::Start,
                         AcrossText::Top, cell.label);
                    result.texts.back().room = width - 3;
                    if (!cell.value.empty()) {
                        text(DrawingLayer::Labels, {left + 1.5, (top - 1.2 - kLabelText + bottom) / 2}, cell.height,
                             false, AlongText::Start, AcrossText::Middle, cell.value);
                        result.texts.back().room = width - 3;
                    }
                    left += width;
                }
                top = bottom;
            }
        }

        void table() {
            for (int row = 0; row <= kRows; ++row) {
                const double atY = row < kRows ? rowTop(row) : kMargin;
                line(DrawingLayer::Table, row == 0 ? 0.5 : 0.25, {{kFrameLeft, atY}, {kTableRight, atY}});
            }
            line(DrawingLayer::Table, 0.25, {{kHeaderRight, kTableTop}, {kHeaderRight, kMargin}});
            for (int row = 0; row < kRows; ++row)
                text(DrawingLayer::Table, {kFrameLeft + 2, rowMiddle(row)}, kText, false, AlongText::Start,
                     AcrossText::Middle, kRowLayout[static_cast<std::size_t>(row)].title);
        }

        // Station s of the sheet's first .. last. Its upright texts are made
        // smaller where the next manhole stands too near for them.
        void manhole(std::size_t s, std::size_t firstStation, std::size_t lastStation) {
            const Station& station = profile.stations_[s];
            const double atX = x(station);
            double spacing = kLastManholeLimit;  // no neighbour: room enough
            if (s > firstStation) spacing = std::min(spacing, atX - x(profile.stations_[s - 1]));
            if (s < lastStation) spacing = std::min(spacing, x(profile.stations_[s + 1]) - atX);
            const double height = std::min(kText, spacing * 0.7);
            const double groundY = y(station.ground);
            const std::optional<long long> lowest = station.lowestInvert();
            if (lowest) line(DrawingLayer::Manholes, 0.35, {{atX, groundY}, {atX, y(*lowest)}});
            text(DrawingLayer::Manholes, {atX, groundY + 1.5}, std::min(kSmallText, height), true, AlongText::Start,
                 AcrossText::Middle, station.name);
            result.texts.back().room = kNameBand - 2;

            manholeCell(kManhole, atX, station.name, height);
            manholeCell(kGround, atX, metres(station.ground), height);
            if (station.invertIn && station.invertOut && *station.invertIn != *station.invertOut) {
                // A drop: the arriving invert left of the manhole, the leaving one right.
                const double apart = std::min(2.5, spacing / 4);
                manholeCell(kInvert, atX - apart, metres(*station.invertIn), std::min(height, apart * 1.4));
                manholeCell(kInvert, atX + apart, metres(*station.invertOut), std::min(height, apart * 1.4));
            } else if (lowest) {
                manholeCell(kInvert, atX, metres(*lowest), height);
            }
            if (lowest) manholeCell(kDepth, atX, metres(station.ground - *lowest), height);
            manholeCell(kChainage, atX, metres(station.chainage), height);
            if (station.receiving) {
                // The sewer the outlet drains into, at its invert.
                const double receivingY = y(*station.receiving);
                line(DrawingLayer::Sewer, 0.5, {{atX - 4, receivingY}, {atX + 1, receivingY}});
                text(DrawingLayer::Labels, {atX - 5, receivingY}, kSmallText, false, AlongText::End, AcrossText::Middle,
                     "dno odbiornika " + metres(*station.receiving) + " m");
            }
            // The section rows are parted at every manhole.
            line(DrawingLayer::Table, 0.25, {{atX, rowTop(kLength)}, {atX, kMargin}});
        }

        // The pipe from station s to s + 1, its drop at s, and its cells.
        void section(std::size_t s) {
            const Station& from = profile.stations_[s];
            const Station& to = profile.stations_[s + 1];
            const std::size_t index = profile.path_.sections[s];
            const SectionDesign& design = profile.designs_[index];
            const double fromX = x(from), toX = x(to), middle = (fromX + toX) / 2;
            const double room = std::max(toX - fromX - 1.5, 1.0);
            cell(kLength, middle, metres(profile.network_.sections[index].length), room, false);
            if (const std::optional<SectionLevels>& levels = design.levels) {
                line(DrawingLayer::Sewer, 0.5, {{fromX, y(levels->invertFrom)}, {toX, y(levels->invertTo)}});
                line(DrawingLayer::Sewer, 0.5,
                     {{fromX, y(levels->invertFrom + levels->crown)}, {toX, y(levels->invertTo + levels->crown)}});
                dashed(DrawingLayer::Water, {fromX, y(levels->invertFrom + levels->water)},
                       {toX, y(levels->invertTo + levels->water)});
                if (from.invertIn && *from.invertIn != levels->invertFrom)
                    line(DrawingLayer::Sewer, 0.5, {{fromX, y(*from.invertIn)}, {fromX, y(levels->invertFrom)}});
                cell(kSlope, middle, design.result.Bi(), room, false);
                const double pipeMiddle = rowMiddle(kPipe);
                text(DrawingLayer::Table, {middle, pipeMiddle + 1.6}, kSmallText, false, AlongText::Centre,
                     AcrossText::Middle, design.result.Bd());
                result.texts.back().room = room;
                text(DrawingLayer::Table, {middle, pipeMiddle - 1.6}, kSmallText, false, AlongText::Centre,
                     AcrossText::Middle, delimited::trimmed(design.result.Bnrkat()));
                result.texts.back().room = room;
            } else {
                cell(kPipe, middle, "bez wyniku", room, false, kSmallText);
            }
        }

        void ground(std::size_t last) {
            std::vector<DrawingPoint> points;
            for (std::size_t s = first; s <= last; ++s) {
                const Station& station = profile.stations_[s];
                points.push_back({x(station), y(station.ground)});
            }
            line(DrawingLayer::Ground, 0.35, std::move(points));
        }
    };

    const Network& network_;
    const std::vector<SectionDesign>& designs_;
    const ProfilePath& path_;
    ProfileScales scales_;
    const ProjectData& project_;
    std::vector<Station> stations_;
};

}  // namespace

Drawing profileDrawing(const Network& network, const std::vector<SectionDesign>& designs, const ProfilePath& path,
                       ProfileScales scales, const ProjectData& project, SheetNumbering numbering) {
    return placedProfile(network, designs, path, scales, project, numbering).drawing;
}

PlacedProfile placedProfile(const Network& network, const std::vector<SectionDesign>& designs, const ProfilePath& path,
                            ProfileScales scales, const ProjectData& project, SheetNumbering numbering) {
    return ProfileBuilder(network, designs, path, scales, project).build(numbering);
}

std::vector<Drawing> networkProfiles(const Network& network, const std::vector<SectionDesign>& designs,
                                     ProfileScales scales, const ProjectData& project) {
    const std::vector<ProfilePath> paths = profilePaths(network, designs);
    std::vector<ProfileBuilder> builders;
    SheetNumbering numbering;
    for (const ProfilePath& path : paths) {
        builders.emplace_back(network, designs, path, scales, project);
        numbering.total += builders.back().sheetCount();
    }
    std::vector<Drawing> drawings;
    for (ProfileBuilder& builder : builders) {
        drawings.push_back(builder.build(numbering).drawing);
        numbering.first += drawings.back().sheets.size();
    }
    return drawings;
}

}  // namespace vexa
