// The profile of the hand-worked network's main collector, B1 - B2 - A3 - A4
// - A5, as drawing geometry, and its first sheet on a recording printer.
// Its ground spans 110,500 m down to an invert of 97,604 m: too tall for one
// sheet at 1:100, so A4 - A5 goes on a second sheet with its own reference
// level. On the first, the lowest invert is K4's 102,604 m at A4: reference
// 101,00 m, so a level L lies at y = 120 + (L - 101000 mm) / 100, and a
// chainage c at x = 80 + c / 1000.

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

std::vector<const DrawingLine*> linesOn(const DrawingSheet& sheet, DrawingLayer layer) {
    std::vector<const DrawingLine*> lines;
    for (const DrawingLine& line : sheet.lines)
        if (line.layer == layer) lines.push_back(&line);
    return lines;
}

TEST_F(HandWorkedProfile, GroundPipesAndManholesLieAtTheirLevels) {
    ASSERT_EQ(profiles.size(), 3U);  // the main collector, X1 - X2, and K1 - K2
    const Drawing& profile = profiles[0];
    EXPECT_EQ(profile.title, "Profil podłużny B1 - A5");
    ASSERT_EQ(profile.sheets.size(), 2U);
    const DrawingSheet& sheet = profile.sheets[0];

    const auto ground = linesOn(sheet, DrawingLayer::Ground);
    ASSERT_EQ(ground.size(), 1U);
    expectPoints(*ground[0], {{80, 215}, {120, 212}, {165, 205}, {235, 205}});

    // Invert and crown of B1, B2 and K3; B2's drop at A3 from 108,141 to
    // 107,284 m. Crowns: 160 / 153,6 is ceil((160 + 154) / 2) = 157 mm above
    // the invert, 355 / 341 is 348.
    const auto sewer = linesOn(sheet, DrawingLayer::Sewer);
    ASSERT_EQ(sewer.size(), 7U);
    expectPoints(*sewer[0], {{80, 201.43}, {120, 198.43}});
    expectPoints(*sewer[1], {{80, 203.00}, {120, 200.00}});
    expectPoints(*sewer[2], {{120, 198.43}, {165, 191.41}});
    expectPoints(*sewer[3], {{120, 200.00}, {165, 192.98}});
    expectPoints(*sewer[4], {{165, 182.84}, {235, 181.30}});
    expectPoints(*sewer[5], {{165, 186.32}, {235, 184.78}});
    expectPoints(*sewer[6], {{165, 191.41}, {165, 182.84}});

    // The water surface, dashed: B1's starts 71 mm (46 % of 154) above its invert, at 1:100 0,71 mm.
    // The legend's dashes come first.
    const auto water = linesOn(sheet, DrawingLayer::Water);
    const auto first =
        std::find_if(water.begin(), water.end(), [](const DrawingLine* dash) { return dash->points[0].x < 81; });
    ASSERT_NE(first, water.end());
    expectPoints(**first, {{80, 201.43 + 0.71}, {83, 201.43 + 0.71 - 3 * 3.0 / 40}});

    // Each manhole from its ground to its lowest invert: at A4 that of K4.
    const auto manholes = linesOn(sheet, DrawingLayer::Manholes);
    ASSERT_EQ(manholes.size(), 4U);
    expectPoints(*manholes[0], {{80, 215}, {80, 201.43}});
    expectPoints(*manholes[3], {{235, 205}, {235, 136.04}});

    // The second sheet starts at A4 with the reference level of K4's 97,604 m.
    const auto secondGround = linesOn(profile.sheets[1], DrawingLayer::Ground);
    ASSERT_EQ(secondGround.size(), 1U);
    expectPoints(*secondGround[0], {{80, 255}, {130, 150}});
}

