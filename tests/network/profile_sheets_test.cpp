// The profiles of three large networks (support/sample_networks.h): they
// take at most half the sheets of the earlier layout, and as vexa-calc
// prints them every section is named once, no two words overlap, no line of
// the table runs through a word, and the DXF drawing holds a sheet per page.

#include "network/profile_sheets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "network/profile_drawing.h"
#include "support/catalogues.h"
#include "support/files.h"
#include "support/sample_networks.h"

namespace vexa {
namespace {

namespace fs = std::filesystem;

// Pieces go beside each other while a band is wide enough, into a band below
// while the sheet is high enough, else onto a new sheet; a sheet's bands
// share the height left over.
TEST(ProfileSheets, PiecesStandBesideAndAboveEachOtherAsTheyFit) {
    using namespace profile_sheet;
    const SheetPacking packing = packPieces({{100, 120}, {100, 120}, {200, 100}, {300, 240}, {100, 250}});
    EXPECT_EQ(packing.sheets, 3U);
    const auto place = [&](std::size_t piece) {
        const PiecePlace& at = packing.pieces[piece];
        return std::vector<double>{static_cast<double>(at.sheet), at.left, at.bottom, at.top};
    };
    const double middle = kFrameTop - 120 - (kFrameTop - kTableFoot - 220) / 2;
    EXPECT_EQ(place(0), (std::vector<double>{0, kHeaderRight, middle, kFrameTop}));
    EXPECT_EQ(place(1), (std::vector<double>{0, kHeaderRight + 100, middle, kFrameTop}));
    EXPECT_EQ(place(2), (std::vector<double>{0, kHeaderRight, kTableFoot, middle}));
    EXPECT_EQ(place(3), (std::vector<double>{1, kHeaderRight, kTableFoot, kFrameTop}));
    EXPECT_EQ(place(4), (std::vector<double>{2, kHeaderRight, kTableFoot, kFrameTop}));
}
using testing_support::SampleNetwork;

struct SampleProfiles {
    SampleNetwork network;
    const char* name;
    std::size_t earlierSheets;
};

// The sheet counts of the earlier layout, each profile on sheets of its own.
constexpr SampleProfiles kSampleProfiles[]{
    {SampleNetwork::Bushy, "bushy", 142}, {SampleNetwork::Branches, "branches", 63}, {SampleNetwork::Long, "long", 64}};

// The name as ctest lists the case: Sample/SampleNetworkProfiles.<case>/bushy.
void PrintTo(const SampleProfiles& sample, std::ostream* out) { *out << sample.name; }

class SampleNetworkProfiles : public testing::TestWithParam<SampleProfiles> {
protected:
    void SetUp() override {
        lines = testing_support::sampleNetworkLines(GetParam().network);
        network = readNetwork(lines);
        const auto catalogue = testing_support::bundledCatalogue();
        BatchCalculator calculator(*catalogue);
        designs = designNetwork(network, {}, calculator);
        for (std::size_t n = 0; n < designs.size(); ++n)
            ASSERT_TRUE(designs[n].levels) << network.sections[n].name << ": " << designs[n].notes;
        for (const Drawing& profile : networkProfiles(network, designs))
            sheets.insert(sheets.end(), profile.sheets.begin(), profile.sheets.end());
    }

