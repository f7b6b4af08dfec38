#pragma once

// The network window's table for a QTableView: the input columns editable,
// the result columns beside them, and one empty row more at the end to type
// a new section into. It keeps the number of rows it has announced, so that
// a view hears of rows added or taken away at the end, and of every cell's
// change, without a reset: an editor open in the table stays open.

#include <QAbstractTableModel>

#include "network_window/network_window.h"

namespace vexa {

class NetworkTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit NetworkTableModel(NetworkWindow& window, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // After the window's model has changed in any way.
    void reload();

signals:
    // A cell was edited in the table (the table itself is shown again).
    void edited();

private:
    NetworkWindow& window_;
    int rows_ = 0;  // the window's rows as last announced
};

}  // namespace vexa
