#include "qt/network_window_view.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QSplitter>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include "network/network_parameters.h"
#include "qt/drawing_view.h"

namespace vexa {
namespace {

constexpr int kInputs = NetworkWindow::kInputColumns;

// The first item of a list: 1 for the type list, 0 for the groups.
int firstItem(int column) { return column == NetworkWindow::kType ? 1 : 0; }

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
        for (const std::string& item : items) list->addItem(QString::fromStdString(item));
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

}  // namespace

// ---- the table ----

NetworkTableModel::NetworkTableModel(NetworkWindow& window, QObject* parent)
    : QAbstractTableModel(parent), window_(window) {}

int NetworkTableModel::rowCount(const QModelIndex& parent) const {
    // One empty row more at the end, to type a new section into.
    return parent.isValid() ? 0 : window_.rowCount() + 1;
}

int NetworkTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kInputs + NetworkWindow::kResultColumns;
}

QVariant NetworkTableModel::data(const QModelIndex& index, int role) const {
    const int row = index.row(), column = index.column();
    const bool existing = row < window_.rowCount();
    const auto& problem = window_.problem();
    const bool faulty = problem && std::find(problem->rows.begin(), problem->rows.end(), row) != problem->rows.end();
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole: {
            if (!existing) return QString();
            if (column >= kInputs) return QString::fromStdString(window_.result(row, column - kInputs));
            const std::string& text = window_.row(row)[static_cast<std::size_t>(column)];
            const std::vector<std::string>& items = window_.choices(column);
            bool number = false;
            const int item = QString::fromStdString(text).toInt(&number) - firstItem(column);
            if (role == Qt::DisplayRole && number && item >= 0 && item < static_cast<int>(items.size()))
                return QString::fromStdString(text + ": " + items[static_cast<std::size_t>(item)]);
            return QString::fromStdString(text);
        }
        case Qt::BackgroundRole:
            if (!existing) return {};
            if (faulty && (problem->column < 0 || problem->column == column)) return QColor(255, 190, 190);
            if (faulty) return QColor(255, 225, 225);
            if (window_.rowMarked(row)) return QColor(255, 245, 200);
            if (column >= kInputs) return QColor(240, 240, 240);
            return {};
        case Qt::ToolTipRole:
            if (faulty) return QString::fromStdString(problem->message);
            if (existing && window_.rowMarked(row)) {
                const std::string message =
                    window_.result(row, 1) == "!" ? window_.result(row, 2) : window_.result(row, 18);
                return QString::fromStdString(message);
            }
            return {};
        default:
            return {};
    }
}

QVariant NetworkTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    return QString(section < kInputs ? kNetworkInputColumns[static_cast<std::size_t>(section)].heading
                                     : NetworkWindow::kResultHeadings[static_cast<std::size_t>(section - kInputs)]);
}

Qt::ItemFlags NetworkTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() < kInputs) flags |= Qt::ItemIsEditable;
    return flags;
}

bool NetworkTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || index.column() >= kInputs) return false;
    window_.editCell(index.row(), index.column(), value.toString().toStdString());
    emit edited();
    return true;
}

void NetworkTableModel::reload() {
    beginResetModel();
    endResetModel();
}

// ---- the window ----

NetworkWindowView::NetworkWindowView(NetworkWindow& window, QWidget* parent) : QMainWindow(parent), window_(window) {
    setObjectName("networkWindow");
    table_ = new NetworkTableModel(window_, this);
    tableView_ = new QTableView;
    tableView_->setObjectName("networkTable");
    tableView_->setModel(table_);
    tableView_->setItemDelegate(new ItemDelegate(window_, tableView_));
    tableView_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    tableView_->horizontalHeader()->setDefaultSectionSize(92);
    tableView_->horizontalHeader()->resizeSection(NetworkWindow::kType, 230);
    tableView_->horizontalHeader()->resizeSection(NetworkWindow::kSewage, 200);
    tableView_->horizontalHeader()->resizeSection(NetworkWindow::kPipeCriterion, 200);
    tableView_->horizontalHeader()->resizeSection(kInputs + 1, 110);                                  // Bd
    tableView_->horizontalHeader()->resizeSection(kInputs + NetworkWindow::kResultColumns - 1, 420);  // Uwagi
    tableView_->verticalHeader()->setDefaultSectionSize(22);
    tableView_->setWordWrap(false);
    tableView_->setSelectionBehavior(QAbstractItemView::SelectItems);
    // After the edit has left the table's editor: a refresh resets the table.
    connect(table_, &NetworkTableModel::edited, this, &NetworkWindowView::refresh, Qt::QueuedConnection);
    connect(tableView_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                window_.selectRow(current.row());
                showProfile();
            });

    auto* parameters = new QWidget;
    auto* form = new QFormLayout(parameters);
    for (std::size_t n = 0; n < kNetworkParameterRules.size(); ++n) {
        auto* field = new QLineEdit;
        field->setObjectName(QString(kNetworkParameterRules[n].option).mid(2));  // "przykrycie", ...
        field->setMaximumWidth(90);
        connect(field, &QLineEdit::editingFinished, this, [this, field, n] {
            if (field->text().toStdString() != window_.parameterText(static_cast<int>(n)))
                act([&] { window_.editParameter(static_cast<int>(n), field->text().toStdString()); });
        });
        form->addRow(kNetworkParameterRules[n].label, field);
        parameters_.push_back(field);
    }
    problem_ = new QLabel;
    problem_->setObjectName("problem");
    problem_->setWordWrap(true);
    problem_->setStyleSheet("color: #b00000;");

    profile_ = new DrawingView;
    auto* side = new QWidget;
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->addWidget(parameters);
    sideLayout->addWidget(problem_);
    sideLayout->addStretch();

    auto* top = new QSplitter(Qt::Horizontal);
    top->addWidget(tableView_);
    top->addWidget(side);
    top->setStretchFactor(0, 1);
    auto* whole = new QSplitter(Qt::Vertical);
    whole->addWidget(top);
    whole->addWidget(profile_);
    whole->setStretchFactor(0, 3);
    whole->setStretchFactor(1, 2);
    setCentralWidget(whole);
    buildMenus();
    resize(1280, 860);
    refresh();
}

