#include "qt/network_window_view.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QVBoxLayout>

#include "network/network_parameters.h"
#include "qt/drawing_view.h"
#include "qt/manhole_table_model.h"
#include "qt/network_table_model.h"
#include "qt/network_table_view.h"
#include "toolkit/text_file.h"

namespace vexa {
namespace {

constexpr int kInputs = NetworkWindow::kInputCount;
constexpr QSize kPreferredSize{1280, 860};
constexpr QSize kFrameAllowance{16, 48};

// "Dane projektu": the title blocks' texts as a form; what OK gives, or
// nothing for Cancel.
std::optional<ProjectData> askProjectData(QWidget* parent, const ProjectData& data) {
    QDialog dialog(parent);
    dialog.setWindowTitle("Dane projektu");
    auto* form = new QFormLayout(&dialog);
    std::vector<QLineEdit*> edits;
    for (const ProjectDataField& field : kProjectDataFields) {
        auto* edit = new QLineEdit(QString::fromStdString(data.*field.member), &dialog);
        edit->setObjectName(field.key);
        edit->setMinimumWidth(360);
        form->addRow(QString::fromUtf8(field.label) + ":", edit);
        edits.push_back(edit);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Cancel)->setText("Anuluj");
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    ProjectData given = data;
    for (std::size_t n = 0; n < kProjectDataFields.size(); ++n)
        given.*kProjectDataFields[n].member = edits[n]->text().toStdString();
    return given;
}

// Where the window's size is kept between runs.
QSettings settings() { return QSettings("vexa", "vexa"); }
constexpr const char* kSizeKey = "okno-sieci/rozmiar";
constexpr const char* kColumnGroupKey = "okno-sieci/kolumny-";

// The result columns the view hides or shows together.
struct ColumnGroup {
    const char* caption;
    ResultColumn first;
    ResultColumn last;
};
constexpr ColumnGroup kColumnGroups[]{{"W&yniki", ResultColumn::Q, ResultColumn::Bwp},
                                      {"&Rzędne", ResultColumn::DnoOd, ResultColumn::Kaskada},
                                      {"D&eszcz", ResultColumn::Fzr, ResultColumn::Qdeszcz}};
// Beyond so many problems the list says how many more there are: a table
// pasted wrong would otherwise fill it with thousands.
constexpr std::size_t kMostProblemsListed = 500;
constexpr int kProblemsInView = 6;
constexpr int kRowRole = Qt::UserRole, kColumnRole = Qt::UserRole + 1;

// The first item of a list: 1 for the type list, 0 for the groups.
int firstItem(int column) { return column == position(InputColumn::Typ) ? 1 : 0; }

// A cell of an item column edited as a drop-down of its items; what the
// cell keeps is the item's number, as in the network file.
class ItemDelegate : public QStyledItemDelegate {
public:
    ItemDelegate(NetworkWindow& window, QObject* parent) : QStyledItemDelegate(parent), window_(window) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        const std::vector<std::string>& items = window_.choices(index.column());
        if (items.empty()) return QStyledItemDelegate::createEditor(parent, option, index);
        auto* list = new QComboBox(parent);
        list->setObjectName("itemList");
        // Numbered as the cell shows them, so that the number typed chooses its item.
        int number = firstItem(index.column());
        for (const std::string& item : items)
            list->addItem(QString::number(number++) + ": " + QString::fromStdString(item));
        return list;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        auto* list = qobject_cast<QComboBox*>(editor);
        if (!list) return QStyledItemDelegate::setEditorData(editor, index);
        bool number = false;
        const int item = index.data(Qt::EditRole).toString().toInt(&number) - firstItem(index.column());
        list->setCurrentIndex(number ? item : -1);
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override {
        auto* list = qobject_cast<QComboBox*>(editor);
        if (!list) return QStyledItemDelegate::setModelData(editor, model, index);
        if (list->currentIndex() >= 0)
            model->setData(index, QString::number(list->currentIndex() + firstItem(index.column())), Qt::EditRole);
    }

private:
    NetworkWindow& window_;
};

// A parameter's field undoes its own typing while it has any, and leaves
// Ctrl+Z and Ctrl+Y to the window's undo of edits after that.
class FieldUndo : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride) return false;
        auto* field = qobject_cast<QLineEdit*>(watched);
        auto* key = static_cast<QKeyEvent*>(event);
        const bool undo = key->matches(QKeySequence::Undo),
                   redo = key->matches(QKeySequence::Redo) ||
                          (key->key() == Qt::Key_Y && key->modifiers() == Qt::ControlModifier);
        if (field && ((undo && !field->isUndoAvailable()) || (redo && !field->isRedoAvailable()))) {
            event->ignore();
            return true;
        }
        return false;
    }
};

}  // namespace

