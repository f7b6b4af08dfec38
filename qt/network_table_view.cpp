#include "qt/network_table_view.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>

namespace vexa {

// The first column alone, over the table's left edge. Its cells are edited
// here, so that the editor lies above the table, not under this view.
class NetworkTableView::FrozenColumn : public QTableView {
public:
    explicit FrozenColumn(NetworkTableView& table) : QTableView(&table), table_(table) {
        setObjectName("frozenColumn");
        setFocusPolicy(Qt::StrongFocus);
        verticalHeader()->hide();
        horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setHorizontalScrollMode(ScrollPerPixel);
        setVerticalScrollMode(ScrollPerPixel);
        setWordWrap(false);
        setStyleSheet("QTableView { border: none; border-right: 1px solid palette(mid); }");
    }

    bool editing() const { return state() == EditingState; }
    bool startEditing(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
        return QTableView::edit(index, trigger, event);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const QModelIndex current = currentIndex();
        const bool plain = event->modifiers() == Qt::NoModifier;
        if (state() != EditingState && current.isValid()) {
            if ((event->key() == Qt::Key_Tab || event->key() == Qt::Key_Right) && plain) {
                table_.goTo(current.siblingAtColumn(1), false);
                return;
            }
            if (event->key() == Qt::Key_Backtab) return;  // nothing left of the first column
        }
        if (table_.handledKey(event)) return;
        QTableView::keyPressEvent(event);
    }
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override {
        // The delegate is the table's too and tells both views of every editor it closes.
        if (!editor || !viewport()->isAncestorOf(editor)) return;
        const QModelIndex current = currentIndex();
        QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
        if (hint == QAbstractItemDelegate::EditNextItem) table_.goTo(current.siblingAtColumn(1), true);
        if (hint == QAbstractItemDelegate::SubmitModelCache) table_.moveDown();
    }

private:
    NetworkTableView& table_;
};

NetworkTableView::NetworkTableView(QWidget* parent) : QTableView(parent), frozen_(new FrozenColumn(*this)) {
    setEditTriggers(DoubleClicked | EditKeyPressed | AnyKeyPressed);
    frozen_->setEditTriggers(DoubleClicked | EditKeyPressed | AnyKeyPressed);
    viewport()->stackUnder(frozen_);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int section, int, int size) {
        if (section != 0) return;
        frozen_->setColumnWidth(0, size);
        placeFrozenColumn();
    });
    connect(verticalHeader(), &QHeaderView::sectionResized, this,
            [this](int section, int, int size) { frozen_->setRowHeight(section, size); });
    connect(verticalScrollBar(), &QAbstractSlider::valueChanged, frozen_->verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(frozen_->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(),
            &QAbstractSlider::setValue);
}

QTableView* NetworkTableView::frozenColumn() const { return frozen_; }

void NetworkTableView::setModel(QAbstractItemModel* model) {
    QTableView::setModel(model);
    frozen_->setModel(model);
    frozen_->setSelectionModel(selectionModel());
    for (int column = 1; column < model->columnCount(); ++column) frozen_->setColumnHidden(column, true);
    frozen_->setColumnWidth(0, columnWidth(0));
    frozen_->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
    frozen_->show();
    placeFrozenColumn();
}

void NetworkTableView::setItemDelegate(QAbstractItemDelegate* delegate) {
    QTableView::setItemDelegate(delegate);
    frozen_->setItemDelegate(delegate);
}

void NetworkTableView::placeFrozenColumn() {
    frozen_->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
    frozen_->horizontalHeader()->setFixedHeight(horizontalHeader()->height());
    frozen_->setGeometry(verticalHeader()->width() + frameWidth(), frameWidth(), columnWidth(0),
                         viewport()->height() + horizontalHeader()->height());
}

void NetworkTableView::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    placeFrozenColumn();
}

// The row numbers widen as rows are added: the first column moves with them.
void NetworkTableView::updateGeometries() {
    QTableView::updateGeometries();
    placeFrozenColumn();
}

void NetworkTableView::scrollTo(const QModelIndex& index, ScrollHint hint) {
    // The first column is always in view; scrolling to it would move the others.
    if (index.column() > 0)
        QTableView::scrollTo(index, hint);
    else if (index.isValid())
        frozen_->scrollTo(index, hint);
}

void NetworkTableView::goTo(const QModelIndex& index, bool startEditing) {
    if (!index.isValid()) return;
    QTableView& view = index.column() == 0 ? static_cast<QTableView&>(*frozen_) : *this;
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    view.setFocus();
    if (startEditing && (model()->flags(index) & Qt::ItemIsEditable)) view.edit(index);
}

void NetworkTableView::moveDown() {
    const QModelIndex current = currentIndex();
    if (!current.isValid()) return;
    const QModelIndex below = current.sibling(current.row() + 1, current.column());
    if (below.isValid()) goTo(below, false);
}

bool NetworkTableView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    // The first column is edited in its own view, above the table.
    if (index.column() == 0 && trigger != NoEditTriggers) {
        frozen_->setFocus();
        return frozen_->startEditing(index, trigger, event);
    }
    return QTableView::edit(index, trigger, event);
}

void NetworkTableView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    // The keyboard follows the current cell into the view that shows it,
    // both ways: a key typed in the other view would open the cell's editor
    // from there and reach it twice.
    if (current.column() == 0 && hasFocus()) frozen_->setFocus();
    if (current.isValid() && current.column() != 0 && frozen_->hasFocus()) setFocus();
}

bool NetworkTableView::handledKey(QKeyEvent* event) {
    // Ctrl+Page Down and Up turn the window's sheets; past the last or the
    // first they do nothing, rather than move the current row a page.
    if ((event->key() == Qt::Key_PageDown || event->key() == Qt::Key_PageUp) &&
        event->modifiers() == Qt::ControlModifier)
        return true;
    if (state() == EditingState || frozen_->editing()) return false;
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
        emit clearRequested();
        return true;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier) {
        moveDown();
        return true;
    }
    return false;
}

void NetworkTableView::keyPressEvent(QKeyEvent* event) {
    if (handledKey(event)) return;
    if (event->key() == Qt::Key_Backtab && state() != EditingState && currentIndex().column() == 1) {
        goTo(currentIndex().siblingAtColumn(0), false);
        return;
    }
    QTableView::keyPressEvent(event);
}

void NetworkTableView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    // The delegate is the first column's too and tells both views of every editor it closes.
    if (!editor || !viewport()->isAncestorOf(editor)) return;
    const QModelIndex current = currentIndex();
    if (hint == QAbstractItemDelegate::EditPreviousItem && current.column() == 1) {
        QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
        goTo(current.siblingAtColumn(0), true);
        return;
    }
    if (hint == QAbstractItemDelegate::SubmitModelCache) {
        QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
        moveDown();
        return;
    }
    QTableView::closeEditor(editor, hint);
}

}  // namespace vexa