    std::vector<std::string> lines;
    Network network;
    std::vector<SectionDesign> designs;
    std::vector<DrawingSheet> sheets;  // of all the profiles, as they are printed
};

TEST_P(SampleNetworkProfiles, TakeAtMostHalfTheSheetsOfTheEarlierLayout) {
    EXPECT_LE(sheets.size(), GetParam().earlierSheets / 2);
}

#ifdef VEXA_PDF_PRINTOUTS
// A word as pdftotext -bbox reads it, its box in PDF points from the page's
// upper left corner.
struct PdfWord {
    std::string text;  // with &, < and > escaped
    double left, top, right, bottom;
};

// The words of each page of a PDF file.
std::vector<std::vector<PdfWord>> pdfWords(const fs::path& pdf) {
    const fs::path boxes = fs::path(pdf).replace_extension(".html");
    EXPECT_EQ(std::system(("pdftotext -bbox -enc UTF-8 \"" + pdf.string() + "\" \"" + boxes.string() + "\"").c_str()),
              0);
    const std::string html = testing_support::fileContents(boxes);
    const auto number = [&](std::size_t tag, const char* attribute) {
        double value = 0;
        const std::size_t at = html.find(attribute, tag) + std::strlen(attribute);
        std::from_chars(html.data() + at, html.data() + html.size(), value);
        return value;
    };
    std::vector<std::vector<PdfWord>> pages;
    for (std::size_t at = html.find('<'); at != std::string::npos; at = html.find('<', at + 1)) {
        if (html.compare(at, 6, "<page ") == 0) pages.emplace_back();
        if (html.compare(at, 6, "<word ") != 0 || pages.empty()) continue;
        const std::size_t text = html.find('>', at) + 1;
        pages.back().push_back({html.substr(text, html.find('<', text) - text), number(at, "xMin=\""),
                                number(at, "yMin=\""), number(at, "xMax=\""), number(at, "yMax=\"")});
    }
    return pages;
}

// Words of one line only touch; beyond that, boxes share no more than their
// rounding.
constexpr double kTolerance = 0.1;  // pt

bool overlap(const PdfWord& a, const PdfWord& b) {
    return std::min(a.right, b.right) - std::max(a.left, b.left) > kTolerance &&
           std::min(a.bottom, b.bottom) - std::max(a.top, b.top) > kTolerance;
}

// A drawing point on the page, in PDF points from its upper left corner.
DrawingPoint onPage(DrawingPoint point) {
    return {point.x * 72 / 25.4, (profile_sheet::kSheetHeight - point.y) * 72 / 25.4};
}

// Whether the segment a - b runs through the inside of the word's box
// shrunk by the tolerance (Liang and Barsky's clipping): along an edge it
// only touches.
bool crosses(DrawingPoint a, DrawingPoint b, const PdfWord& word) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    double enter = 0, leave = 1;
    for (const auto& [p, q] :
         {std::pair{-dx, a.x - word.left - kTolerance}, std::pair{dx, word.right - kTolerance - a.x},
          std::pair{-dy, a.y - word.top - kTolerance}, std::pair{dy, word.bottom - kTolerance - a.y}}) {
        if (p == 0) {
            if (q <= 0) return false;
        } else if (p < 0) {
            enter = std::max(enter, q / p);
        } else {
            leave = std::min(leave, q / p);
        }
    }
    return enter < leave;
}

std::string described(const PdfWord& word) {
    std::ostringstream text;
    text << '"' << word.text << "\" (" << word.left << ", " << word.top << " - " << word.right << ", " << word.bottom
         << " pt)";
    return text.str();
}
std::string described(DrawingPoint a, DrawingPoint b) {
    std::ostringstream text;
    text << "(" << a.x << ", " << a.y << " - " << b.x << ", " << b.y << " mm)";
    return text.str();
}

// Up to ten faults, and how many there are.
std::string listed(const std::vector<std::string>& faults) {
    std::string text = std::to_string(faults.size()) + ":";
    for (std::size_t n = 0; n < std::min<std::size_t>(faults.size(), 10); ++n) text += "\n  " + faults[n];
    return text;
}

class PrintedSampleProfiles : public SampleNetworkProfiles {
protected:
    // vexa-calc's profiles of the network, as `outputs` asks for them.
    void print(const std::string& outputs) {
        std::ofstream file(scratch / "siec.csv");
        for (const std::string& line : lines) file << line << '\n';
        file.close();
        const std::string command = "cd \"" + scratch.path().string() +
                                    "\" && \"" VEXA_CALC "\" --katalog \"" VEXA_SOURCE_DIR
                                    "/pipe_vexa.dat\" --siec siec.csv " +
                                    outputs + " > wyniki.csv";
        ASSERT_EQ(std::system(command.c_str()), 0);
    }