// ---- the window ----

NetworkWindowView::NetworkWindowView(NetworkWindow& window, QWidget* parent) : QMainWindow(parent), window_(window) {
    setObjectName("networkWindow");
    table_ = new NetworkTableModel(window_, this);
    tableView_ = new NetworkTableView;
    tableView_->setObjectName("networkTable");
    tableView_->setModel(table_);
    tableView_->setItemDelegate(new ItemDelegate(window_, tableView_));
    tableView_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    tableView_->horizontalHeader()->setDefaultSectionSize(92);
    tableView_->horizontalHeader()->resizeSection(position(InputColumn::Typ), 230);
    tableView_->horizontalHeader()->resizeSection(position(InputColumn::Scieki), 200);
    tableView_->horizontalHeader()->resizeSection(position(InputColumn::KryteriumDoboru), 200);
    tableView_->horizontalHeader()->resizeSection(NetworkWindow::tableColumn(ResultColumn::Bd), 110);
    tableView_->horizontalHeader()->resizeSection(NetworkWindow::tableColumn(ResultColumn::Uwagi), 420);
    tableView_->verticalHeader()->setDefaultSectionSize(22);
    tableView_->setWordWrap(false);
    tableView_->setSelectionBehavior(QAbstractItemView::SelectItems);
    tableView_->frozenColumn()->setWordWrap(false);
    connect(table_, &NetworkTableModel::edited, this, &NetworkWindowView::refreshAroundTable);
    connect(tableView_, &NetworkTableView::clearRequested, this,
            [this] { act([this] { window_.clearCells(selectedCells()); }); });
    connect(tableView_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                window_.selectRow(current.row());
                showProfile();
            });

    auto* parameters = new QWidget;
    auto* form = new QFormLayout(parameters);
    auto* fieldUndo = new FieldUndo(this);
    for (std::size_t n = 0; n < kNetworkParameterRules.size(); ++n) {
        auto* field = new QLineEdit;
        field->setObjectName(QString(kNetworkParameterRules[n].option).mid(2));  // "przykrycie", ...
        field->setMaximumWidth(90);
        field->installEventFilter(fieldUndo);
        connect(field, &QLineEdit::editingFinished, this, [this, field, n] {
            field->setModified(false);
            if (field->text().toStdString() != window_.parameterText(static_cast<int>(n)))
                act([&] { window_.editParameter(static_cast<int>(n), field->text().toStdString()); });
        });
        form->addRow(kNetworkParameterRules[n].label, field);
        parameters_.push_back(field);
    }
    junction_ = new QComboBox;
    junction_->setObjectName("polaczenie");
    junction_->addItems({"wierzchy rur", "zwierciadła ścieków"});
    connect(junction_, &QComboBox::activated, this,
            [this](int item) { act([this, item] { window_.joinWaterSurfaces(item == 1); }); });
    form->addRow("Połączenie w studniach", junction_);
    // The rain's intensities: Błaszczyk's formula, or the table of a file.
    rainTable_ = new QLabel;
    rainTable_->setObjectName("rainTable");
    rainTable_->setWordWrap(true);
    auto* chooseTable = new QPushButton("Wybierz...");
    chooseTable->setObjectName("chooseRainTable");
    connect(chooseTable, &QPushButton::clicked, this, [this] { act([this] { window_.chooseRainTable(); }); });
    useFormula_ = new QPushButton("Wzór");
    useFormula_->setObjectName("useRainFormula");
    connect(useFormula_, &QPushButton::clicked, this, [this] { act([this] { window_.useRainFormula(); }); });
    auto* tableButtons = new QHBoxLayout;
    tableButtons->addWidget(chooseTable);
    tableButtons->addWidget(useFormula_);
    form->addRow("Natężenie deszczu", rainTable_);
    form->addRow("", tableButtons);
    // Every problem at once, in the order of the rows; one chosen takes the
    // table to its cell.
    problemsBox_ = new QGroupBox("Błędy sieci");
    problemList_ = new QListWidget;
    problemList_->setObjectName("faults");
    problemList_->setWordWrap(true);
    problemList_->setStyleSheet("color: #b00000;");
    (new QVBoxLayout(problemsBox_))->addWidget(problemList_);
    connect(problemList_, &QListWidget::itemClicked, this, &NetworkWindowView::goToProblem);
    connect(problemList_, &QListWidget::itemActivated, this, &NetworkWindowView::goToProblem);

    profile_ = new DrawingView;
    auto* side = new QWidget;
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->addWidget(parameters);
    sideLayout->addStretch();

    // The parameters scroll where the window is lower than their column.
    auto* sideScroll = new QScrollArea;
    sideScroll->setWidget(side);
    sideScroll->setWidgetResizable(true);
    sideScroll->setFrameShape(QFrame::NoFrame);
    sideScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sideScroll->setMinimumWidth(side->sizeHint().width() + 20);
    // The sections, and the manholes they name, each once.
    manholes_ = new ManholeTableModel(window_, this);
    manholeView_ = new QTableView;
    manholeView_->setObjectName("manholeTable");
    manholeView_->setModel(manholes_);
    manholeView_->verticalHeader()->setDefaultSectionSize(22);
    manholeView_->horizontalHeader()->setDefaultSectionSize(140);
    manholeView_->setWordWrap(false);
    connect(manholes_, &ManholeTableModel::edited, this, &NetworkWindowView::refresh);
    tabs_ = new QTabWidget;
    tabs_->setObjectName("tabs");
    tabs_->addTab(tableView_, "&Odcinki");
    tabs_->addTab(manholeView_, "&Studnie");
    // Ctrl+F's bar above them.
    findBar_ = new QWidget;
    auto* findLayout = new QHBoxLayout(findBar_);
    findLayout->setContentsMargins(0, 0, 0, 0);
    find_ = new QLineEdit;
    find_->setObjectName("find");
    find_->setPlaceholderText("nazwa odcinka lub studni");
    find_->setClearButtonEnabled(true);
    connect(find_, &QLineEdit::returnPressed, this, &NetworkWindowView::findNext);
    auto* closeFind =
        new QShortcut(QKeySequence(Qt::Key_Escape), findBar_, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(closeFind, &QShortcut::activated, this, [this] {
        findBar_->hide();
        tabs_->currentWidget()->setFocus();
    });
    findLayout->addWidget(new QLabel("Znajdź:"));
    findLayout->addWidget(find_, 1);
    findBar_->hide();
    auto* tablePane = new QWidget;
    auto* tableLayout = new QVBoxLayout(tablePane);
    tableLayout->setContentsMargins(0, 0, 0, 0);
    tableLayout->addWidget(findBar_);
    tableLayout->addWidget(tabs_);
    auto* top = new QSplitter(Qt::Horizontal);
    // The problems beside the table, in view however far the parameters scroll.
    auto* sideColumn = new QWidget;
    auto* sideColumnLayout = new QVBoxLayout(sideColumn);
    sideColumnLayout->setContentsMargins(0, 0, 0, 0);
    sideColumnLayout->addWidget(sideScroll, 1);
    sideColumnLayout->addWidget(problemsBox_, 0);
    top->addWidget(tablePane);
    top->addWidget(sideColumn);
    top->setStretchFactor(0, 1);
    auto* whole = new QSplitter(Qt::Vertical);
    whole->addWidget(top);
    whole->addWidget(profile_);
    whole->setStretchFactor(0, 3);
    whole->setStretchFactor(1, 2);
    setCentralWidget(whole);
    encoding_ = new QLabel;
    encoding_->setObjectName("encoding");
    statusBar()->addPermanentWidget(encoding_);
    buildMenus();
    restoreSize();
    refresh();
}

