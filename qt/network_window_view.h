#pragma once

// The network window on the desktop: the table of sections with their
// results, the parameters, what stops the design, and the profile of the
// selected section's path. Every user action goes to the NetworkWindow model;
// after it the view shows the model again.

#include <QAbstractTableModel>
#include <QMainWindow>

#include "network/network_window.h"

class QLabel;
class QLineEdit;
class QTableView;

namespace vexa {

class DrawingView;

// The model's table for a QTableView: the input columns editable, the
// result columns beside them.
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

    // After the model has changed in any way.
    void reload();

signals:
    void edited();

private:
    NetworkWindow& window_;
};

class NetworkWindowView : public QMainWindow {
    Q_OBJECT
public:
    explicit NetworkWindowView(NetworkWindow& window, QWidget* parent = nullptr);
    ~NetworkWindowView() override;

    // Shows the model as it stands.
    void refresh();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void act(const std::function<void()>& action);
    void buildMenus();
    void pasteClipboard();
    void showProfile();

    NetworkWindow& window_;
    NetworkTableModel* table_;
    QTableView* tableView_;
    std::vector<QLineEdit*> parameters_;
    QLabel* problem_;
    DrawingView* profile_;
    QAction* undo_ = nullptr;
    std::vector<QAction*> needDesign_;
};

}  // namespace vexa