TEST_F(HandWorkedProfile, EveryTableCellAndLabelHasItsPlace) {
    std::map<std::pair<long, long>, std::string> cells;  // (x, y) in hundredths of a mm -> text
    for (const DrawingText& text : profiles[0].sheets[0].texts)
        if (text.layer == DrawingLayer::Table)
            cells[{std::lround(text.at.x * 100), std::lround(text.at.y * 100)}] += text.text + "|";
    // Rows from the top: 111 Studnia, 94 ground, 78 invert, 62 depth,
    // 46 chainage, 34 length, 26 slope, 16 pipe (a line above and below).
    const std::map<std::pair<long, long>, std::string> expected{
        {{2200, 11100}, "Studnia|"},
        {{2200, 9400}, "Rzędna terenu [m]|"},
        {{2200, 7800}, "Rzędna dna kanału [m]|"},
        {{2200, 6200}, "Zagłębienie [m]|"},
        {{2200, 4600}, "Odległość [m]|"},
        {{2200, 3400}, "Długość [m]|"},
        {{2200, 2600}, "Spadek [‰]|"},
        {{2200, 1600}, "Rura|"},
        {{8000, 11100}, "B1|"},
        {{8000, 9400}, "110,500|"},
        {{8000, 7800}, "109,143|"},
        {{8000, 6200}, "1,357|"},
        {{8000, 4600}, "0,000|"},
        {{12000, 11100}, "B2|"},
        {{12000, 9400}, "110,200|"},
        {{12000, 7800}, "108,843|"},
        {{12000, 6200}, "1,357|"},
        {{12000, 4600}, "40,000|"},
        {{16500, 11100}, "A3|"},
        {{16500, 9400}, "109,500|"},
        {{16250, 7800}, "108,141|"},  // the drop: arriving left, leaving right
        {{16750, 7800}, "107,284|"},
        {{16500, 6200}, "2,216|"},
        {{16500, 4600}, "85,000|"},
        {{23500, 11100}, "A4|"},
        {{23500, 9400}, "109,500|"},
        {{23250, 7800}, "107,130|"},
        {{23750, 7800}, "102,604|"},
        {{23500, 6200}, "6,896|"},
        {{23500, 4600}, "155,000|"},
        {{10000, 3400}, "40,000|"},
        {{10000, 2600}, "7,5|"},
        {{10000, 1760}, "160 / 153,6|"},
        {{10000, 1440}, "DP-101-0160|"},
        {{14250, 3400}, "45,000|"},
        {{14250, 2600}, "15,6|"},
        {{14250, 1760}, "160 / 153,6|"},
        {{14250, 1440}, "DP-101-0160|"},
        {{20000, 3400}, "70,000|"},
        {{20000, 2600}, "2,2|"},
        {{20000, 1760}, "355 / 341|"},
        {{20000, 1440}, "DP-101-0355|"},
    };
    EXPECT_EQ(cells, expected);

    bool referenceLabelled = false;
    for (const DrawingText& text : profiles[0].sheets[0].texts)
        if (text.text == "Poziom porównawczy 101,00 m n.p.m. PL-EVRF2007-NH")
            referenceLabelled = std::abs(text.at.x - 22) < 0.01 && std::abs(text.at.y - 121.5) < 0.01;
    EXPECT_TRUE(referenceLabelled);
}

// Each section of the path is placed once, in the path's order, on the sheet
// and at the x where the table names its manholes: the shared A4 ends the
// first sheet and starts the second.
TEST_F(HandWorkedProfile, EachSectionIsPlacedWhereItsManholesAreDrawn) {
    const ProfilePath path = profilePaths(network, designs)[0];
    const PlacedProfile placed = placedProfile(network, designs, path);
    ASSERT_EQ(placed.sections.size(), path.sections.size());
    const auto nameAt = [&](std::size_t sheet, double x) {
        for (const DrawingText& text : placed.drawing.sheets.at(sheet).texts)
            if (text.layer == DrawingLayer::Table && std::abs(text.at.y - 111) < 0.01 && std::abs(text.at.x - x) < 0.01)
                return text.text;
        return std::string("(none)");
    };
    std::vector<std::size_t> sheets;
    for (std::size_t n = 0; n < path.sections.size(); ++n) {
        const SectionPlacement& placement = placed.sections[n];
        const NetworkSection& section = network.sections[path.sections[n]];
        EXPECT_EQ(placement.section, path.sections[n]);
        EXPECT_EQ(nameAt(placement.sheet, placement.fromX), section.from) << section.name;
        EXPECT_EQ(nameAt(placement.sheet, placement.toX), section.to) << section.name;
        sheets.push_back(placement.sheet);
    }
    EXPECT_EQ(sheets, (std::vector<std::size_t>{0, 0, 0, 1}));
}