void NetworkWindowView::restoreSize() {
    QSize size = settings().value(kSizeKey, kPreferredSize).toSize();
    if (!size.isValid()) size = kPreferredSize;
    resize(size);
    fitScreen();
}

// No larger than the screen's room for windows (laptops have 1366 x 768),
// the window's frame included: before the window is shown its frame is not
// known, and a title bar's room is left for it.
void NetworkWindowView::fitScreen() {
    if (!screen()) return;
    const QRect room = screen()->availableGeometry();
    QSize frame = frameGeometry().size() - geometry().size();
    if (!isVisible()) frame = frame.expandedTo(kFrameAllowance);
    const QSize most = room.size() - frame;
    if (width() <= most.width() && height() <= most.height()) return;
    resize(size().boundedTo(most));
    move(room.topLeft());
}

void NetworkWindowView::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    fitScreen();
}

NetworkWindowView::~NetworkWindowView() {
    // The table's selection goes with its view, after the profile's view;
    // a parameter's field that loses the keyboard as it goes says nothing.
    tableView_->selectionModel()->disconnect(this);
    for (QLineEdit* field : parameters_) field->disconnect(this);
}

void NetworkWindowView::buildMenus() {
    QMenu* file = menuBar()->addMenu("&Plik");
    file->addAction("&Nowa", QKeySequence::New, this, [this] { act([this] { window_.newNetwork(); }); });
    file->addAction("&Otwórz...", QKeySequence::Open, this, [this] { act([this] { window_.open(); }); });
    file->addAction("&Zapisz", QKeySequence::Save, this, [this] { act([this] { window_.save(); }); });
    file->addAction("Zapisz &jako...", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), this,
                    [this] { act([this] { window_.saveAs(); }); });
    file->addSeparator();
    file->addAction("Dane p&rojektu...", this,
                    [this] {
                        if (const auto given = askProjectData(this, window_.projectData()))
                            act([this, &given] { window_.editProjectData(*given); });
                    })
        ->setObjectName("projectData");
    file->addSeparator();
    // An export can be chosen once the network is designed, and where this
    // program writes such files.
    const auto exportAction = [&](const char* caption, NetworkExport kind) {
        QAction* action =
            file->addAction(caption, this, [this, kind] { act([this, kind] { window_.exportTo(kind); }); });
        needDesign_.push_back({action, kind});
    };
    exportAction("Tabela wyników do zbioru &CSV...", NetworkExport::ResultsTable);
    exportAction("Tabela wyników do &skoroszytu Excel...", NetworkExport::Workbook);
    file->addSeparator();
    needDesign_.push_back({file->addAction("&Drukuj profile...", QKeySequence::Print, this,
                                           [this] { act([this] { window_.printProfiles(); }); }),
                           std::nullopt});
    exportAction("Profile do zbioru &PDF...", NetworkExport::ProfilesPdf);
    exportAction("Profile do rysunku D&XF...", NetworkExport::ProfilesDxf);
    exportAction("Mode&l SWMM...", NetworkExport::SwmmModel);
    file->addSeparator();
    file->addAction("Za&mknij", QKeySequence::Quit, this, [this] { close(); });

    QMenu* edit = menuBar()->addMenu("&Edycja");
    undo_ = edit->addAction("&Cofnij", QKeySequence::Undo, this, [this] { act([this] { window_.undo(); }); });
    redo_ = edit->addAction("&Ponów", this, [this] { act([this] { window_.redo(); }); });
    redo_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    edit->addSeparator();
    edit->addAction("Wy&tnij", QKeySequence::Cut, this, [this] { copySelection(true); })->setObjectName("cut");
    edit->addAction("&Kopiuj", QKeySequence::Copy, this, [this] { copySelection(false); })->setObjectName("copy");
    edit->addAction("&Wklej", QKeySequence::Paste, this, [this] { pasteClipboard(); });
    edit->addSeparator();
    edit->addAction("&Dodaj wiersz", this, [this] {
        const int at = tableView_->currentIndex().isValid() ? tableView_->currentIndex().row() : window_.rowCount();
        act([&] { window_.insertRows(std::min(at, window_.rowCount()), 1); });
    });
    QAction* deleteRows = edit->addAction("&Usuń wiersze", this, [this] {
        // The rows of the selected cells, and only those.
        std::vector<int> rows;
        for (const QModelIndex& index : tableView_->selectionModel()->selectedIndexes()) rows.push_back(index.row());
        if (rows.empty() && tableView_->currentIndex().isValid()) rows.push_back(tableView_->currentIndex().row());
        act([&] { window_.deleteRows(rows); });
    });
    deleteRows->setObjectName("deleteRows");
    QAction* fillDown = edit->addAction("Wypełnij w &dół", QKeySequence(Qt::CTRL | Qt::Key_D), this, [this] {
        if (tabs_->currentWidget() == tableView_) act([this] { window_.fillDown(selectedCells()); });
    });
    fillDown->setObjectName("fillDown");
    edit->addSeparator();
    edit->addAction("&Znajdź...", QKeySequence::Find, this, [this] {
        findBar_->show();
        find_->setFocus();
        find_->selectAll();
    });
    QMenu* view = menuBar()->addMenu("&Widok");
    // The result columns by their groups, hidden or shown as last chosen.
    view->addSection("Kolumny wyników");
    for (const auto& [caption, first, last] : kColumnGroups) {
        QAction* group = view->addAction(caption);
        group->setCheckable(true);
        const QString name = QString(caption).remove('&');
        group->setObjectName("kolumny-" + name);
        const QString key = kColumnGroupKey + name;
        group->setChecked(settings().value(key, true).toBool());
        const auto show = [this, first = first, last = last](bool shown) {
            for (int column = NetworkWindow::tableColumn(first); column <= NetworkWindow::tableColumn(last); ++column)
                tableView_->setColumnHidden(column, !shown);
        };
        show(group->isChecked());
        connect(group, &QAction::toggled, this, [show, key](bool shown) {
            show(shown);
            settings().setValue(key, shown);
        });
    }
    view->addSeparator();
    view->addAction("Cały &profil", this, [this] { profile_->fit(); });
    // Ctrl as in spreadsheets, which turn their sheets so: Page Down and Page
    // Up alone stay the table's and its lists', and turn the profile's sheets
    // where the profile has the keyboard.
    nextSheet_ = view->addAction("&Następny arkusz", QKeySequence(Qt::CTRL | Qt::Key_PageDown), profile_,
                                 &DrawingView::nextSheet);
    nextSheet_->setObjectName("nextSheet");
    previousSheet_ = view->addAction("P&oprzedni arkusz", QKeySequence(Qt::CTRL | Qt::Key_PageUp), profile_,
                                     &DrawingView::previousSheet);
    previousSheet_->setObjectName("previousSheet");
    connect(profile_, &DrawingView::sheetChanged, this, &NetworkWindowView::enableSheetActions);
    enableSheetActions();
}

