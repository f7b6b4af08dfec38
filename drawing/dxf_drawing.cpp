#include "drawing/dxf_drawing.h"

#include <dxflib/dl_dxf.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <numbers>

#include "toolkit/cp1250.h"
#include "toolkit/delimited_fields.h"
#include "toolkit/text.h"

namespace vexa {
namespace {

// The layer of each kind in a DXF file.
const char* dxfLayerName(DrawingLayer layer) {
    switch (layer) {
        case DrawingLayer::Ground:
            return "TEREN";
        case DrawingLayer::Sewer:
            return "KANAL";
        case DrawingLayer::Water:
            return "ZWIERCIADLO";
        case DrawingLayer::Manholes:
            return "STUDNIE";
        case DrawingLayer::Table:
            return "TABELA";
        case DrawingLayer::Labels:
            break;
    }
    return "OPISY";
}

namespace fs = std::filesystem;

struct LayerStyle {
    DrawingLayer layer;
    int colour;      // AutoCAD colour index
    int lineWeight;  // 1/100 mm
};
constexpr std::array<LayerStyle, 6> kLayers{{{DrawingLayer::Ground, 3, 35},
                                             {DrawingLayer::Sewer, 5, 50},
                                             {DrawingLayer::Water, 4, 25},
                                             {DrawingLayer::Manholes, 7, 35},
                                             {DrawingLayer::Table, 8, 25},
                                             {DrawingLayer::Labels, 7, 25}}};

constexpr double kSheetGap = 20;  // drawing mm between two sheets

// A text's length in Arial, in ems, near enough for what a CAD program
// draws in its own font: a Polish letter as wide as the letter it is made from.
double arialEms(const std::string& utf8) {
    static const std::u32string kPolish = U"ąćęłńóśźżĄĆĘŁŃÓŚŹŻ", kPlain = U"acelnoszzACELNOSZZ";
    static const std::u32string kNarrow = U"ijlI|!'.,:;", kThin = U"ftr -()[]/", kWide = U"mwMW‰…";
    double ems = 0;
    for (char32_t letter : text::toUtf32(utf8)) {
        if (const std::size_t polish = kPolish.find(letter); polish != std::u32string::npos) letter = kPlain[polish];
        if (kNarrow.find(letter) != std::u32string::npos)
            ems += 0.25;
        else if (kThin.find(letter) != std::u32string::npos)
            ems += 0.3;
        else if (kWide.find(letter) != std::u32string::npos)
            ems += 0.9;
        else if (letter >= U'A' && letter <= U'Z')
            ems += 0.68;
        else
            ems += 0.556;  // the digits, and the other small letters near enough
    }
    return ems;
}

// The style of every text. AutoCAD and most readers draw a style's font,
// here Arial's TrueType file, which has the per mille sign and the ellipsis.
// LibreCAD passes over the style table: it draws a text in its own font of
// the style's name, or else in "standard", which has neither sign. Its
// "unicode" has both, and draws the other letters as "standard" does.
constexpr const char* kTextStyle = "Unicode";

// A text as an AutoCAD 2000 file holds it: code page 1250, declared in the
// header, and every character the code page lacks as \U+XXXX. The per mille
// sign and the ellipsis are in the code page (0x89, 0x85), and the texts'
// style has fonts that draw them (kTextStyle).
std::string dxfText(const std::string& utf8) {
    std::string text;
    for (const char32_t character : text::toUtf32(utf8)) {
        if (const auto byte = cp1250::byteFor(character)) {
            text += static_cast<char>(*byte);
        } else {
            char escaped[16];
            std::snprintf(escaped, sizeof escaped, "\\U+%04X", static_cast<unsigned>(character));
            text += escaped;
        }
    }
    return text;
}

int horizontalJustification(AlongText along) {
    switch (along) {
        case AlongText::Centre:
            return 1;
        case AlongText::End:
            return 2;
        case AlongText::Start:
            break;
    }
    return 0;
}

int verticalJustification(AcrossText across) {
    switch (across) {
        case AcrossText::Middle:
            return 2;
        case AcrossText::Top:
            return 3;
        case AcrossText::Foot:
            break;
    }
    return 0;  // the baseline
}

class DxfFile {
public:
    DxfFile(const fs::path& file, double metresPerMillimetre)
        : writer_(dxf_.out(file.string().c_str(), DL_Codes::AC1015)), scale_(metresPerMillimetre) {}