NetworkWindowView::~NetworkWindowView() {
    // The table's selection goes with its view, after the profile's view.
    tableView_->selectionModel()->disconnect(this);
}

void NetworkWindowView::buildMenus() {
    QMenu* file = menuBar()->addMenu("&Plik");
    file->addAction("&Nowa", QKeySequence::New, this, [this] { act([this] { window_.newNetwork(); }); });
    file->addAction("&Otwórz...", QKeySequence::Open, this, [this] { act([this] { window_.open(); }); });
    file->addAction("&Zapisz", QKeySequence::Save, this, [this] { act([this] { window_.save(); }); });
    file->addAction("Zapisz &jako...", QKeySequence::SaveAs, this, [this] { act([this] { window_.saveAs(); }); });
    file->addSeparator();
    needDesign_.push_back(
        file->addAction("Tabela wyników do zbioru &CSV...", this, [this] { act([this] { window_.exportTable(); }); }));
    needDesign_.push_back(file->addAction("Tabela wyników do &skoroszytu Excel...", this,
                                          [this] { act([this] { window_.exportWorkbook(); }); }));
    file->addSeparator();
    needDesign_.push_back(file->addAction("&Drukuj profile...", QKeySequence::Print, this,
                                          [this] { act([this] { window_.printProfiles(); }); }));
    needDesign_.push_back(
        file->addAction("Profile do zbioru &PDF...", this, [this] { act([this] { window_.profilesToPdf(); }); }));
    needDesign_.push_back(
        file->addAction("Profile do rysunku D&XF...", this, [this] { act([this] { window_.profilesToDxf(); }); }));
    file->addSeparator();
    file->addAction("Za&mknij", QKeySequence::Quit, this, [this] { close(); });

    QMenu* edit = menuBar()->addMenu("&Edycja");
    undo_ = edit->addAction("&Cofnij", QKeySequence::Undo, this, [this] { act([this] { window_.undo(); }); });
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
    QMenu* view = menuBar()->addMenu("&Widok");
    view->addAction("Cały &profil", this, [this] { profile_->fit(); });
}

void NetworkWindowView::pasteClipboard() {
    const QModelIndex at = tableView_->currentIndex();
    const std::string text = QApplication::clipboard()->text().toStdString();
    // Into the current cell; from a result column, into the row's first column.
    const int column = at.isValid() && at.column() < kInputs ? at.column() : 0;
    act([&] { window_.paste(at.isValid() ? at.row() : window_.rowCount(), column, text); });
}

void NetworkWindowView::act(const std::function<void()>& action) {
    action();
    refresh();
}

void NetworkWindowView::refresh() {
    const QModelIndex current = tableView_->currentIndex();
    table_->reload();
    if (current.isValid()) tableView_->setCurrentIndex(table_->index(current.row(), current.column()));
    for (std::size_t n = 0; n < parameters_.size(); ++n)
        if (!parameters_[n]->hasFocus())
            parameters_[n]->setText(QString::fromStdString(window_.parameterText(static_cast<int>(n))));
    problem_->setText(window_.problem() ? QString::fromStdString(window_.problem()->message) : QString());
    showProfile();
    undo_->setEnabled(window_.canUndo());
    for (QAction* action : needDesign_) action->setEnabled(window_.designed());
    setWindowTitle(QString::fromStdString(window_.caption()));
}

void NetworkWindowView::showProfile() {
    QString absent = "Zaznacz odcinek sieci, aby zobaczyć profil jego kolektora lub odgałęzienia";
    if (window_.problem())
        absent = "Sieć nie jest zaprojektowana: " + QString::fromStdString(window_.problem()->message);
    profile_->setDrawing(window_.selectedProfile(), absent);
}

void NetworkWindowView::closeEvent(QCloseEvent* event) {
    if (window_.mayClose())
        event->accept();
    else
        event->ignore();
    refresh();
}

}  // namespace vexa