void NetworkWindowView::enableSheetActions() {
    nextSheet_->setEnabled(profile_->sheet() + 1 < profile_->sheetCount());
    previousSheet_->setEnabled(profile_->sheet() > 0);
}

std::vector<NetworkWindow::Cell> NetworkWindowView::selectedCells() const {
    std::vector<NetworkWindow::Cell> cells;
    for (const QModelIndex& index : tableView_->selectionModel()->selectedIndexes())
        cells.push_back({index.row(), index.column()});
    if (cells.empty() && tableView_->currentIndex().isValid())
        cells.push_back({tableView_->currentIndex().row(), tableView_->currentIndex().column()});
    return cells;
}

void NetworkWindowView::copySelection(bool cut) {
    const std::vector<NetworkWindow::Cell> cells = selectedCells();
    if (cells.empty()) return;
    QString text;
    act([&] { text = QString::fromStdString(cut ? window_.cut(cells) : window_.copy(cells)); });
    QApplication::clipboard()->setText(text);
}

void NetworkWindowView::pasteClipboard() {
    const QModelIndex at = tableView_->currentIndex();
    const std::string text = QApplication::clipboard()->text().toStdString();
    // Into the current cell; from a result column, into the row's first column.
    const int column = at.isValid() && at.column() < kInputs ? at.column() : 0;
    act([&] { window_.paste(at.isValid() ? at.row() : window_.rowCount(), column, text); });
}