// On an A3 sheet at 600 dpi with 100 pixels unprintable all round, a
// millimetre is 600 / 25,4 pixels from the sheet's top-left corner.
TEST_F(HandWorkedProfile, ASheetLiesOnAnA3PageToTheDevicePixel) {
    RecordingPrinter printer({600, {100, 100}, {7016, 9921}, {6816, 9721}, 100});
    printDrawings({profiles[0]}, printer);
    EXPECT_EQ(printer.pageNumber(), 2);
    EXPECT_EQ(printer.documentName(), "Vexa - Profil podłużny B1 - A5");
    const auto found = [&](RecordingPrinter::Kind kind, const std::string& text, int fontSize) {
        for (const auto& call : printer.calls())
            if (call.kind == kind && call.text == text && call.page == 1 && call.fontSize == fontSize) return call;
        ADD_FAILURE() << text;
        return RecordingPrinter::Call{};
    };
    // The ground from B1 (80; 215 mm, up from the bottom of 297) to B2.
    bool groundFound = false;
    for (const auto& call : printer.calls())
        if (call.kind == RecordingPrinter::Kind::Line && call.x1 == 1790 && call.y1 == 1837 && call.x2 == 2735 &&
            call.y2 == 1908)
            groundFound = true;
    EXPECT_TRUE(groundFound);
    // "B1" upright in the Studnia row, centred on (80; 111 mm): 2,5 mm
    // capitals are 10 pt, a text 83 pixels high and 82 long, starting 41
    // below the centre. (The name above the ground is smaller.)
    const auto name = found(RecordingPrinter::Kind::UpwardText, "B1", 10);
    EXPECT_EQ(name.x1, 1748);
    EXPECT_EQ(name.y1, 4335);
    // The title, 3,5 mm capitals (14 pt), level, its middle at 282 mm.
    const auto title = found(RecordingPrinter::Kind::Text, "Profil podłużny B1 - A5", 14);
    EXPECT_EQ(title.x1, 443);
    EXPECT_EQ(title.y1, 196);
}

// 30 m of fall in one section is 300 mm at 1:100, more than a sheet holds:
// the whole profile is drawn at 1:250 (the next scales 1:200 hold 28 m
// above the reference level at most), one scale on all its sheets; and
// every point stays on its sheet.
TEST_F(HandWorkedProfile, ASectionTooTallForASheetSetsTheProfilesScale) {
    network = readNetwork({kNetworkHeadLine, "S1;A;B;200;130;100;5;1;;;2;0;1;", "S2;B;C;50;100;99,5;5;1;;;2;0;1;"});
    const auto catalogue = testing_support::bundledCatalogue();
    BatchCalculator calculator(*catalogue);
    designs = designNetwork(network, {}, calculator);
    const Drawing profile = networkProfiles(network, designs)[0];
    ASSERT_EQ(profile.sheets.size(), 2U);
    std::vector<std::string> scales;
    for (const DrawingSheet& sheet : profile.sheets) {
        for (const DrawingText& text : sheet.texts)
            if (text.text.starts_with("1:") || text.text.find(" z ") != std::string::npos) scales.push_back(text.text);
        for (const DrawingLine& line : sheet.lines)
            for (const DrawingPoint& point : line.points) EXPECT_TRUE(point.y <= 287 && point.x <= 410) << point.y;
    }
    EXPECT_EQ(scales, (std::vector<std::string>{"1:1000 / 1:250", "1 z 2", "1:1000 / 1:250", "2 z 2"}));
}