    bool opened() const { return writer_ != nullptr; }

    void write(const std::vector<Drawing>& drawings) {
        tables();
        DL_WriterA& dw = *writer_;
        dw.sectionEntities();
        double left = 0;
        for (const Drawing& drawing : drawings) {
            for (const DrawingSheet& sheet : drawing.sheets) {
                for (const DrawingLine& line : sheet.lines) polyline(line, left);
                for (const DrawingText& text : sheet.texts) this->text(text, left);
                left += drawing.sheetWidth + kSheetGap;
            }
        }
        dw.sectionEnd();
        dxf_.writeObjects(dw);
        dxf_.writeObjectsEnd(dw);
        dw.dxfEOF();
        dw.close();
    }

private:
    void tables() {
        DL_WriterA& dw = *writer_;
        dxf_.writeHeader(dw);
        dw.dxfString(9, "$DWGCODEPAGE");
        dw.dxfString(3, "ANSI_1250");
        dw.dxfString(9, "$INSUNITS");
        dw.dxfInt(70, 6);  // metres
        dw.sectionEnd();

        dw.sectionTables();
        dxf_.writeVPort(dw);
        dw.tableLinetypes(3);
        dxf_.writeLinetype(dw, DL_LinetypeData("BYBLOCK", "BYBLOCK", 0, 0, 0.0));
        dxf_.writeLinetype(dw, DL_LinetypeData("BYLAYER", "BYLAYER", 0, 0, 0.0));
        dxf_.writeLinetype(dw, DL_LinetypeData("CONTINUOUS", "Continuous", 0, 0, 0.0));
        dw.tableEnd();
        dw.tableLayers(static_cast<int>(kLayers.size()) + 1);
        dxf_.writeLayer(dw, DL_LayerData("0", 0), DL_Attributes("", 7, -3, "CONTINUOUS", 1.0));
        for (const LayerStyle& style : kLayers)
            dxf_.writeLayer(dw, DL_LayerData(dxfLayerName(style.layer), 0),
                            DL_Attributes("", style.colour, style.lineWeight, "CONTINUOUS", 1.0));
        dw.tableEnd();
        // The default style "Standard" stays, the dimension style names it.
        // The library writes the font as the family name of a TrueType
        // style; mend() adds its file.
        dw.tableStyle(2);
        for (const char* style : {"Standard", kTextStyle})
            dxf_.writeStyle(dw, DL_StyleData(style, 0, 0.0, 1.0, 0.0, 0, 2.5, "Arial", ""));
        dw.tableEnd();
        dxf_.writeView(dw);
        dxf_.writeUcs(dw);
        dw.tableAppid(1);
        dxf_.writeAppid(dw, "ACAD");
        dw.tableEnd();
        dxf_.writeDimStyle(dw, 1, 1, 1, 1, 1);
        dxf_.writeBlockRecord(dw);
        dw.tableEnd();
        dw.sectionEnd();

        dw.sectionBlocks();
        for (const char* block : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
            dxf_.writeBlock(dw, DL_BlockData(block, 0, 0.0, 0.0, 0.0));
            dxf_.writeEndBlock(dw, block);
        }
        dw.sectionEnd();
    }

    DL_Attributes attributes(DrawingLayer layer, double width) const {
        return DL_Attributes(dxfLayerName(layer), 256, static_cast<int>(std::lround(width * 100)), "BYLAYER", 1.0);
    }

    void polyline(const DrawingLine& line, double left) {
        DL_WriterA& dw = *writer_;
        dxf_.writePolyline(dw, DL_PolylineData(static_cast<int>(line.points.size()), 0, 0, 0),
                           attributes(line.layer, line.width));
        for (const DrawingPoint& point : line.points)
            dxf_.writeVertex(dw, DL_VertexData((left + point.x) * scale_, point.y * scale_));
        dxf_.writePolylineEnd(dw);
    }

    void text(const DrawingText& text, double left) {
        const double x = (left + text.at.x) * scale_, y = text.at.y * scale_;
        const double angle = text.upwards ? std::numbers::pi / 2 : 0.0;
        // A text longer than its room is narrowed to fit, on an estimate of
        // its length in Arial. Its letters are measured before it is written
        // in the code page, whose bytes 0x80-0xBF (ł, ś, ą...) would pass for
        // UTF-8's continuation bytes, and where a \U+XXXX stands for one letter.
        const FittedText fitted = fitText(text.text, text.room, [&](const std::string& candidate, double share) {
            return arialEms(candidate) * text.height / kCapitalShare * share;
        });
        dxf_.writeText(
            *writer_,
            DL_TextData(x, y, 0, x, y, 0, text.height * scale_, fitted.share, 0, horizontalJustification(text.along),
                        verticalJustification(text.across), dxfText(fitted.text), kTextStyle, angle),
            attributes(text.layer, 0.25));
    }