void NetworkWindowView::findNext() {
    const std::string text = find_->text().toStdString();
    std::optional<int> found;
    if (tabs_->currentWidget() == manholeView_) {
        found =
            window_.findManhole(text, manholeView_->currentIndex().isValid() ? manholeView_->currentIndex().row() : -1);
        if (found) manholeView_->setCurrentIndex(manholes_->index(*found, ManholeTableModel::Name));
    } else {
        found = window_.findRow(text, tableView_->currentIndex().isValid() ? tableView_->currentIndex().row() : -1);
        if (found) tableView_->setCurrentIndex(table_->index(*found, 0));
    }
    find_->setFocus();  // Enter again finds the next one
    if (!found)
        statusBar()->showMessage("Nie znaleziono \"" + find_->text() + "\"", 5000);
    else
        statusBar()->clearMessage();
}

void NetworkWindowView::act(const std::function<void()>& action) {
    action();
    refresh();
}

void NetworkWindowView::refresh() {
    table_->reload();
    manholes_->reload();
    refreshAroundTable();
}

void NetworkWindowView::refreshAroundTable() {
    // A field shows the window's value but while it is being typed into.
    for (std::size_t n = 0; n < parameters_.size(); ++n)
        if (!parameters_[n]->hasFocus() || !parameters_[n]->isModified())
            parameters_[n]->setText(QString::fromStdString(window_.parameterText(static_cast<int>(n))));
    junction_->setCurrentIndex(window_.waterSurfacesJoined() ? 1 : 0);
    const auto& table = window_.rainTableName();
    rainTable_->setText(table ? "tabela " + QString::fromStdString(text_file::pathFromUtf8(*table).filename().string())
                              : QString("wzór Błaszczyka"));
    rainTable_->setToolTip(table ? QString::fromStdString(*table) : QString());
    useFormula_->setEnabled(table.has_value());
    showProblems();
    showProfile();
    undo_->setEnabled(window_.canUndo());
    redo_->setEnabled(window_.canRedo());
    encoding_->setText(QString::fromStdString(window_.fileEncoding()));
    for (const auto& [action, kind] : needDesign_)
        action->setEnabled(window_.complete() && (!kind || window_.canExport(*kind)));
    setWindowTitle(QString::fromStdString(window_.caption()));
}

