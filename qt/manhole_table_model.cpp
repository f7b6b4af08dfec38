#include "qt/manhole_table_model.h"

#include <QColor>

namespace vexa {

ManholeTableModel::ManholeTableModel(NetworkWindow& window, QObject* parent)
    : QAbstractTableModel(parent), window_(window), rows_(static_cast<int>(window.manholes().size())) {}

int ManholeTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int ManholeTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant ManholeTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= static_cast<int>(window_.manholes().size())) return {};
    const NetworkWindow::Manhole& manhole = window_.manholes()[static_cast<std::size_t>(index.row())];
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            switch (index.column()) {
                case Name:
                    return QString::fromStdString(manhole.name);
                case Ground:
                    return QString::fromStdString(manhole.ground);
                case ReceivingInvert:
                    return QString::fromStdString(manhole.receivingInvert);
                default:
                    return {};
            }
        case Qt::BackgroundRole:
            if (index.column() == Ground && manhole.groundsDiffer) return QColor(255, 190, 190);
            if (index.column() == ReceivingInvert && !manhole.outlet) return QColor(240, 240, 240);
            return {};
        case Qt::ToolTipRole:
            if (index.column() == Ground && manhole.groundsDiffer)
                return QString(
                    "Wiersze odcinków podają różne rzędne terenu tej studni: wpisana tu rzędna "
                    "zastąpi je wszystkie");
            if (index.column() == ReceivingInvert)
                return manhole.outlet ? QString("Rzędna dna kanału, do którego wpada wylot")
                                      : QString("Tylko wylot sieci ma kanał odbiornika");
            return {};
        default:
            return {};
    }
}

QVariant ManholeTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    switch (section) {
        case Name:
            return QString("Studnia");
        case Ground:
            return QString("Teren [m]");
        case ReceivingInvert:
            return QString("Dno odbiornika [m]");
        default:
            return {};
    }
}

Qt::ItemFlags ManholeTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid() || index.row() >= static_cast<int>(window_.manholes().size())) return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() != ReceivingInvert || window_.manholes()[static_cast<std::size_t>(index.row())].outlet)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool ManholeTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) return false;
    const std::string text = value.toString().toStdString();
    switch (index.column()) {
        case Name:
            window_.renameManhole(index.row(), text);
            break;
        case Ground:
            window_.editManholeGround(index.row(), text);
            break;
        case ReceivingInvert:
            window_.editReceivingInvert(index.row(), text);
            break;
        default:
            return false;
    }
    emit edited();
    return true;
}

void ManholeTableModel::reload() {
    const int rows = static_cast<int>(window_.manholes().size());
    if (rows > rows_) {
        beginInsertRows({}, rows_, rows - 1);
        rows_ = rows;
        endInsertRows();
    } else if (rows < rows_) {
        beginRemoveRows({}, rows, rows_ - 1);
        rows_ = rows;
        endRemoveRows();
    }
    if (rows > 0) emit dataChanged(index(0, 0), index(rows - 1, ColumnCount - 1));
}

}  // namespace vexa
