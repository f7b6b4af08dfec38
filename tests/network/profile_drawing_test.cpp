// The profile of the hand-worked network's main collector, B1 - B2 - A3 - A4
// - A5, as drawing geometry, and its sheet on a recording printer. Its
// section A4 - A5 alone falls from a ground of 109,500 m to an invert of
// 97,604 m: 13,5 m above the reference level of 96,00 m, more than a band
// sharing its sheet holds, so the profile stands in a band as high as the
// sheet, beside C1 - C3, its table's foot on the title block: a level L lies
// at y = kTableTop + (L - 96000 mm) / 100, and a chainage c at x = 70 + c /
// 1000. A1 - A3 has the next sheet.

#include "network/profile_drawing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>
#include <sstream>

#include "drawing/drawing_pages.h"
#include "support/catalogues.h"
#include "support/files.h"
#include "support/recording_printer.h"

namespace vexa {
namespace {

using testing_support::fileContents;

class HandWorkedProfile : public testing::Test {
protected:
    HandWorkedProfile() {
        const auto catalogue = testing_support::bundledCatalogue();
        std::vector<std::string> lines;
        std::istringstream file(
            fileContents(std::filesystem::path(VEXA_TEST_DATA_DIR) / "network" / "hand_worked.csv"));
        for (std::string line; std::getline(file, line);) lines.push_back(line);
        network = readNetwork(lines);
        BatchCalculator calculator(*catalogue);
        designs = designNetwork(network, {}, calculator);
        profiles = networkProfiles(network, designs);
    }

