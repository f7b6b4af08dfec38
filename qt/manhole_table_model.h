#pragma once

// The network window's manholes for a QTableView: each manhole once, with
// its ground level and, for an outlet, the invert of the sewer it drains
// into. An edit here is the window's edit of every row naming the manhole.
// Rows come and go at the end and cells change without a reset, as in the
// table of sections, so that the current cell stays where it was.

#include <QAbstractTableModel>

#include "network_window/network_window.h"

namespace vexa {

class ManholeTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Name, Ground, ReceivingInvert, ColumnCount };

    explicit ManholeTableModel(NetworkWindow& window, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // After the window's model has changed in any way.
    void reload();

signals:
    // A manhole was edited here.
    void edited();

private:
    NetworkWindow& window_;
    int rows_ = 0;  // the manholes as last announced
};

}  // namespace vexa