// A long collector of many sheets: its pipes, manholes and table stop left
// of the title block in the lower right corner, whose cells hold the
// project's texts, each fitted to its cell.
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
    const Drawing profile = networkProfiles(network, designs, {}, project)[0];
    ASSERT_GT(profile.sheets.size(), 3U);
    using namespace profile_sheet;
    const auto underBlock = [](DrawingPoint point) {
        return point.x > kTableRight + 0.01 && point.x < kSheetWidth - kMargin - 0.01 && point.y > kMargin + 0.01 &&
               point.y < kMargin + kTableHeight - 0.01;
    };
    for (const DrawingSheet& sheet : profile.sheets) {
        std::map<std::string, double> blockTexts;  // text -> its room
        for (const DrawingText& text : sheet.texts) {
            if (text.layer == DrawingLayer::Labels && underBlock(text.at)) {
                blockTexts[text.text] = text.room;
                continue;
            }
            const double reach = text.upwards ? text.height : text.room / 2;
            if (text.at.y < kMargin + kTableHeight) {
                EXPECT_LT(text.at.x + reach, kTableRight) << text.text;
            }
        }
        for (const DrawingLine& line : sheet.lines) {
            if (line.layer == DrawingLayer::Labels) continue;
            for (const DrawingPoint& point : line.points) EXPECT_FALSE(underBlock(point)) << point.x;
        }
        EXPECT_EQ(blockTexts["Kanalizacja ul. Polnej"], kTitleBlockWidth - 3);
        EXPECT_EQ(blockTexts["POM/0123/PWOS/09"], kTitleBlockWidth * 0.4 - 3);
        EXPECT_EQ(blockTexts.count("sanitarna"), 1U);
        EXPECT_EQ(blockTexts.count("Inwestor"), 1U);  // an empty field: its label alone
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
            if (text.text.rfind("Poziom porównawczy", 0) == 0 || text.text.rfind("dno odbiornika", 0) == 0)
                label += text.text;
        for (const DrawingLine& line : profile.sheets[0].lines) {
            if (line.layer != DrawingLayer::Ground) continue;
            for (const DrawingPoint& point : line.points) EXPECT_GE(point.y, 120) << label;
        }
        return label;
    };
    EXPECT_EQ(reference({kNetworkHeadLine, "S1;A;B;50;110;109,5;5;1;;;2;0;1;", "S2;B;C;50;109,5;104,2;5;99;;;2;0;1;"}),
              "Poziom porównawczy 103,00 m n.p.m. PL-EVRF2007-NH");
    EXPECT_EQ(reference({kNetworkHeadLine, "S1;A;B;50;-0,5;-1;5;1;;;2;0;1;"}),
              "Poziom porównawczy -4,00 m n.p.m. PL-EVRF2007-NH");
    // A section without a result whose lowest ground is a whole metre below zero.
    EXPECT_EQ(reference({kNetworkHeadLine, "S1;A;B;50;0;-1;5;99;;;2;0;1;"}),
              "Poziom porównawczy -2,00 m n.p.m. PL-EVRF2007-NH");
    // The sewer an outlet drains into is drawn, below the section's inverts.
    NetworkParameters receiving;
    receiving.receivingInverts["B"] = 100'000;
    EXPECT_EQ(reference({kNetworkHeadLine, "S1;A;B;50;110;109,5;5;1;;;2;0;1;"}, receiving),
              "Poziom porównawczy 99,00 m n.p.m. PL-EVRF2007-NH"
              "dno odbiornika 100,000 m");
}

}  // namespace
}  // namespace vexa
