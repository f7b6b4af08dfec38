#include "network_window/network_window.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <unordered_map>

#include "batch/headless_platform.h"
#include "drawing/drawing_pages.h"
#include "engine/engine_context.h"
#include "network/network_parameters.h"
#include "network/network_table.h"
#include "network/profile_drawing.h"
#include "network/profile_paths.h"
#include "toolkit/cp1250.h"
#include "toolkit/delimited_fields.h"
#include "toolkit/errors.h"
#include "toolkit/numbers.h"
#include "toolkit/text.h"
#include "toolkit/text_file.h"
#include "windows/design_window.h"
#include "windows/program.h"

namespace vexa {
namespace {

constexpr int kProgressEvery = 500;  // sections
constexpr const char* kNetworkFiles = "Sieci (*.csv *.txt)";
constexpr const char* kRainTableFiles = "Tabele deszczu (*.csv *.txt)";

bool emptyRow(const NetworkWindow::Row& row) {
    return std::all_of(row.begin(), row.end(), [](const std::string& cell) { return cell.empty(); });
}

// A cell as spreadsheets copy it: quoted where it holds a tab, a line break
// or a quote.
std::string copiedCell(const std::string& text) {
    if (text.find_first_of("\t\r\n\"") == std::string::npos) return text;
    std::string quoted = "\"";
    for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + '"';
}

// The cells of text copied from a spreadsheet: rows ended by line breaks,
// cells parted by tabs; a cell that starts with a quote runs to its closing
// quote and may hold tabs, line breaks and quotes (doubled).
std::vector<std::vector<std::string>> tabSeparatedCells(const std::string& text) {
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> row;
    std::string cell;
    bool cellStarted = false;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '"' && !cellStarted && cell.empty()) {
            for (++at; at < text.size(); ++at) {
                if (text[at] != '"') {
                    cell += text[at];
                } else if (at + 1 < text.size() && text[at + 1] == '"') {
                    cell += '"';
                    ++at;
                } else {
                    break;
                }
            }
            cellStarted = true;
        } else if (c == '\t') {
            row.push_back(std::move(cell));
            cell.clear();
            cellStarted = false;
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && at + 1 < text.size() && text[at + 1] == '\n') ++at;
            row.push_back(std::move(cell));
            rows.push_back(std::move(row));
            row.clear();
            cell.clear();
            cellStarted = false;
        } else {
            cell += c;
            cellStarted = true;
        }
    }
    if (cellStarted || !row.empty()) {
        row.push_back(std::move(cell));
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace

NetworkWindow::NetworkWindow(PlatformServices& platform, const Catalogue& catalogue, OutputBackEnds& outputs)
    : platform_(platform),
      outputs_(outputs),
      calculator_(std::make_unique<BatchCalculator>(catalogue)),
      cache_(*calculator_) {
    // The item lists as the design window offers them when it starts.
    HeadlessPlatform headless;
    Program program(headless, {});
    program.startWith(catalogue);
    const TForm1& form = program.Form1();
    for (const std::string& item : form.Combo_Typ.Items)
        choices_[position(InputColumn::Typ)].push_back(text::onOneLine(item, true));
    for (const auto& [column, group] : {std::pair{InputColumn::Scieki, &form.RadioGroup1},
                                        {InputColumn::Opory, &form.RadioGroup4},
                                        {InputColumn::KryteriumDoboru, &form.RadioGroup3}})
        for (const std::string& item : group->Items)
            choices_[static_cast<std::size_t>(position(column))].push_back(text::onOneLine(item, true));
    settings_ = defaultSettings();
    useSettings();
}

NetworkWindow::~NetworkWindow() = default;

std::string NetworkWindow::caption() const {
    std::string text = kNetworkWindowTitle;
    if (fileName_) text += " - " + text_file::pathFromUtf8(*fileName_).filename().string();
    return modified() ? text + " *" : text;
}

std::string NetworkWindow::result(int row, int column) const {
    if (designs_.empty() || row < 0 || row >= rowCount() || column < 0 || column >= kResultCount ||
        sectionOfRow_[static_cast<std::size_t>(row)] < 0)
        return {};
    // The rain's columns stay empty where no rain falls on the network.
    const auto shown = static_cast<std::size_t>(position(kFirstResult) + column);
    if (!rain_ && isRainColumn(static_cast<ResultColumn>(shown))) return {};
    const auto section = static_cast<std::size_t>(sectionOfRow_[static_cast<std::size_t>(row)]);
    if (network_.sections[section].leftOut()) return {};  // a row with a fault shows no results
    return networkResultFields(network_.sections[section], designs_[section], true)[shown];
}

std::string NetworkWindow::rowNote(int row) const {
    if (!rowMarked(row)) return {};
    const SectionDesign& design = designs_[static_cast<std::size_t>(sectionOfRow_[static_cast<std::size_t>(row)])];
    return design.result.computed ? design.notes : design.result.message;
}

bool NetworkWindow::rowMarked(int row) const {
    if (designs_.empty() || row < 0 || row >= rowCount() || sectionOfRow_[static_cast<std::size_t>(row)] < 0)
        return false;
    const SectionDesign& design = designs_[static_cast<std::size_t>(sectionOfRow_[static_cast<std::size_t>(row)])];
    return !design.result.computed || !design.notes.empty();
}

std::vector<std::size_t> NetworkWindow::rowProblems(int row) const {
    std::vector<std::size_t> found;
    const auto first = std::lower_bound(problemRows_.begin(), problemRows_.end(), std::pair{row, std::size_t{0}});
    for (auto at = first; at != problemRows_.end() && at->first == row; ++at) found.push_back(at->second);
    return found;
}

const std::string& NetworkWindow::parameterText(int parameter) const {
    return settings_.parameterTexts.at(static_cast<std::size_t>(parameter));
}

const std::vector<std::string>& NetworkWindow::choices(int column) const {
    static const std::vector<std::string> none;
    return column >= 0 && column < kInputCount ? choices_[static_cast<std::size_t>(column)] : none;
}

// ---- edits ----

// Rows [at, at + count) become `rows`; the step records the change.
namespace {

// Rows [at, at + count) become `with`: those of both are assigned where they
// stand, so that an edit of a row does not move the rows after it.
void replaceRange(std::vector<NetworkWindow::Row>& rows, int at, std::size_t count,
                  const std::vector<NetworkWindow::Row>& with) {
    const std::size_t both = std::min(count, with.size());
    const auto first = rows.begin() + at;
    std::copy(with.begin(), with.begin() + static_cast<std::ptrdiff_t>(both), first);
    const auto rest = first + static_cast<std::ptrdiff_t>(both);
    if (count > both) rows.erase(rest, rest + static_cast<std::ptrdiff_t>(count - both));
    if (with.size() > both) rows.insert(rest, with.begin() + static_cast<std::ptrdiff_t>(both), with.end());
}

}  // namespace

void NetworkWindow::replaceRows(Step& step, int at, int count, std::vector<Row> rows) {
    const auto first = rows_.begin() + at;
    Change& change = step.rows.emplace_back(Change{at, std::vector<Row>(first, first + count), std::move(rows)});
    replaceRange(rows_, at, static_cast<std::size_t>(count), change.after);
}

// Makes a change again (forward) or takes it back.
void NetworkWindow::apply(const Change& change, bool forward) {
    replaceRange(rows_, change.at, (forward ? change.before : change.after).size(),
                 forward ? change.after : change.before);
}

void NetworkWindow::record(Step step) {
    if (step.rows.empty() && !step.settingsAfter) return;
    if (step.settingsAfter) settings_ = *step.settingsAfter;
    history_.record(std::move(step));
    afterEdit();
}

void NetworkWindow::changeSettings(Settings settings) {
    Step step;
    step.settingsBefore = settings_;
    step.settingsAfter = std::move(settings);
    record(std::move(step));
}

NetworkWindow::Settings NetworkWindow::defaultSettings() const {
    Settings settings;
    const NetworkParameters defaults;
    for (std::size_t n = 0; n < kNetworkParameterRules.size(); ++n)
        settings.parameterTexts[n] = vexa::parameterText(kNetworkParameterRules[n], defaults);
    return settings;
}

void NetworkWindow::useSettings() {
    parameterProblem_.reset();
    // Every parameter as typed; the first that cannot be read says why.
    NetworkParameters parameters;
    for (std::size_t n = 0; n < kNetworkParameterRules.size() && !parameterProblem_; ++n)
        if (const auto problem = readParameter(kNetworkParameterRules[n], settings_.parameterTexts[n], parameters))
            parameterProblem_ = std::string(kNetworkParameterRules[n].label) + ": " + *problem;
    if (!parameterProblem_)
        if (const auto problem = orderProblem(parameters))
            parameterProblem_ = std::string(problem->rule->label) + ": " + problem->problem;
    // The levels of the outlets the rows have now: one left by an outlet
    // since joined to a section is kept for undo, not read.
    for (const Manhole& manhole : manholes_) {
        if (parameterProblem_) break;
        if (manhole.receivingInvert.empty()) continue;
        const ScaledReading reading = readReceivingLevel(manhole.receivingInvert);
        if (reading.value)
            parameters.receivingInverts[manhole.name] = *reading.value;
        else
            parameterProblem_ = "Dno odbiornika wylotu \"" + manhole.name + "\": " + reading.problem;
    }
    parameters.joinWaterSurfaces = settings_.joinWaterSurfaces;
    parameters.rainTable = settings_.rainTable;
    if (!parameterProblem_) parameters_ = std::move(parameters);
}

void NetworkWindow::afterEdit() {
    if (selectedRow_ >= rowCount()) selectedRow_ = -1;
    designAgain();
}

// The manholes of the rows first: the settings read the outlets' levels.
void NetworkWindow::designAgain() {
    listManholes();
    useSettings();
    redesign();
}

void NetworkWindow::editCell(int row, int column, const std::string& text) {
    if (row < 0 || row > rowCount() || column < 0 || column >= kInputCount) return;
    Row changed = row < rowCount() ? rows_[static_cast<std::size_t>(row)] : Row{};
    std::string typed = text::withoutControlCharacters(text);
    if (changed[static_cast<std::size_t>(column)] == typed) return;
    changed[static_cast<std::size_t>(column)] = std::move(typed);
    Step step;
    replaceRows(step, row, row < rowCount() ? 1 : 0, {changed});
    record(std::move(step));
}

void NetworkWindow::clearCells(const std::vector<Cell>& cells) {
    std::vector<Cell> sorted = cells;
    std::sort(sorted.begin(), sorted.end(),
              [](const Cell& a, const Cell& b) { return std::pair(a.row, a.column) < std::pair(b.row, b.column); });
    Step step;
    for (std::size_t n = 0; n < sorted.size();) {
        const int row = sorted[n].row;
        Row cleared = row >= 0 && row < rowCount() ? rows_[static_cast<std::size_t>(row)] : Row{};
        bool changed = false;
        for (; n < sorted.size() && sorted[n].row == row; ++n) {
            const int column = sorted[n].column;
            if (row < 0 || row >= rowCount() || column < 0 || column >= kInputCount) continue;
            changed = changed || !cleared[static_cast<std::size_t>(column)].empty();
            cleared[static_cast<std::size_t>(column)].clear();
        }
        if (changed) replaceRows(step, row, 1, {cleared});
    }
    record(std::move(step));
}

void NetworkWindow::fillDown(const std::vector<Cell>& cells) {
    // The topmost cell of each column, then every row's cells below it.
    std::map<int, int> top;  // column -> row
    for (const Cell& cell : cells)
        if (cell.row >= 0 && cell.row < rowCount() && cell.column >= 0 && cell.column < kInputCount)
            if (const auto [at, added] = top.emplace(cell.column, cell.row); !added)
                at->second = std::min(at->second, cell.row);
    std::map<int, Row> changed;
    for (const Cell& cell : cells) {
        const auto from = top.find(cell.column);
        if (from == top.end() || cell.row == from->second || cell.row >= rowCount()) continue;
        auto [at, added] = changed.emplace(cell.row, rows_[static_cast<std::size_t>(cell.row)]);
        at->second[static_cast<std::size_t>(cell.column)] =
            rows_[static_cast<std::size_t>(from->second)][static_cast<std::size_t>(cell.column)];
    }
    Step step;
    for (auto& [row, filled] : changed)
        if (filled != rows_[static_cast<std::size_t>(row)]) replaceRows(step, row, 1, {std::move(filled)});
    record(std::move(step));
}

std::string NetworkWindow::copy(const std::vector<Cell>& cells) const {
    if (cells.empty()) return {};
    int top = cells.front().row, bottom = top, left = cells.front().column, right = left;
    for (const Cell& cell : cells) {
        top = std::min(top, cell.row);
        bottom = std::max(bottom, cell.row);
        left = std::min(left, cell.column);
        right = std::max(right, cell.column);
    }
    const auto width = static_cast<std::size_t>(right - left + 1);
    std::vector<std::vector<std::string>> block(static_cast<std::size_t>(bottom - top + 1),
                                                std::vector<std::string>(width));
    for (const Cell& cell : cells) {
        if (cell.row < 0 || cell.row >= rowCount() || cell.column < 0) continue;
        std::string& text =
            block[static_cast<std::size_t>(cell.row - top)][static_cast<std::size_t>(cell.column - left)];
        text = cell.column < kInputCount
                   ? rows_[static_cast<std::size_t>(cell.row)][static_cast<std::size_t>(cell.column)]
                   : result(cell.row, cell.column - kInputCount);
    }
    std::string text;
    for (const auto& row : block) {
        for (std::size_t c = 0; c < row.size(); ++c) text += (c > 0 ? "\t" : "") + copiedCell(row[c]);
        text += '\n';
    }
    return text;
}

std::string NetworkWindow::cut(const std::vector<Cell>& cells) {
    std::string text = copy(cells);
    clearCells(cells);
    return text;
}

void NetworkWindow::paste(int row, int column, const std::string& text) {
    if (row < 0 || row > rowCount() || column < 0 || column >= kInputCount) return;
    const std::vector<std::vector<std::string>> cells = tabSeparatedCells(text);
    if (cells.empty()) return;
    std::size_t widest = 0;
    for (const auto& cellsOfRow : cells) widest = std::max(widest, cellsOfRow.size());
    const auto room = static_cast<std::size_t>(kInputCount - column);
    const int existing = std::min(static_cast<int>(cells.size()), rowCount() - row);
    std::vector<Row> rows(rows_.begin() + row, rows_.begin() + row + existing);
    rows.resize(cells.size());
    for (std::size_t r = 0; r < cells.size(); ++r)
        for (std::size_t c = 0; c < cells[r].size() && c < room; ++c)
            rows[r][static_cast<std::size_t>(column) + c] = text::withoutControlCharacters(cells[r][c]);
    Step step;
    replaceRows(step, row, existing, std::move(rows));
    record(std::move(step));
    if (widest > room) {
        const bool one = widest == room + 1;
        const std::string leftOut = one ? "kolumnę " + std::to_string(room + 1)
                                        : "kolumny " + std::to_string(room + 1) + "–" + std::to_string(widest);
        platform_.showMessage("Pominięto " + leftOut + " wklejonego tekstu: " + (one ? "wykracza" : "wykraczają") +
                              " poza ostatnią kolumnę danych sieci \"" + kInputColumns.back().headingWithUnit() +
                              "\".");
    }
}

void NetworkWindow::insertRows(int at, int count) {
    if (at < 0 || at > rowCount() || count <= 0 || count > kMostRowsAtOnce) return;
    Step step;
    replaceRows(step, at, 0, std::vector<Row>(static_cast<std::size_t>(count)));
    record(std::move(step));
}

void NetworkWindow::deleteRows(std::vector<int> rows) {
    std::sort(rows.begin(), rows.end(), std::greater<>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    Step step;
    for (const int row : rows)
        if (row >= 0 && row < rowCount()) replaceRows(step, row, 1, {});
    record(std::move(step));
}

void NetworkWindow::undo() {
    if (!history_.canUndo()) return;
    const Step& step = history_.undo();
    for (auto change = step.rows.rbegin(); change != step.rows.rend(); ++change) apply(*change, false);
    if (step.settingsBefore) settings_ = *step.settingsBefore;
    afterEdit();
}

void NetworkWindow::redo() {
    if (!history_.canRedo()) return;
    const Step& step = history_.redo();
    for (const Change& change : step.rows) apply(change, true);
    if (step.settingsAfter) settings_ = *step.settingsAfter;
    afterEdit();
}

void NetworkWindow::editParameter(int parameter, const std::string& text) {
    if (parameter < 0 || parameter >= static_cast<int>(kNetworkParameterRules.size()) ||
        settings_.parameterTexts[static_cast<std::size_t>(parameter)] == text::withoutControlCharacters(text))
        return;
    // One line, as every value of the project file.
    Settings settings = settings_;
    settings.parameterTexts[static_cast<std::size_t>(parameter)] = text::withoutControlCharacters(text);
    changeSettings(std::move(settings));
}

void NetworkWindow::joinWaterSurfaces(bool join) {
    if (settings_.joinWaterSurfaces == join) return;
    Settings settings = settings_;
    settings.joinWaterSurfaces = join;
    changeSettings(std::move(settings));
}

void NetworkWindow::chooseRainTable() {
    const auto fileName = platform_.askOpenFileName({"Tabela deszczu", kRainTableFiles, "csv"});
    if (!fileName) return;
    Settings settings = settings_;
    try {
        settings.rainTable = std::make_shared<const RainTable>(readRainTable(text_file::readBytes(*fileName)));
    } catch (const RainTableError& problem) {
        platform_.showError("Zbiór \"" + *fileName + "\" nie jest tabelą deszczu: " + problem.what());
        return;
    } catch (const std::runtime_error& problem) {
        platform_.showError(problem.what());
        return;
    }
    settings.rainTableName = *fileName;
    changeSettings(std::move(settings));
}

void NetworkWindow::useRainFormula() {
    if (!settings_.rainTable) return;
    Settings settings = settings_;
    settings.rainTable.reset();
    settings.rainTableName.reset();
    changeSettings(std::move(settings));
}

void NetworkWindow::editProjectData(const ProjectData& data) {
    Settings settings = settings_;
    for (const ProjectDataField& field : kProjectDataFields)
        settings.projectData.*field.member = text::withoutControlCharacters(data.*field.member);
    if (settings.projectData == settings_.projectData) return;
    changeSettings(std::move(settings));
}

void NetworkWindow::selectRow(int row) {
    selectedRow_ = row >= 0 && row < rowCount() ? row : -1;
    selectProfile();
}

// ---- manholes ----

namespace {

constexpr std::size_t kOd = position(InputColumn::Od);
constexpr std::size_t kDo = position(InputColumn::Do);
constexpr std::size_t kTerenOd = position(InputColumn::TerenOd);
constexpr std::size_t kTerenDo = position(InputColumn::TerenDo);

// A level's text as a number where it is one, so that "100" and "100,0" are one level.
std::optional<long long> levelOf(const std::string& text) {
    try {
        return parseScaled(withDecimalComma(text), 3);
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

// A name's letters in one case, for finding: ASCII and the Polish letters.
std::u32string folded(const std::string& text) {
    static const std::u32string upper = U"ĄĆĘŁŃÓŚŹŻ", lower = U"ąćęłńóśźż";
    std::u32string characters;
    try {
        characters = text::toUtf32(text);
    } catch (const EncodingError&) {
        return {};
    }
    for (char32_t& c : characters) {
        if (c >= U'A' && c <= U'Z') c += U'a' - U'A';
        if (const auto at = upper.find(c); at != std::u32string::npos) c = lower[at];
    }
    return characters;
}

}  // namespace

void NetworkWindow::listManholes() {
    manholes_.clear();
    std::unordered_map<std::string, std::size_t> index;
    index.reserve(rows_.size() + 1);
    std::vector<bool> leaves;  // of each manhole: a section leaves it
    for (const Row& row : rows_) {
        for (const auto& [name, ground] : {std::pair{kOd, kTerenOd}, std::pair{kDo, kTerenDo}}) {
            std::string manhole = delimited::trimmed(row[name]);
            if (manhole.empty()) continue;
            const auto [at, added] = index.emplace(std::move(manhole), manholes_.size());
            if (added) {
                manholes_.push_back({at->first, row[ground], false, false, {}});
                leaves.push_back(false);
            } else if (Manhole& seen = manholes_[at->second]; !seen.groundsDiffer && seen.ground != row[ground]) {
                // "100" and "100,0" are one level.
                const auto first = levelOf(seen.ground), here = levelOf(row[ground]);
                seen.groundsDiffer = !first || !here || *first != *here;
            }
            if (name == kOd) leaves[at->second] = true;
        }
    }
    for (std::size_t n = 0; n < manholes_.size(); ++n) {
        Manhole& manhole = manholes_[n];
        manhole.outlet = !leaves[n];
        if (const auto level = settings_.receivingInverts.find(manhole.name);
            manhole.outlet && level != settings_.receivingInverts.end())
            manhole.receivingInvert = level->second;
    }
}

std::optional<int> NetworkWindow::findRow(const std::string& text, int after) const {
    const std::u32string wanted = folded(delimited::trimmed(text));
    if (wanted.empty() || rows_.empty()) return std::nullopt;
    for (int step = 1; step <= rowCount(); ++step) {
        const int row = ((after + step) % rowCount() + rowCount()) % rowCount();
        for (const std::size_t column : {std::size_t{0}, kOd, kDo})
            if (folded(rows_[static_cast<std::size_t>(row)][column]).find(wanted) != std::u32string::npos) return row;
    }
    return std::nullopt;
}

std::optional<int> NetworkWindow::findManhole(const std::string& text, int after) const {
    const std::u32string wanted = folded(delimited::trimmed(text));
    const int count = static_cast<int>(manholes_.size());
    if (wanted.empty() || count == 0) return std::nullopt;
    for (int step = 1; step <= count; ++step) {
        const int manhole = ((after + step) % count + count) % count;
        if (folded(manholes_[static_cast<std::size_t>(manhole)].name).find(wanted) != std::u32string::npos)
            return manhole;
    }
    return std::nullopt;
}

// Every row `change` changes, as one step.
NetworkWindow::Step NetworkWindow::changedRows(const std::function<void(Row&)>& change) {
    Step step;
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        Row row = rows_[r];
        change(row);
        if (row != rows_[r]) replaceRows(step, static_cast<int>(r), 1, {std::move(row)});
    }
    return step;
}

void NetworkWindow::editManholeGround(int manhole, const std::string& text) {
    if (manhole < 0 || manhole >= static_cast<int>(manholes_.size())) return;
    const std::string name = manholes_[static_cast<std::size_t>(manhole)].name;
    const std::string level = text::withoutControlCharacters(text);
    record(changedRows([&](Row& row) {
        for (const auto& [column, ground] : {std::pair{kOd, kTerenOd}, std::pair{kDo, kTerenDo}})
            if (delimited::trimmed(row[column]) == name) row[ground] = level;
    }));
}

void NetworkWindow::renameManhole(int manhole, const std::string& name) {
    if (manhole < 0 || manhole >= static_cast<int>(manholes_.size())) return;
    const std::string old = manholes_[static_cast<std::size_t>(manhole)].name;
    const std::string renamed = delimited::trimmed(text::withoutControlCharacters(name));
    if (renamed == old) return;
    if (renamed.empty()) {
        platform_.showError("Nazwa studni nie może być pusta");
        return;
    }
    if (std::any_of(manholes_.begin(), manholes_.end(), [&](const Manhole& m) { return m.name == renamed; })) {
        platform_.showError("Studnia \"" + renamed +
                            "\" jest już w sieci: studnie łączy się, wpisując nazwę w tabeli odcinków");
        return;
    }
    Step step = changedRows([&](Row& row) {
        for (const std::size_t column : {kOd, kDo})
            if (delimited::trimmed(row[column]) == old) row[column] = renamed;
    });
    // The outlet's receiving sewer goes with its new name.
    if (const auto level = settings_.receivingInverts.find(old); level != settings_.receivingInverts.end()) {
        Settings settings = settings_;
        settings.receivingInverts.erase(old);
        settings.receivingInverts[renamed] = level->second;
        step.settingsBefore = settings_;
        step.settingsAfter = std::move(settings);
    }
    record(std::move(step));
}

void NetworkWindow::editReceivingInvert(int manhole, const std::string& text) {
    if (manhole < 0 || manhole >= static_cast<int>(manholes_.size()) ||
        !manholes_[static_cast<std::size_t>(manhole)].outlet)
        return;
    const std::string& name = manholes_[static_cast<std::size_t>(manhole)].name;
    const std::string level = delimited::trimmed(text::withoutControlCharacters(text));
    Settings settings = settings_;
    if (level.empty())
        settings.receivingInverts.erase(name);
    else
        settings.receivingInverts[name] = level;
    if (settings.receivingInverts == settings_.receivingInverts) return;
    changeSettings(std::move(settings));
}

// ---- design ----

namespace {

// "Wiersz 3", "Wiersze 2 i 5" of the table (rows from 0).
std::string rowsText(const std::vector<int>& rows) {
    std::string text = rows.size() == 1 ? "Wiersz " : "Wiersze ";
    for (std::size_t n = 0; n < rows.size(); ++n)
        text += (n == 0 ? "" : n + 1 == rows.size() ? " i " : ", ") + std::to_string(rows[n] + 1);
    return text;
}

// A fault of the rows as the user is told of it: a field named by the
// heading the user sees, not by the file's key.
NetworkWindow::Problem problemOf(const NetworkError& fault) {
    NetworkWindow::Problem problem{{}, {}, fault.field()};
    for (const int line : fault.lines()) problem.rows.push_back(line - 1);
    problem.message =
        rowsText(problem.rows) +
        (fault.detail().empty()
             ? ": " + fault.problem()
             : std::string(", ") + kInputColumns[static_cast<std::size_t>(fault.field())].headingWithUnit() + ": " +
                   fault.detail());
    return problem;
}

}  // namespace

void NetworkWindow::redesign() {
    problems_.clear();
    problemRows_.clear();
    designs_.clear();
    sectionOfRow_.assign(rows_.size(), -1);
    // The rows as the records of a network file, empty rows left out; a
    // record's line is its row from 1.
    std::vector<delimited::Record> records;
    for (std::size_t r = 0; r < rows_.size(); ++r)
        if (!emptyRow(rows_[r]))
            records.push_back({static_cast<int>(r) + 1, std::vector<std::string>(rows_[r].begin(), rows_[r].end())});
    // Rows with faults are left out; the rest is designed.
    NetworkWithFaults read = readNetworkLeniently(records, kInputColumnCount, &lines_);
    network_ = std::move(read.network);
    rain_ = network_.rain();
    for (std::size_t n = 0; n < network_.sections.size(); ++n)
        sectionOfRow_[static_cast<std::size_t>(network_.sections[n].line - 1)] = static_cast<int>(n);
    if (parameterProblem_) problems_.push_back({*parameterProblem_, {}, -1});
    std::stable_sort(read.faults.begin(), read.faults.end(), [](const NetworkError& a, const NetworkError& b) {
        return a.lines().front() < b.lines().front();
    });
    for (const NetworkError& fault : read.faults) problems_.push_back(problemOf(fault));

    if (!parameterProblem_) {
        std::size_t done = 0;
        try {
            designs_ = designNetwork(network_, parameters_, cache_, [&](std::size_t) {
                if (++done % kProgressEvery != 0) return;
                if (auto stop = platform_.calculationProgress("Odcinek " + std::to_string(done) + " z " +
                                                              std::to_string(network_.sections.size())))
                    throw CalculationStopped(*stop);
            });
        } catch (const CalculationStopped& stopped) {
            designs_.clear();
            problems_.insert(problems_.begin(), Problem{stopped.what(), {}, -1});
        }
        platform_.calculationEnded();
    }
    for (std::size_t n = 0; n < problems_.size(); ++n)
        for (const int row : problems_[n].rows) problemRows_.emplace_back(row, n);
    std::sort(problemRows_.begin(), problemRows_.end());
    selectProfile();
}

void NetworkWindow::selectProfile() {
    selectedProfile_.reset();
    selectedPath_.clear();
    selectedPlacement_.reset();
    if (designs_.empty() || selectedRow_ < 0 || selectedRow_ >= rowCount()) return;
    const int section = sectionOfRow_[static_cast<std::size_t>(selectedRow_)];
    if (section < 0) return;
    for (const ProfilePath& path : profilePaths(network_, designs_)) {
        if (std::find(path.sections.begin(), path.sections.end(), static_cast<std::size_t>(section)) ==
            path.sections.end())
            continue;
        PlacedProfile placed = placedProfile(network_, designs_, path, {}, settings_.projectData);
        selectedProfile_ = std::move(placed.drawing);
        for (const SectionPlacement& placement : placed.sections) {
            selectedPath_.push_back(network_.sections[placement.section].line - 1);
            if (placement.section == static_cast<std::size_t>(section)) selectedPlacement_ = placement;
        }
    }
}

std::vector<Drawing> NetworkWindow::profiles() const {
    return networkProfiles(network_, designs_, {}, settings_.projectData);
}

// ---- files ----

namespace {

// The kinds of network file the save dialog offers: UTF-8, or code page 1250.
const std::vector<std::string> kNetworkFileKinds{"Sieć w UTF-8 (*.csv *.txt)",
                                                 "Sieć w stronie kodowej 1250 (*.csv *.txt)"};

// A failure as the user is told of it: a file that cannot be written with its cause.
std::string failureText(const std::runtime_error& problem) {
    if (const auto* file = dynamic_cast<const FileError*>(&problem)) return file->inPolish();
    return problem.what();
}

}  // namespace

std::string NetworkWindow::fileEncoding() const {
    return std::string("Kodowanie zbioru: ") + (fileForm_.codePage1250 ? "strona kodowa 1250" : "UTF-8") +
           (fileForm_.byteOrderMark ? " ze znacznikiem BOM" : "") + (fileForm_.crLf ? ", CR LF" : ", LF");
}

std::vector<std::string> NetworkWindow::fileLines(const FileForm& form) const {
    // A network without a catchment typed is written as its file was, and a
    // new one as files were before catchments, so that a file stays the same
    // bytes.
    const bool catchments = form.catchmentColumns || std::any_of(rows_.begin(), rows_.end(), [](const Row& row) {
                                return std::any_of(row.begin() + kRequiredInputColumnCount, row.end(),
                                                   [](const std::string& cell) { return !cell.empty(); });
                            });
    const int columns = catchments ? kInputCount : kRequiredInputColumnCount;
    std::vector<std::string> lines{catchments ? kNetworkHeadLine : kNetworkHeadLineWithoutCatchments};
    for (const Row& row : rows_)
        if (!emptyRow(row))
            lines.push_back(delimited::joined(std::vector<std::string>(row.begin(), row.begin() + columns)));
    return lines;
}

bool NetworkWindow::writeTo(const std::string& fileName, const FileForm& form) {
    if (form.codePage1250) {
        // A file in the code page holds only its characters: say which cell has another.
        for (std::size_t r = 0; r < rows_.size(); ++r) {
            for (std::size_t c = 0; c < rows_[r].size(); ++c) {
                for (const char32_t character : text::toUtf32(rows_[r][c])) {
                    if (cp1250::byteFor(character)) continue;
                    platform_.showError("Wiersz " + std::to_string(r + 1) + ", " + kInputColumns[c].headingWithUnit() +
                                        ": znak \"" + text::toUtf8(std::u32string(1, character)) +
                                        "\" nie występuje w stronie kodowej 1250 zbioru sieci i nie może być zapisany");
                    return false;
                }
            }
        }
    }
    const std::string projectName = projectFileName(fileName);
    if (text_file::pathFromUtf8(projectName) == text_file::pathFromUtf8(fileName)) {
        platform_.showError(
            "Zbiór sieci nie może mieć rozszerzenia .vexa: tak nazywa się projekt zapisywany obok sieci");
        return false;
    }
    const std::vector<std::string> lines = fileLines(form);
    try {
        std::string bytes = form.byteOrderMark ? "\xEF\xBB\xBF" : "";
        const char* lineEnd = form.crLf ? "\r\n" : "\n";
        for (const std::string& line : lines) bytes += (form.codePage1250 ? cp1250::encode(line) : line) + lineEnd;
        const std::string projectBytes = networkProjectBytes(project(form, projectName));
        // The network and its project together, or neither.
        text_file::FileReplacement network(fileName);
        text_file::FileReplacement parameters(projectName);
        if (const std::error_code error = text_file::writeBytes(network.temporary(), bytes)) network.fail(error);
        if (const std::error_code error = text_file::writeBytes(parameters.temporary(), projectBytes))
            parameters.fail(error);
        network.commit();
        parameters.commit();
    } catch (const EncodingError&) {
        platform_.showError("Parametry projektu zawierają znak spoza strony kodowej 1250 i nie mogą być zapisane w \"" +
                            projectName + "\"");
        return false;
    } catch (const std::runtime_error& problem) {  // FileError
        platform_.showError(failureText(problem));
        return false;
    }
    fileName_ = fileName;
    fileForm_ = form;
    fileForm_.catchmentColumns = lines.front() == kNetworkHeadLine;
    history_.markSaved();
    return true;
}

NetworkProject NetworkWindow::project(const FileForm& form, const std::string& projectFileName) const {
    NetworkProject project;
    project.codePage1250 = form.codePage1250;
    project.crLf = form.crLf;
    for (std::size_t n = 0; n < kNetworkParameterRules.size(); ++n)
        project.entries.push_back(
            {std::string(kNetworkParameterRules[n].option).substr(2), settings_.parameterTexts[n]});
    project.entries.push_back({kJunctionKey, settings_.joinWaterSurfaces ? kJoinedOnWaterSurfaces : kJoinedOnCrowns});
    if (settings_.rainTableName)
        project.entries.push_back({kRainTableKey, pathInProject(*settings_.rainTableName, projectFileName)});
    // The outlets' levels as the manholes' tab shows them, in the order of their names.
    std::map<std::string, std::string> levels;
    for (const Manhole& manhole : manholes_)
        if (manhole.outlet && !manhole.receivingInvert.empty()) levels[manhole.name] = manhole.receivingInvert;
    for (const auto& [outlet, level] : levels) project.entries.push_back({kReceivingInvertKey, outlet + "=" + level});
    // A text left as it is by default is not written: a project without one stays without it.
    for (const ProjectDataField& field : kProjectDataFields)
        if (const std::string& value = settings_.projectData.*field.member; value != field.defaultValue)
            project.entries.push_back({field.key, value});
    for (ProjectEntry& entry : networkFormEntries(form)) project.entries.push_back(std::move(entry));
    return project;
}

NetworkWindow::Settings NetworkWindow::projectSettings(const std::string& networkFileName, FileForm* openForm) {
    Settings settings = defaultSettings();
    const std::string projectName = projectFileName(networkFileName);
    if (!std::filesystem::exists(text_file::pathFromUtf8(projectName))) return settings;
    NetworkProject project;
    std::vector<std::string> problems;
    try {
        std::vector<ProjectError> faults;
        project = readNetworkProject(text_file::readBytes(projectName), &faults);
        for (const ProjectError& fault : faults) problems.push_back(fault.what());
    } catch (const std::runtime_error& problem) {  // a file that cannot be read
        platform_.showError(std::string(problem.what()) + ". Parametry mają wartości domyślne.");
        return settings;
    }
    // The values as typed: one that cannot be read stops the design, as typed in the window.
    for (const ProjectEntry& entry : project.entries) {
        for (std::size_t n = 0; n < kNetworkParameterRules.size(); ++n)
            if (entry.key == std::string(kNetworkParameterRules[n].option).substr(2))
                settings.parameterTexts[n] = entry.value;
        for (const ProjectDataField& field : kProjectDataFields)
            if (entry.key == field.key) settings.projectData.*field.member = entry.value;
        NetworkParameters read;
        if (entry.key == kJunctionKey) {
            if (const auto problem = readJunction(entry.value, read))
                problems.push_back("Wiersz " + std::to_string(entry.line) + ": " + entry.key + " " + *problem);
            settings.joinWaterSurfaces = read.joinWaterSurfaces;
        } else if (entry.key == kReceivingInvertKey) {
            if (const auto outlet = outletAndLevel(entry.value))
                settings.receivingInverts[outlet->first] = outlet->second;
            else
                problems.push_back("Wiersz " + std::to_string(entry.line) + ": " + entry.key + " \"" + entry.value +
                                   "\" " + kNotOutletAndLevel);
        } else if (entry.key == kRainTableKey) {
            const std::string table = pathFromProject(entry.value, projectName);
            try {
                settings.rainTable = std::make_shared<const RainTable>(readRainTable(text_file::readBytes(table)));
                settings.rainTableName = table;
            } catch (const std::runtime_error& problem) {  // RainTableError, a file that cannot be read
                problems.push_back("tabela deszczu \"" + table + "\": " + problem.what() +
                                   "; natężenia deszczu daje wzór Błaszczyka");
            }
        }
    }
    try {
        if (const auto kept = projectNetworkForm(project); kept && openForm) {
            openForm->codePage1250 = kept->codePage1250;
            openForm->byteOrderMark = kept->byteOrderMark;
        }
    } catch (const ProjectError& problem) {
        problems.push_back(problem.what());
    }
    if (!problems.empty()) {
        std::string text = "Zbiór \"" + projectName + "\":";
        for (const std::string& problem : problems) text += "\n" + problem;
        platform_.showError(text);
    }
    return settings;
}

bool NetworkWindow::save() { return fileName_ ? writeTo(*fileName_, fileForm_) : saveAs(); }

bool NetworkWindow::saveAs() {
    const int own = fileForm_.codePage1250 ? 1 : 0;
    const auto choice = platform_.askSaveFileOfKind({"Zapis sieci", kNetworkFiles, "csv"}, kNetworkFileKinds, own);
    if (!choice) return false;
    // The file's own encoding keeps its form; the other is written as
    // programs write it: the code page with CR LF, UTF-8 with LF.
    FileForm form = fileForm_;
    if (choice->kind != own)
        form = choice->kind == 1 ? FileForm{{true, true, false}, form.catchmentColumns}
                                 : FileForm{{false, false, false}, form.catchmentColumns};
    return writeTo(choice->fileName, form);
}

// Whether what the user changed may go: saved, or not wanted.
bool NetworkWindow::askToKeepChanges() {
    if (!modified()) return true;
    switch (platform_.ask("Zapisać zmiany w sieci?")) {
        case Answer::Yes:
            return save();
        case Answer::No:
            return true;
        case Answer::Cancel:
            break;
    }
    return false;
}

bool NetworkWindow::mayClose() { return askToKeepChanges(); }

void NetworkWindow::newNetwork() {
    if (!askToKeepChanges()) return;
    rows_.clear();
    history_.restart();
    fileName_.reset();
    fileForm_ = {};
    settings_ = defaultSettings();
    selectedRow_ = -1;
    designAgain();
}

void NetworkWindow::open(std::optional<std::string> fileName) {
    if (!askToKeepChanges()) return;
    if (!fileName) fileName = platform_.askOpenFileName({"Otwarcie sieci", kNetworkFiles, "csv"});
    if (!fileName) return;
    NetworkText read;
    bool ascii = false;
    try {
        const std::string bytes = text_file::readBytes(*fileName);
        ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
        read = readNetworkText(bytes);
    } catch (const NetworkError& problem) {
        platform_.showError("Zbiór \"" + *fileName + "\" nie jest siecią: " + problem.what());
        return;
    } catch (const std::runtime_error& problem) {
        platform_.showError(problem.what());
        return;
    }
    std::vector<Row> rows;
    for (const delimited::Record& record : read.records) {
        if (record.fields.size() > static_cast<std::size_t>(read.columns)) {
            platform_.showError("Zbiór \"" + *fileName + "\" nie jest siecią: Wiersz " + std::to_string(record.line) +
                                ": wiersz ma " + std::to_string(record.fields.size()) + " pól, a najwyżej " +
                                std::to_string(read.columns));
            return;
        }
        Row& row = rows.emplace_back();
        std::copy(record.fields.begin(), record.fields.end(), row.begin());
    }
    FileForm form{{read.codePage1250, read.crLf, read.byteOrderMark}, read.columns == kInputCount};
    settings_ = projectSettings(*fileName, ascii ? &form : nullptr);
    rows_ = std::move(rows);
    history_.restart();
    fileName_ = fileName;
    fileForm_ = form;
    selectedRow_ = -1;
    designAgain();
}

// ---- results and profiles ----

bool NetworkWindow::designedOrSaid() {
    if (complete()) return true;
    if (problems_.empty()) {
        platform_.showError("Sieć nie ma odcinków");
    } else if (!designed()) {
        platform_.showError("Sieć nie jest zaprojektowana: " + problems_.front().message);
    } else {
        const std::string count =
            problems_.size() == 1 ? "" : ". Pierwszy z " + std::to_string(problems_.size()) + " błędów";
        platform_.showError("Sieć nie jest zaprojektowana w całości" + count + ": " + problems_.front().message);
    }
    return false;
}

namespace {

// What the save dialog asks for each export.
SaveFileRequest requestFor(NetworkExport kind) {
    switch (kind) {
        case NetworkExport::ResultsTable:
            return {"Zapis tabeli wyników", "Tabele (*.csv)", "csv"};
        case NetworkExport::Workbook:
            return {"Zapis skoroszytu wyników", "Skoroszyty Excel (*.xlsx)", "xlsx"};
        case NetworkExport::ProfilesPdf:
            return {"Profile do zbioru PDF", "Zbiory PDF (*.pdf)", "pdf"};
        case NetworkExport::SwmmModel:
            return {"Model SWMM", "Modele SWMM (*.inp)", "inp"};
        case NetworkExport::ProfilesDxf:
            break;
    }
    return {"Profile do rysunku DXF", "Rysunki DXF (*.dxf)", "dxf"};
}

}  // namespace

bool NetworkWindow::canExport(NetworkExport kind) const {
    const auto format = backEndFormat(kind);
    return !format || outputs_.has(*format);
}

void NetworkWindow::exportTo(NetworkExport kind) {
    if (!designedOrSaid()) return;
    const auto fileName = platform_.askSaveFileName(requestFor(kind));
    if (!fileName) return;
    try {
        NetworkExports(network_, designs_, outputs_, {}, settings_.projectData).write({{kind, *fileName}});
    } catch (const std::runtime_error& problem) {  // FileError, EncodingError, PrintError
        platform_.showError(failureText(problem));
    }
}

void NetworkWindow::printProfiles() {
    if (!designedOrSaid()) return;
    Printer* printer = platform_.choosePrinter();
    if (!printer) return;
    try {
        printDrawings(profiles(), *printer);
    } catch (const std::runtime_error& problem) {  // PrintError, FileError
        platform_.showError(failureText(problem));
    }
}

}  // namespace vexa
