#pragma once

// The network window: a network edited as a table, designed after every edit.
//
//   user ──> editCell / clearCells / paste / cut / insertRows / deleteRows,
//            │   undo / redo, editParameter (the edits of rows are one undo
//            │   step each; the typed texts are kept as typed, on one line)
//            v
//   read the rows as a network file ──faults──> problems(): every one listed,
//            │                                  its rows marked and left out
//            v
//   design the rest (sections already designed come from a store; those
//   below a row left out as below a section without a result)
//            v
//   results, notes, the profile of the selected row's path ──> the skin reads
//
// Files go through the platform's dialogs and are replaced safely; the skin
// copies what it shows after every reaction, as for the other windows.

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/catalogue.h"
#include "drawing/drawing.h"
#include "network/exports.h"
#include "network/network_columns.h"
#include "network/network_design.h"
#include "network/network_file.h"
#include "network/network_parameters.h"
#include "network/network_project.h"
#include "network/profile_drawing.h"
#include "network_window/edit_history.h"
#include "network_window/section_cache.h"
#include "toolkit/platform_services.h"
#include "toolkit/printer.h"

namespace vexa {

inline constexpr const char* kNetworkWindowTitle = "Vexa - projekt sieci";

class NetworkWindow {
public:
    static constexpr int kMostRowsAtOnce = 100'000;
    static constexpr std::size_t kUndoSteps = 100;
    // The input columns: those of a network file.
    static constexpr int kInputCount = kInputColumnCount;
    using Row = std::array<std::string, kInputCount>;
    // The result columns beside them: Q to Uwagi of the results table.
    static constexpr ResultColumn kFirstResult = ResultColumn::Q;
    static constexpr int kResultCount = kResultColumnCount - position(kFirstResult);
    // Where a result column stands in the window's table, after the inputs.
    static constexpr int tableColumn(ResultColumn result) {
        return kInputCount + position(result) - position(kFirstResult);
    }
    static const NetworkColumn& resultColumn(int column) {
        return kResultColumns[static_cast<std::size_t>(position(kFirstResult) + column)];
    }

    // What stops the design of rows, or of the network: the message, the
    // rows it names (from 0) and the input column at fault, or -1 for the
    // rows as a whole.
    struct Problem {
        std::string message;
        std::vector<int> rows;
        int column = -1;
        bool operator==(const Problem&) const = default;
    };

    // `outputs` write the workbooks, PDF and DXF files the window exports.
    NetworkWindow(PlatformServices& platform, const Catalogue& catalogue, OutputBackEnds& outputs);
    ~NetworkWindow();
    NetworkWindow(const NetworkWindow&) = delete;
    NetworkWindow& operator=(const NetworkWindow&) = delete;

    // What the window shows.
    std::string caption() const;
    int rowCount() const { return static_cast<int>(rows_.size()); }
    const Row& row(int row) const { return rows_[static_cast<std::size_t>(row)]; }
    // A result column of a row (from kFirstResult), empty while it has none.
    std::string result(int row, int column) const;
    // What a marked row says: its section's message, or its notes.
    std::string rowNote(int row) const;
    // A row whose section has a message or a note.
    bool rowMarked(int row) const;
    // Every problem, by the first row it names; one without rows (a
    // parameter, a cancelled design) first.
    const std::vector<Problem>& problems() const { return problems_; }
    // The problems naming a row, as positions in problems().
    std::vector<std::size_t> rowProblems(int row) const;
    // Whether sections are designed: all but those a problem stops.
    bool designed() const { return !designs_.empty(); }
    // Whether the whole network is: what the exports and the printing need.
    bool complete() const { return designed() && problems_.empty(); }
    // The parameters as typed, and the problem of one that cannot be read.
    const std::string& parameterText(int parameter) const;
    const std::optional<std::string>& parameterProblem() const { return parameterProblem_; }
    // The rain table's file in use; nothing while the formula gives the rain.
    const std::optional<std::string>& rainTableName() const { return settings_.rainTableName; }
    // The items a cell of an item column offers (its value is the position,
    // from 1 for the type, from 0 for the groups); empty for other columns.
    const std::vector<std::string>& choices(int column) const;
    int selectedRow() const { return selectedRow_; }
    // The profile of the path the selected row lies on, the rows of that
    // path from its head down, and where the profile draws the row's section.
    const std::optional<Drawing>& selectedProfile() const { return selectedProfile_; }
    const std::vector<int>& selectedPath() const { return selectedPath_; }
    const std::optional<SectionPlacement>& selectedPlacement() const { return selectedPlacement_; }
    bool modified() const { return history_.modified(); }
    // How many sections the design window has computed since the window
    // opened: an edit computes the sections it changed, not the network.
    std::size_t sectionsCalculated() const { return cache_.calculated(); }
    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }
    // How the network's file is written, as the status bar names it:
    // "Kodowanie zbioru: UTF-8, LF".
    std::string fileEncoding() const;