    testing_support::ScratchFolder scratch;
};

#ifdef VEXA_DXF
// The sheets of a DXF drawing at 1:1000: the writer lays them out along x,
// 440 mm apart (a sheet and a gap of 20 mm), so each x of an entity tells
// its sheet.
std::size_t dxfSheets(const fs::path& dxf) {
    std::istringstream file(testing_support::fileContents(dxf));
    std::set<long long> sheets;
    bool entities = false;
    for (std::string code, value; std::getline(file, code) && std::getline(file, value);) {
        code.erase(0, code.find_first_not_of(' '));
        if (!value.empty() && value.back() == '\r') value.pop_back();
        if (code == "2" && value == "ENTITIES") entities = true;
        if (code == "0" && value == "ENDSEC") entities = false;
        double x = 0;
        if (entities && code == "10" && std::from_chars(value.data(), value.data() + value.size(), x).ec == std::errc{})
            sheets.insert(static_cast<long long>(std::floor(x / 440)));
    }
    return sheets.size();
}
#endif

// Printed once (the slow part): each section is named once in its table,
// along the sheet (a branch's mark names it upright beside the manhole it
// joins); no word overlaps another or lies under a line of the table; and
// the DXF drawing holds a sheet per page.
TEST_P(PrintedSampleProfiles, ReadBack) {
#ifdef VEXA_DXF
    print("--profile p.pdf --profile-dxf p.dxf");
#else
    print("--profile p.pdf");
#endif
    const auto pages = pdfWords(scratch / "p.pdf");
    ASSERT_EQ(pages.size(), sheets.size());
#ifdef VEXA_DXF
    EXPECT_EQ(dxfSheets(scratch / "p.dxf"), pages.size());
#endif
    std::map<std::string, int> names;
    std::vector<std::string> overlaps, crossings;
    for (std::size_t page = 0; page < pages.size(); ++page) {
        const std::vector<PdfWord>& words = pages[page];
        const std::string where = "page " + std::to_string(page + 1) + ": ";
        for (std::size_t a = 0; a < words.size(); ++a) {
            if (words[a].right - words[a].left > words[a].bottom - words[a].top) ++names[words[a].text];
            for (std::size_t b = a + 1; b < words.size(); ++b)
                if (overlap(words[a], words[b]))
                    overlaps.push_back(where + described(words[a]) + " and " + described(words[b]));
        }
        for (const DrawingLine& line : sheets[page].lines) {
            if (line.layer != DrawingLayer::Table) continue;
            for (std::size_t n = 1; n < line.points.size(); ++n) {
                const DrawingPoint a = onPage(line.points[n - 1]), b = onPage(line.points[n]);
                for (const PdfWord& word : words)
                    if (crosses(a, b, word))
                        crossings.push_back(where + described(word) + " and the line " +
                                            described(line.points[n - 1], line.points[n]));
            }
        }
    }
    std::vector<std::string> unnamed;
    for (const NetworkSection& section : network.sections)
        if (names[section.name] != 1) unnamed.push_back(section.name + ": " + std::to_string(names[section.name]));
    EXPECT_TRUE(unnamed.empty()) << "Section names not printed once as a word, " << listed(unnamed);
    EXPECT_TRUE(overlaps.empty()) << "Words overlapping, " << listed(overlaps);
    EXPECT_TRUE(crossings.empty()) << "Words under a table line, " << listed(crossings);
}

INSTANTIATE_TEST_SUITE_P(Sample, PrintedSampleProfiles, testing::ValuesIn(kSampleProfiles));
#endif

INSTANTIATE_TEST_SUITE_P(Sample, SampleNetworkProfiles, testing::ValuesIn(kSampleProfiles));

}  // namespace
}  // namespace vexa