    Network network;
    std::vector<SectionDesign> designs;
    std::vector<Drawing> profiles;
};

void expectPoints(const DrawingLine& line, const std::vector<DrawingPoint>& expected) {
    ASSERT_EQ(line.points.size(), expected.size());
    for (std::size_t n = 0; n < expected.size(); ++n) {
        EXPECT_NEAR(line.points[n].x, expected[n].x, 0.01) << n;
        EXPECT_NEAR(line.points[n].y, expected[n].y, 0.01) << n;
    }
}

constexpr double kTableTop = profile_sheet::kTableFoot + profile_sheet::kTableHeight;
double levelY(long long millimetres) { return kTableTop + static_cast<double>(millimetres - 96000) / 100; }

std::vector<const DrawingLine*> linesOn(const DrawingSheet& sheet, DrawingLayer layer) {
    std::vector<const DrawingLine*> lines;
    for (const DrawingLine& line : sheet.lines)
        if (line.layer == layer) lines.push_back(&line);
    return lines;
}

TEST_F(HandWorkedProfile, GroundPipesAndManholesLieAtTheirLevels) {
    ASSERT_EQ(profiles.size(), 2U);  // a drawing per sheet
    EXPECT_EQ(profiles[0].title, "Profile podłużne B1 - A5, C1 - C3");
    EXPECT_EQ(profiles[1].title, "Profil podłużny A1 - A3");
    const DrawingSheet& sheet = profiles[0].sheets.at(0);

    const auto ground = linesOn(sheet, DrawingLayer::Ground);
    expectPoints(*ground[0], {{70, levelY(110500)},
                              {110, levelY(110200)},
                              {155, levelY(109500)},
                              {225, levelY(109500)},
                              {275, levelY(99000)}});

    // Invert and crown of B1: 160 / 153,6 is ceil((160 + 154) / 2) = 157 mm above the invert.
    std::vector<const DrawingLine*> sewer, branches;  // the pipes, and the stubs of branches joining
    for (const DrawingLine* line : linesOn(sheet, DrawingLayer::Sewer))
        (line->width == 0.5 ? sewer : branches).push_back(line);
    expectPoints(*sewer[0], {{70, levelY(109143)}, {110, levelY(108843)}});
    expectPoints(*sewer[1], {{70, levelY(109143 + 157)}, {110, levelY(108843 + 157)}});

    // The water surface, dashed: B1's starts 71 mm (46 % of 154) above its invert.
    const auto water = linesOn(sheet, DrawingLayer::Water);
    expectPoints(*water[0], {{70, levelY(109143 + 71)}, {72.99, levelY(109143 + 71) - 2.99 * 3.0 / 40}});

    // Each manhole from its ground to its lowest invert: at A4 that of K4.
    const auto manholes = linesOn(sheet, DrawingLayer::Manholes);
    expectPoints(*manholes[0], {{70, levelY(110500)}, {70, levelY(109143)}});
    expectPoints(*manholes[3], {{225, levelY(109500)}, {225, levelY(102604)}});

    // K2 joins at A3 at its invert of 107,471 m, named beside the manhole;
    // the legend has its own stub.
    ASSERT_EQ(branches.size(), 2U);
    expectPoints(*branches[0], {{152, levelY(107471)}, {155, levelY(107471)}});
    std::vector<std::string> labels;
    for (const DrawingText& text : sheet.texts)
        if (text.layer == DrawingLayer::Labels && text.upwards) labels.push_back(text.text);
    EXPECT_EQ(labels, (std::vector<std::string>{"K2 107,47"}));
}

TEST_F(HandWorkedProfile, EveryTableCellAndLabelHasItsPlace) {
    const auto cellsOf = [](const Drawing& profile) {
        // (x, depth below the table's top) in hundredths of a mm -> text
        std::map<std::pair<long, long>, std::string> cells;
        for (const DrawingText& text : profile.sheets[0].texts)
            if (text.layer == DrawingLayer::Table && text.at.x < 160)
                cells[{std::lround(text.at.x * 100), std::lround((kTableTop - text.at.y) * 100)}] += text.text + "|";
        return cells;
    };
    // The rows' middles below the table's top: 4 Studnia, 9,75 its kind,
    // 15,75 ground, 24,25 invert, 31,75 depth, 40,25 chainage; 47,25
    // section, 50,75 length, 54,25 slope, 59,75 pipe (its type above, its
    // size, its catalogue number below), 65,25 Q, 68,75 v, 72,25 h/d.
    const std::map<std::pair<long, long>, std::string> expected{
        {{2200, 400}, "Studnia|"},
        {{2200, 975}, "Rodzaj studni|"},
        {{2200, 1575}, "Rzędna terenu [m]|"},
        {{2200, 2425}, "Rzędna dna kanału [m]|"},
        {{2200, 3175}, "Zagłębienie [m]|"},
        {{2200, 4025}, "Odległość [m]|"},
        {{2200, 4725}, "Odcinek|"},
        {{2200, 5075}, "Długość [m]|"},
        {{2200, 5425}, "Spadek [‰]|"},
        {{2200, 5975}, "Rura|"},
        {{2200, 6525}, "Q [l/s]|"},
        {{2200, 6875}, "v [m/s]|"},
        {{2200, 7225}, "h/d [%]|"},
        {{7000, 400}, "B1|"},
        {{7000, 1575}, "110,50|"},
        {{7000, 2425}, "109,14|"},
        {{7000, 3175}, "1,36|"},
        {{7000, 4025}, "0+000,00|"},
        {{11000, 400}, "B2|"},
        {{11000, 1575}, "110,20|"},
        {{11000, 2425}, "108,84|"},
        {{11000, 3175}, "1,36|"},
        {{11000, 4025}, "0+040,00|"},
        {{15500, 400}, "A3|"},
        {{15500, 975}, "studnia kaskadowa|"},
        {{15500, 1575}, "109,50|"},
        {{15300, 2425}, "108,14|"},  // the drop: arriving left, leaving right
        {{15700, 2425}, "107,28|"},
        {{15500, 3175}, "2,22|"},
        {{15500, 4025}, "0+085,00|"},
        {{9000, 4725}, "B1|"},
        {{9000, 5075}, "40,00|"},
        {{9000, 5425}, "7,5|"},
        {{9000, 5740}, "PVC-U SN2|"},
        {{9000, 5995}, "160×3,2|"},
        {{9000, 6230}, "DP-101-0160|"},
        {{9000, 6525}, "6|"},
        {{9000, 6875}, "0,72|"},
        {{9000, 7225}, "46|"},
        {{13250, 4725}, "B2|"},
        {{13250, 5075}, "45,00|"},
        {{13250, 5425}, "15,6|"},
        {{13250, 5740}, "PVC-U SN2|"},
        {{13250, 5995}, "160×3,2|"},
        {{13250, 6230}, "DP-101-0160|"},
        {{13250, 6525}, "9|"},
        {{13250, 6875}, "1,06|"},
        {{13250, 7225}, "47|"},
    };
    EXPECT_EQ(cellsOf(profiles[0]), expected);

    // In millimetres, as the results table gives them.
    ProfileScales millimetres;
    millimetres.levelDecimals = 3;
    const auto precise = cellsOf(networkProfiles(network, designs, millimetres)[0]);
    EXPECT_EQ(precise.at({15300, 2425}), "108,141|");
    EXPECT_EQ(precise.at({7000, 3175}), "1,357|");
    EXPECT_EQ(precise.at({11000, 4025}), "0+040,000|");
    EXPECT_EQ(precise.at({9000, 5075}), "40,000|");

    std::vector<std::string> labels;
    for (const DrawingText& text : profiles[0].sheets[0].texts)
        if (text.text.starts_with("Poziom porównawczy") || text.text.starts_with("Rzędne w układzie"))
            labels.push_back(text.text);
    EXPECT_EQ(labels,
              (std::vector<std::string>{"Poziom porównawczy 96,00 m n.p.m.", "Poziom porównawczy 105,00 m n.p.m.",
                                        "Rzędne w układzie wysokościowym PL-EVRF2007-NH"}));
}

// Each section of the path is placed once, in the path's order, on the sheet
// and at the x where the table names its manholes.
TEST_F(HandWorkedProfile, EachSectionIsPlacedWhereItsManholesAreDrawn) {
    const ProfilePath path = profilePaths(network, designs)[0];
    const PlacedProfile placed = placedProfile(network, designs, path);
    ASSERT_EQ(placed.sections.size(), path.sections.size());
    const auto nameAt = [&](const SectionPlacement& placement, double x) {
        for (const DrawingText& text : placed.drawing.sheets.at(placement.sheet).texts)
            if (text.layer == DrawingLayer::Table &&
                std::abs(text.at.y - (placement.bottom + profile_sheet::kTableHeight - 4)) < 0.01 &&
                std::abs(text.at.x - x) < 2)
                return text.text;
        return std::string("(none)");
    };
    for (std::size_t n = 0; n < path.sections.size(); ++n) {
        const SectionPlacement& placement = placed.sections[n];
        const NetworkSection& section = network.sections[path.sections[n]];
        EXPECT_EQ(placement.section, path.sections[n]);
        EXPECT_EQ(placement.sheet, 0U);
        EXPECT_EQ(nameAt(placement, placement.fromX), section.from) << section.name;
        EXPECT_EQ(nameAt(placement, placement.toX), section.to) << section.name;
    }
}

// On an A3 sheet at 600 dpi with 100 pixels unprintable all round, a
// millimetre is 600 / 25,4 pixels from the sheet's top-left corner.
TEST_F(HandWorkedProfile, ASheetLiesOnAnA3PageToTheDevicePixel) {
    RecordingPrinter printer({600, {100, 100}, {7016, 9921}, {6816, 9721}, 100});
    printDrawings({profiles[0]}, printer);
    EXPECT_EQ(printer.pageNumber(), 1);
    EXPECT_EQ(printer.documentName(), "Vexa - Profile podłużne B1 - A5, C1 - C3");
    const auto found = [&](RecordingPrinter::Kind kind, const std::string& text, int fontSize) {
        for (const auto& call : printer.calls())
            if (call.kind == kind && call.text == text && call.fontSize == fontSize) return call;
        ADD_FAILURE() << text;
        return RecordingPrinter::Call{};
    };
    // The ground from B1 (70; 250 mm, up from the bottom of 297) to B2 (110; 247).
    bool groundFound = false;
    for (const auto& call : printer.calls())
        if (call.kind == RecordingPrinter::Kind::Line && call.x1 == 1554 && call.y1 == 1010 && call.x2 == 2498 &&
            call.y2 == 1081)
            groundFound = true;
    EXPECT_TRUE(groundFound);
    // "B1" upright in the Studnia row, centred on (70; 101 mm): 1,8 mm
    // capitals are 7 pt.
    const auto name = found(RecordingPrinter::Kind::UpwardText, "B1", 7);
    EXPECT_EQ(name.x1, 1525);
    EXPECT_EQ(name.y1, 4559);
    // The profile's title, 2,5 mm capitals (10 pt), level, its middle at 285 mm.
    const auto title = found(RecordingPrinter::Kind::Text, "Profil podłużny B1 - A5", 10);
    EXPECT_EQ(title.x1, 1412);
    EXPECT_EQ(title.y1, 142);
}

// 30 m of fall in one section is 300 mm at 1:100, more than a sheet holds:
// the whole profile is drawn at 1:200 (which holds 34 m above the reference
// level at most), one scale on all its sheets; and every point stays on its
// sheet.
TEST_F(HandWorkedProfile, ASectionTooTallForASheetSetsTheProfilesScale) {
    network = readNetwork({kNetworkHeadLine, "S1;A;B;200;130;100;5;1;;;2;0;1;", "S2;B;C;50;100;99,5;5;1;;;2;0;1;"});
    const auto catalogue = testing_support::bundledCatalogue();
    BatchCalculator calculator(*catalogue);
    designs = designNetwork(network, {}, calculator);
    const std::vector<Drawing> sheets = networkProfiles(network, designs);
    ASSERT_EQ(sheets.size(), 1U);
    std::vector<std::string> scales;
    for (const DrawingText& text : sheets[0].sheets[0].texts)
        if (text.text.starts_with("1:")) scales.push_back(text.text);
    for (const DrawingLine& line : sheets[0].sheets[0].lines)
        for (const DrawingPoint& point : line.points) EXPECT_TRUE(point.y <= 287 && point.x <= 410) << point.y;
    EXPECT_EQ(scales, (std::vector<std::string>{"1:1000 / 1:200"}));
}

// A collector falling 2 m a section is too tall for one reference level:
// it steps its level at a manhole, marks the step on the table's top, names
// that manhole once, and stays on one sheet as long as it is wide enough.
TEST(ProfileReferenceLevel, StepsWithinASheetWhereTheProfileIsTooTall) {
    std::vector<std::string> lines{kNetworkHeadLine};
    for (int n = 0; n < 8; ++n)
        lines.push_back("S" + std::to_string(n) + ";M" + std::to_string(n) + ";M" + std::to_string(n + 1) + ";40;" +
                        std::to_string(120 - 2 * n) + ";" + std::to_string(118 - 2 * n) + ";5;1;;;2;0;1;");
    const Network network = readNetwork(lines);
    const auto catalogue = testing_support::bundledCatalogue();
    BatchCalculator calculator(*catalogue);
    const std::vector<SectionDesign> designs = designNetwork(network, {}, calculator);
    const std::vector<Drawing> sheets = networkProfiles(network, designs);
    ASSERT_EQ(sheets.size(), 1U);
    const DrawingSheet& sheet = sheets[0].sheets[0];
    std::vector<std::string> labels;
    std::map<std::string, int> names;  // drawn above the ground
    for (const DrawingText& text : sheet.texts) {
        if (text.text.starts_with("Poziom porównawczy")) labels.push_back(text.text);
        if (text.layer == DrawingLayer::Manholes) ++names[text.text];
    }
    EXPECT_EQ(labels,
              (std::vector<std::string>{"Poziom porównawczy 103,00 m n.p.m.", "Poziom porównawczy 101,00 m n.p.m."}));
    EXPECT_EQ(names.size(), 9U);
    for (const auto& [name, count] : names) EXPECT_EQ(count, 1) << name;
    int steps = 0;
    for (const DrawingLine& line : sheet.lines)
        if (line.layer == DrawingLayer::Labels && line.width == 0.7 && line.points[0].y > profile_sheet::kTableFoot)
            ++steps;
    EXPECT_EQ(steps, 1);
    for (const DrawingLine& line : sheet.lines) {
        if (line.layer != DrawingLayer::Ground) continue;
        for (const DrawingPoint& point : line.points)
            EXPECT_TRUE(point.y <=
                        profile_sheet::kFrameTop - profile_sheet::kProfileTitleBand - profile_sheet::kNameBand)
                << point.y;
    }
}

// A long collector of many sheets: its pipes, manholes and table stay above
// the title block and the legend in the sheet's foot; the block's cells hold
// the project's texts, each fitted to its cell.
TEST(ProfileTitleBlock, HoldsTheProjectAndNothingOfTheProfileRunsUnderIt) {
    std::vector<std::string> lines{kNetworkHeadLine};
    for (int n = 0; n < 30; ++n)
        lines.push_back("S" + std::to_string(n) + ";M" + std::to_string(n) + ";M" + std::to_string(n + 1) +
                        ";45;110;110;5;1;;;2;0;1;");
    const Network network = readNetwork(lines);
    const auto catalogue = testing_support::bundledCatalogue();
    BatchCalculator calculator(*catalogue);
    const std::vector<SectionDesign> designs = designNetwork(network, {}, calculator);
    ProjectData project;
    project.name = "Kanalizacja ul. Polnej";
    project.licence = "POM/0123/PWOS/09";
    const std::vector<Drawing> sheets = networkProfiles(network, designs, {}, project);
    ASSERT_EQ(sheets.size(), 5U);
    using namespace profile_sheet;
    for (std::size_t n = 0; n < sheets.size(); ++n) {
        const DrawingSheet& sheet = sheets[n].sheets.at(0);
        std::map<std::string, double> blockTexts;  // text -> its room
        for (const DrawingText& text : sheet.texts) {
            if (text.layer == DrawingLayer::Labels && text.at.y < kTableFoot) blockTexts[text.text] = text.room;
            if (text.layer != DrawingLayer::Labels) {
                EXPECT_GT(text.at.y, kTableFoot) << text.text;
            }
        }
        for (const DrawingLine& line : sheet.lines) {
            if (line.layer == DrawingLayer::Labels || line.layer == DrawingLayer::Table) continue;
            // The legend's samples stand left of the block.
            for (const DrawingPoint& point : line.points)
                EXPECT_TRUE(point.x < kTitleBlockLeft || point.y >= kTableFoot) << point.x;
        }
        EXPECT_NEAR(blockTexts["Kanalizacja ul. Polnej"], kTitleBlockWidth * 0.4 - 2, 1e-9);
        EXPECT_NEAR(blockTexts["POM/0123/PWOS/09"], kTitleBlockWidth * 0.15 - 2, 1e-9);
        EXPECT_EQ(blockTexts.count("sanitarna"), 1U);
        EXPECT_EQ(blockTexts.count("Inwestor"), 1U);  // an empty field: its label alone
        EXPECT_EQ(blockTexts.count(std::to_string(n + 1) + " z 5"), 1U);
    }
}

// On US letter with half an inch unprintable all round, the A3 sheet is
// scaled down to the printable area, and nothing is drawn beyond it.
TEST_F(HandWorkedProfile, OnLetterPaperEverythingStaysOnThePage) {
    RecordingPrinter printer({600, {300, 300}, {5100, 6600}, {4500, 6000}, 100});
    printDrawings(profiles, printer);
    const PixelSize printable = printer.printableSize();
    int lines = 0;
    for (const auto& call : printer.calls()) {
        if (call.kind != RecordingPrinter::Kind::Line) continue;
        ++lines;
        for (const auto& [x, y] : {std::pair{call.x1, call.y1}, std::pair{call.x2, call.y2}}) {
            EXPECT_TRUE(x >= 0 && x <= printable.width) << x;
            EXPECT_TRUE(y >= 0 && y <= printable.height) << y;
        }
    }
    EXPECT_GT(lines, 100);
}

// A section that failed has no levels; the ground of its lower manhole lies
// far below the pipes that have them, and the reference level below that
// ground, so that the ground line stays above the table. Levels below 0 m
// go down to the next whole metre too.
TEST(ProfileReferenceLevel, LiesBelowTheGroundOfAFailedSectionAndBelowZero) {
    const auto catalogue = testing_support::bundledCatalogue();
    BatchCalculator calculator(*catalogue);
    const auto reference = [&](const std::vector<std::string>& lines, const NetworkParameters& parameters = {}) {
        const Network network = readNetwork(lines);
        const std::vector<SectionDesign> designs = designNetwork(network, parameters, calculator);
        const Drawing profile = networkProfiles(network, designs)[0];
        std::string label;
        for (const DrawingText& text : profile.sheets[0].texts)
            if (text.text.starts_with("Poziom porównawczy") || text.text.starts_with("dno odbiornika"))
                label += text.text;
        for (const DrawingLine& line : profile.sheets[0].lines) {
            if (line.layer != DrawingLayer::Ground) continue;
            for (const DrawingPoint& point : line.points)  // but the legend's sample
                EXPECT_TRUE(point.y < profile_sheet::kTableFoot ||
                            point.y >= profile_sheet::kTableFoot + profile_sheet::kTableHeight)
                    << label;
        }
        return label;
    };
    EXPECT_EQ(reference({kNetworkHeadLine, "S1;A;B;50;110;109,5;5;1;;;2;0;1;", "S2;B;C;50;109,5;104,2;5;99;;;2;0;1;"}),
              "Poziom porównawczy 103,00 m n.p.m.");
    EXPECT_EQ(reference({kNetworkHeadLine, "S1;A;B;50;-0,5;-1;5;1;;;2;0;1;"}), "Poziom porównawczy -4,00 m n.p.m.");
    // A section without a result whose lowest ground is a whole metre below zero.
    EXPECT_EQ(reference({kNetworkHeadLine, "S1;A;B;50;0;-1;5;99;;;2;0;1;"}), "Poziom porównawczy -2,00 m n.p.m.");
    // The sewer an outlet drains into is drawn, below the section's inverts.
    NetworkParameters receiving;
    receiving.receivingInverts["B"] = 100'000;
    EXPECT_EQ(reference({kNetworkHeadLine, "S1;A;B;50;110;109,5;5;1;;;2;0;1;"}, receiving),
              "Poziom porównawczy 99,00 m n.p.m."
              "dno odbiornika 100,00 m");
}

}  // namespace
}  // namespace vexa