    // A cell of the table: a row, and an input column or a result column
    // after them (kInputCount + n).
    struct Cell {
        int row = 0;
        int column = 0;
    };
    // The block the cells span as tab-separated text, as spreadsheets paste
    // it: a row a line, cells not given empty, a cell holding a tab, a line
    // break or a quote between quotes.
    std::string copy(const std::vector<Cell>& cells) const;

    // A manhole as the rows name it, once, in the order they first do.
    struct Manhole {
        std::string name;
        std::string ground;           // its ground level as the first row naming it gives it
        bool groundsDiffer = false;   // rows give it different levels
        bool outlet = false;          // sections end in it and none leaves it
        std::string receivingInvert;  // of an outlet: the sewer's invert it drains into, as typed
    };
    const std::vector<Manhole>& manholes() const { return manholes_; }

    // The next row after `after` (-1: from the first) whose section or
    // manholes hold `text`, in any case, round past the end; and the first
    // such manhole after `after`.
    std::optional<int> findRow(const std::string& text, int after) const;
    std::optional<int> findManhole(const std::string& text, int after) const;

    // The user's entry points. A cell holds one line: control characters
    // (line breaks, tabs) typed or pasted into it are dropped.
    void editCell(int row, int column, const std::string& text);
    // Empties the input cells given: one step.
    void clearCells(const std::vector<Cell>& cells);
    // copy(), then the input cells emptied.
    std::string cut(const std::vector<Cell>& cells);
    // Rows of tab-separated cells from `row` and `column` on, as
    // spreadsheets copy them; rows are added as needed. Cells right of the
    // input columns are left out, and the user is told which.
    void paste(int row, int column, const std::string& text);
    // Each input column's cells given take the text of its topmost one: one step.
    void fillDown(const std::vector<Cell>& cells);
    void insertRows(int at, int count);
    // The rows given, wherever they are: one step.
    void deleteRows(std::vector<int> rows);
    void undo();
    void redo();
    void editParameter(int parameter, const std::string& text);
    // How pipes are joined at a manhole: on their crowns, or on their water
    // surfaces too.
    void joinWaterSurfaces(bool join);
    bool waterSurfacesJoined() const { return settings_.joinWaterSurfaces; }
    // The rain's intensities from a table file the user chooses, or from
    // the formula again.
    void chooseRainTable();
    void useRainFormula();
    // What the profiles' title blocks say of the project: the fields
    // changed, on one line each, as one edit.
    const ProjectData& projectData() const { return settings_.projectData; }
    void editProjectData(const ProjectData& data);
    void selectRow(int row);
    // A manhole's ground level in every row that names it, its new name in
    // every row, its receiving sewer's invert: each one step.
    void editManholeGround(int manhole, const std::string& text);
    void renameManhole(int manhole, const std::string& name);
    void editReceivingInvert(int manhole, const std::string& text);

