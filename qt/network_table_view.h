#pragma once

// The network window's table as a spreadsheet: typing into a cell edits it,
// Tab and Shift+Tab commit and go to the next or the previous cell, Enter
// commits and goes down, Delete empties the selected cells; Ctrl+Page Down
// and Up are left to the window. The first column
// (the section's name) stays in view when the table scrolls right: a second
// view over it shows that column alone, on the same model and selection, and
// the keyboard passes between the two as the current cell does.

#include <QTableView>

namespace vexa {

class NetworkTableView : public QTableView {
    Q_OBJECT
public:
    explicit NetworkTableView(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;
    void setItemDelegate(QAbstractItemDelegate* delegate);
    // The view of the first column that stays in view.
    QTableView* frozenColumn() const;

signals:
    // Delete pressed over the selected cells.
    void clearRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void updateGeometries() override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

private:
    class FrozenColumn;
    friend class FrozenColumn;

    void placeFrozenColumn();
    // Makes `index` current in the view that shows it, with the keyboard,
    // and opens its editor where asked.
    void goTo(const QModelIndex& index, bool startEditing);
    // Enter after an edit, or on a cell: the cell below.
    void moveDown();
    // Delete and Enter outside an editor, in either view.
    bool handledKey(QKeyEvent* event);

    FrozenColumn* frozen_;
};

}  // namespace vexa