void NetworkWindowView::showProfile() {
    QString absent = "Zaznacz odcinek sieci, aby zobaczyć profil jego kolektora lub odgałęzienia";
    const auto& problems = window_.problems();
    const std::vector<std::size_t> selected = window_.rowProblems(window_.selectedRow());
    if (!window_.designed() && !problems.empty())
        absent = "Sieć nie jest zaprojektowana: " + QString::fromStdString(problems.front().message);
    else if (!selected.empty())
        absent = "Odcinek nie jest zaprojektowany: " + QString::fromStdString(problems[selected.front()].message);
    // Along the same path the engineer's zoom and place are kept; the view
    // follows the selection to its section's sheet.
    const bool samePath = !window_.selectedPath().empty() && window_.selectedPath() == shownPath_;
    const bool moved = window_.selectedRow() != shownRow_;
    shownPath_ = window_.selectedPath();
    shownRow_ = window_.selectedRow();
    profile_->setDrawing(window_.selectedProfile(), absent, samePath);
    const std::optional<SectionPlacement>& placement = window_.selectedPlacement();
    profile_->setMark(placement ? std::optional(SheetArea{placement->sheet, placement->fromX, placement->toX,
                                                          placement->bottom, placement->top})
                                : std::nullopt);
    if (!samePath || moved) profile_->showMark();
}

void NetworkWindowView::showProblems() {
    const auto& problems = window_.problems();
    problemsBox_->setVisible(!problems.empty());
    if (problems == listed_) return;  // the list the user may be walking stays as it is
    listed_ = problems;
    problemList_->clear();
    for (std::size_t n = 0; n < problems.size() && n < kMostProblemsListed; ++n) {
        auto* item = new QListWidgetItem(QString::fromStdString(problems[n].message), problemList_);
        item->setToolTip(item->text());
        item->setData(kRowRole, problems[n].rows.empty() ? -1 : problems[n].rows.front());
        item->setData(kColumnRole, problems[n].column);
    }
    if (problems.size() > kMostProblemsListed) {
        auto* more = new QListWidgetItem("Dalszych błędów: " + QString::number(problems.size() - kMostProblemsListed),
                                         problemList_);
        more->setData(kRowRole, -1);
    }
    // As high as its first few entries: the parameters keep the rest of the column.
    int height = 2 * problemList_->frameWidth();
    for (int n = 0; n < problemList_->count() && n < kProblemsInView; ++n) height += problemList_->sizeHintForRow(n);
    problemList_->setFixedHeight(height);
}

void NetworkWindowView::goToProblem(const QListWidgetItem* item) {
    const int row = item->data(kRowRole).toInt();
    if (row < 0) return;  // a parameter's, or the design's as a whole
    tabs_->setCurrentWidget(tableView_);
    const QModelIndex cell = table_->index(row, std::max(item->data(kColumnRole).toInt(), 0));
    tableView_->setCurrentIndex(cell);
    static_cast<QAbstractItemView*>(tableView_)->scrollTo(cell);
    // The keyboard to the view that shows the cell, to mend it at once.
    (cell.column() == 0 ? tableView_->frozenColumn() : tableView_)->setFocus();
}

void NetworkWindowView::closeEvent(QCloseEvent* event) {
    // What is being typed (a parameter, a cell) is an edit before the
    // question whether to keep the changes.
    QWidget* typing = focusWidget();
    if (typing) typing->clearFocus();
    if (!window_.mayClose()) {
        event->ignore();
        refresh();
        if (typing) typing->setFocus();
        return;
    }
    if (!isMaximized() && !isFullScreen()) settings().setValue(kSizeKey, size());
    event->accept();
}

}  // namespace vexa