    // "Nowa", "Otwórz", "Zapisz", "Zapisz jako": a changed network is not
    // dropped without asking. Open reads `fileName` where given, else asks.
    // The design's parameters go with the network, in its project file
    // beside it (NAME.vexa); a network without one opens with the defaults.
    void newNetwork();
    void open(std::optional<std::string> fileName = std::nullopt);
    bool save();
    bool saveAs();
    // The results as a code page 1250 table and as a workbook; the profiles
    // as PDF and as DXF. Each asks where; none while the network is not
    // complete.
    void exportTo(NetworkExport kind);
    // Whether this program writes such files at all.
    bool canExport(NetworkExport kind) const;
    // The profiles printed through the print dialog.
    void printProfiles();
    // Whether the window may close: a changed network asks Tak / Nie / Anuluj.
    bool mayClose();

private:
    struct FileForm : NetworkFileForm {
        bool catchmentColumns = false;  // its head line has them, typed or not
    };

    // The design's settings as the user gave them: what the project file keeps.
    struct Settings {
        std::array<std::string, kNetworkParameterRules.size()> parameterTexts;
        bool joinWaterSurfaces = false;
        std::optional<std::string> rainTableName;
        std::shared_ptr<const RainTable> rainTable;
        std::map<std::string, std::string> receivingInverts;  // an outlet's level as typed
        ProjectData projectData;
    };

    // One edit of rows: from `at` on, the rows `before` became `after`.
    struct Change {
        int at;
        std::vector<Row> before;
        std::vector<Row> after;
    };
    // An edit: of rows, of the settings, or of both at once.
    struct Step {
        std::vector<Change> rows;
        std::optional<Settings> settingsBefore;
        std::optional<Settings> settingsAfter;
    };
    void replaceRows(Step& step, int at, int count, std::vector<Row> rows);
    Step changedRows(const std::function<void(Row&)>& change);
    void apply(const Change& change, bool forward);
    void record(Step step);
    // The settings changed as one edit.
    void changeSettings(Settings settings);
    // The parameters the settings give, or the problem of one that cannot be read.
    void useSettings();
    Settings defaultSettings() const;
    // The settings a network's project file gives; the defaults where it has
    // none. Where the network's bytes leave its encoding open (all ASCII),
    // `openForm` takes the project's.
    Settings projectSettings(const std::string& networkFileName, FileForm* openForm);
    NetworkProject project(const FileForm& form, const std::string& projectFileName) const;
    void afterEdit();
    void designAgain();
    void listManholes();
    void redesign();
    void selectProfile();
    std::vector<std::string> fileLines(const FileForm& form) const;
    bool writeTo(const std::string& fileName, const FileForm& form);
    bool askToKeepChanges();
    std::vector<Drawing> profiles() const;
    bool designedOrSaid();

    PlatformServices& platform_;
    OutputBackEnds& outputs_;
    std::unique_ptr<SectionCalculator> calculator_;
    SectionCache cache_;
    NetworkLineStore lines_;  // the rows already read, for the next design
    std::array<std::vector<std::string>, kInputCount> choices_;

    std::vector<Row> rows_;
    EditHistory<Step> history_{kUndoSteps};
    Settings settings_;
    NetworkParameters parameters_;
    std::optional<std::string> parameterProblem_;
    std::vector<Manhole> manholes_;

    std::vector<Problem> problems_;
    std::vector<std::pair<int, std::size_t>> problemRows_;  // (row, problem), in order
    Network network_;
    bool rain_ = false;              // whether the network has catchments
    std::vector<int> sectionOfRow_;  // -1 for an empty row
    std::vector<SectionDesign> designs_;
    int selectedRow_ = -1;
    std::optional<Drawing> selectedProfile_;
    std::vector<int> selectedPath_;
    std::optional<SectionPlacement> selectedPlacement_;

    std::optional<std::string> fileName_;
    FileForm fileForm_;
};

}  // namespace vexa
