#include "qt/network_table_model.h"

#include <QColor>
#include <algorithm>

namespace vexa {
namespace {

constexpr int kInputs = NetworkWindow::kInputCount;

// The first item of a list: 1 for the type list, 0 for the groups.
int firstItem(int column) { return column == position(InputColumn::Typ) ? 1 : 0; }

}  // namespace

NetworkTableModel::NetworkTableModel(NetworkWindow& window, QObject* parent)
    : QAbstractTableModel(parent), window_(window), rows_(window.rowCount()) {}

int NetworkTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_ + 1; }

int NetworkTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kInputs + NetworkWindow::kResultCount;
}

QVariant NetworkTableModel::data(const QModelIndex& index, int role) const {
    const int row = index.row(), column = index.column();
    const bool existing = row < window_.rowCount();
    // The problems of the row, asked for only where they are shown.
    const auto faults = [&] { return existing ? window_.rowProblems(row) : std::vector<std::size_t>(); };
    const auto& problems = window_.problems();
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
        case Qt::BackgroundRole: {
            if (!existing) return {};
            const std::vector<std::size_t> found = faults();
            if (std::any_of(found.begin(), found.end(),
                            [&](std::size_t n) { return problems[n].column < 0 || problems[n].column == column; }))
                return QColor(255, 190, 190);
            if (!found.empty()) return QColor(255, 225, 225);
            if (window_.rowMarked(row)) return QColor(255, 245, 200);
            if (column >= kInputs) return QColor(240, 240, 240);
            return {};
        }
        case Qt::ToolTipRole: {
            QStringList messages;
            for (const std::size_t n : faults()) messages << QString::fromStdString(problems[n].message);
            if (!messages.isEmpty()) return messages.join('\n');
            if (existing && window_.rowMarked(row)) return QString::fromStdString(window_.rowNote(row));
            return {};
        }
        default:
            return {};
    }
}

QVariant NetworkTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    if (section < 0 || section >= columnCount()) return {};
    return QString::fromStdString(section < kInputs ? kInputColumns[static_cast<std::size_t>(section)].headingWithUnit()
                                                    : NetworkWindow::resultColumn(section - kInputs).headingWithUnit());
}

Qt::ItemFlags NetworkTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() < kInputs) flags |= Qt::ItemIsEditable;
    return flags;
}

bool NetworkTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || index.column() >= kInputs) return false;
    window_.editCell(index.row(), index.column(), value.toString().toStdString());
    reload();
    emit edited();
    return true;
}

// The rows the table has shown change first, then the empty rows at the end
// come or go: each announcement describes the table as it then stands.
void NetworkTableModel::reload() {
    const int rows = window_.rowCount();
    const auto allChanged = [this] { emit dataChanged(index(0, 0), index(rows_, columnCount() - 1)); };
    if (rows >= rows_) allChanged();
    if (rows > rows_) {
        beginInsertRows({}, rows_ + 1, rows);
        rows_ = rows;
        endInsertRows();
    } else if (rows < rows_) {
        beginRemoveRows({}, rows + 1, rows_);
        rows_ = rows;
        endRemoveRows();
        allChanged();
    }
}

}  // namespace vexa