    DL_Dxf dxf_;
    std::unique_ptr<DL_WriterA> writer_;
    double scale_;
};

// A DXF file as its pairs of lines: a group code, then its value.
struct GroupPair {
    std::string code;  // as written, with its leading blanks
    std::string value;
    bool is(const char* groupCode, const char* text = nullptr) const {
        return delimited::trimmed(code) == groupCode && (!text || value == text);
    }
};

std::vector<GroupPair> groupPairs(const std::string& bytes) {
    std::vector<GroupPair> pairs;
    std::size_t at = 0;
    const auto line = [&] {
        const std::size_t end = std::min(bytes.find('\n', at), bytes.size());
        std::string text = bytes.substr(at, end - at);
        at = end + 1;
        return text;
    };
    while (at < bytes.size()) {
        std::string code = line();
        pairs.push_back({std::move(code), line()});
    }
    return pairs;
}

// The library writes the objects of an AutoCAD 2000 file without the handle
// of their owner and the text styles without their font file, and CAD
// programs repair both on opening. Every object gets the dictionary that
// lists it as its owner (the root dictionary none: "0"), and every style
// Arial's file.
void mend(std::vector<GroupPair>& pairs) {
    std::size_t objects = 0;
    for (std::size_t n = 1; n < pairs.size() && objects == 0; ++n)
        if (pairs[n].is("2", "OBJECTS") && pairs[n - 1].is("0", "SECTION")) objects = n + 1;
    std::map<std::string, std::string> ownerOf;  // handle -> the dictionary's handle
    std::string dictionary;
    for (std::size_t n = objects; objects > 0 && n < pairs.size() && !pairs[n].is("0", "ENDSEC"); ++n) {
        if (pairs[n].is("0"))
            dictionary = pairs[n].value == "DICTIONARY" || pairs[n].value == "ACDBDICTIONARYWDFLT" ? std::string("?")
                                                                                                   : std::string();
        if (pairs[n].is("5") && dictionary == "?") dictionary = pairs[n].value;
        if ((pairs[n].is("350") || pairs[n].is("360")) && !dictionary.empty())
            ownerOf.emplace(pairs[n].value, dictionary);
    }
    bool handleSeen = true;
    for (std::size_t n = objects; objects > 0 && n < pairs.size() && !pairs[n].is("0", "ENDSEC"); ++n) {
        if (pairs[n].is("0")) handleSeen = false;
        if (!pairs[n].is("5") || handleSeen) continue;
        handleSeen = true;
        const auto owner = ownerOf.find(pairs[n].value);
        pairs.insert(pairs.begin() + static_cast<std::ptrdiff_t>(n) + 1,
                     GroupPair{"330", owner == ownerOf.end() ? "0" : owner->second});
        ++n;
    }
    for (std::size_t n = 0; n < pairs.size(); ++n) {
        if (!pairs[n].is("0", "STYLE")) continue;
        for (std::size_t m = n + 1; m < pairs.size() && !pairs[m].is("0"); ++m)
            if (pairs[m].is("3", "")) pairs[m].value = "arial.ttf";
    }
}

// Mends the file the library wrote; false when the library did not write it
// to its end.
bool mended(const fs::path& file) {
    std::string bytes;
    {
        std::ifstream in(file, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    if (bytes.size() < 4 || bytes.compare(bytes.size() - 4, 4, "EOF\n") != 0) return false;
    std::vector<GroupPair> pairs = groupPairs(bytes);
    mend(pairs);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    for (const GroupPair& pair : pairs) out << pair.code << '\n' << pair.value << '\n';
    out.close();
    return !out.fail();
}

}  // namespace

bool buildDxf(const fs::path& file, const std::vector<Drawing>& drawings, double metresPerMillimetre) {
    {
        DxfFile dxf(file, metresPerMillimetre);
        if (!dxf.opened()) return false;
        dxf.write(drawings);
    }
    return mended(file);
}

bool dxfAvailable() { return true; }

}  // namespace vexa
