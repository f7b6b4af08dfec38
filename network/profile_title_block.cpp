#include "network/profile_title_block.h"

#include <vector>

#include "network/profile_drawing.h"

namespace vexa {
namespace {

using namespace profile_sheet;

constexpr double kLabelText = 1.2;  // a cell's label
constexpr double kValueText = 2.0;  // its value
constexpr double kLegendText = 1.8;

// Rows of cells, each with its label at its top and its value below, fitted to it.
void titleBlock(SheetPen& pen, const ProjectData& project, const SheetTitle& title) {
    struct Cell {
        const char* label;
        std::string value;
        double width;  // share of the block's
    };
    const std::string sheet = std::to_string(title.number) + " z " + std::to_string(title.count);
    // Rows of equal height.
    const std::vector<std::vector<Cell>> rows{
        {{"Nazwa projektu", project.name, 0.4}, {"Adres", project.address, 0.35}, {"Inwestor", project.investor, 0.25}},
        {{"Rysunek", title.drawing, 0.4},
         {"Stadium", project.stage, 0.15},
         {"Branża", "sanitarna", 0.1},
         {"Projektant", project.designer, 0.2},
         {"nr upr.", project.licence, 0.15}},
        {{"Nr rysunku", project.number, 0.2},
         {"Skala", title.scales, 0.2},
         {"Arkusz", sheet, 0.1},
         {"Sprawdzający", project.checker, 0.3},
         {"Data", project.date, 0.2}},
    };
    const double rowHeight = kTitleBlockHeight / static_cast<double>(rows.size());
    pen.line(DrawingLayer::Labels, 0.5,
             {{kTitleBlockLeft, kMargin}, {kTitleBlockLeft, kTableFoot}, {kFrameRight, kTableFoot}});
    double top = kTableFoot;
    for (const std::vector<Cell>& row : rows) {
        const double bottom = top - rowHeight;
        if (bottom > kMargin) pen.line(DrawingLayer::Labels, 0.25, {{kTitleBlockLeft, bottom}, {kFrameRight, bottom}});
        double left = kTitleBlockLeft;
        for (const Cell& cell : row) {
            const double width = cell.width * kTitleBlockWidth;
            if (left > kTitleBlockLeft) pen.line(DrawingLayer::Labels, 0.25, {{left, top}, {left, bottom}});
            pen.text(DrawingLayer::Labels, {left + 1, top - 0.6}, kLabelText, AlongText::Start, AcrossText::Top,
                     cell.label, width - 2);
            if (!cell.value.empty())
                pen.text(DrawingLayer::Labels, {left + 1, bottom + 0.9}, kValueText, AlongText::Start, AcrossText::Foot,
                         cell.value, width - 2);
            left += width;
        }
        top = bottom;
    }
}

// Each kind of line as the profiles draw it, with its name; and the height
// datum every level is given in.
void legend(SheetPen& pen, const ProjectData& project) {
    constexpr double kLeft = kFrameLeft + 3, kSample = 10, kColumn = 58;
    const double top = kTableFoot - 2;
    pen.text(DrawingLayer::Labels, {kLeft, top}, kLegendText, AlongText::Start, AcrossText::Top, "Legenda");
    struct Entry {
        DrawingLayer layer;
        double width;
        bool dashed;
        const char* name;
    };
    const Entry entries[] = {{DrawingLayer::Ground, 0.35, false, "teren"},
                             {DrawingLayer::Sewer, 0.5, false, "dno kanału i wierzch rury"},
                             {DrawingLayer::Water, 0.25, true, "zwierciadło ścieków"},
                             {DrawingLayer::Manholes, 0.35, false, "studnia"}};
    for (std::size_t n = 0; n < std::size(entries); ++n) {
        const Entry& entry = entries[n];
        const double x = kLeft + kColumn * static_cast<double>(n / 2);
        const double y = top - 5.5 - 4.5 * static_cast<double>(n % 2);
        if (entry.layer == DrawingLayer::Manholes)
            pen.line(entry.layer, entry.width, {{x + kSample / 2, y - 1.6}, {x + kSample / 2, y + 1.6}});
        else if (entry.dashed)
            pen.dashed(entry.layer, {x, y}, {x + kSample, y});
        else
            pen.line(entry.layer, entry.width, {{x, y}, {x + kSample, y}});
        pen.text(DrawingLayer::Labels, {x + kSample + 2, y}, kLegendText, AlongText::Start, AcrossText::Middle,
                 entry.name, kColumn - kSample - 4);
    }
    // The marks: a change of the reference level within a profile, and a branch joining.
    const double x = kLeft + 2 * kColumn, y = top - 5.5;
    pen.line(DrawingLayer::Labels, 0.7, {{x + kSample / 2, y - 1.6}, {x + kSample / 2, y + 1.6}});
    pen.text(DrawingLayer::Labels, {x + kSample + 2, y}, kLegendText, AlongText::Start, AcrossText::Middle,
             "zmiana poziomu porównawczego", kTitleBlockLeft - x - kSample - 4);
    pen.line(DrawingLayer::Sewer, 0.35, {{x + kSample / 2 - 3, y - 4.5}, {x + kSample / 2, y - 4.5}});
    pen.line(DrawingLayer::Manholes, 0.35, {{x + kSample / 2, y - 6.1}, {x + kSample / 2, y - 2.9}});
    pen.text(DrawingLayer::Labels, {x + kSample + 2, y - 4.5}, kLegendText, AlongText::Start, AcrossText::Middle,
             "odgałęzienie: odcinek i rzędna dna", kTitleBlockLeft - x - kSample - 4);
    if (!project.heightDatum.empty())
        pen.text(DrawingLayer::Labels, {kLeft, kMargin + 1.2}, kLegendText, AlongText::Start, AcrossText::Foot,
                 "Rzędne w układzie wysokościowym " + project.heightDatum, kTitleBlockLeft - kLeft - 3);
}

}  // namespace

void drawSheetFrame(SheetPen& pen, const ProjectData& project, const SheetTitle& title) {
    pen.line(DrawingLayer::Labels, 0.5,
             {{kFrameLeft, kMargin},
              {kFrameRight, kMargin},
              {kFrameRight, kFrameTop},
              {kFrameLeft, kFrameTop},
              {kFrameLeft, kMargin}});
    titleBlock(pen, project, title);
    legend(pen, project);
}

}  // namespace vexa
