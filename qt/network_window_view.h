#pragma once

// The network window on the desktop: the table of sections with their
// results, the parameters, every problem of the network, the profile of the
// selected section's path, and the file's encoding in the status bar. Every
// user action goes to the NetworkWindow model; after it the view shows the
// model again.

#include <QMainWindow>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "network_window/network_window.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace vexa {

class DrawingView;
class NetworkTableModel;
class NetworkTableView;

class NetworkWindowView : public QMainWindow {
    Q_OBJECT
public:
    explicit NetworkWindowView(NetworkWindow& window, QWidget* parent = nullptr);
    ~NetworkWindowView() override;

    // Shows the model as it stands.
    void refresh();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void act(const std::function<void()>& action);
    void buildMenus();
    void copySelection(bool cut);
    void pasteClipboard();
    std::vector<NetworkWindow::Cell> selectedCells() const;
    void showProfile();
    void showProblems();
    // The cell a listed problem names, made current and scrolled to.
    void goToProblem(const QListWidgetItem* item);
    // Everything but the table, which shows itself after a cell's edit.
    void refreshAroundTable();
    // The size the window had when last closed, within the screen.
    void restoreSize();
    void fitScreen();

    NetworkWindow& window_;
    NetworkTableModel* table_;
    NetworkTableView* tableView_;
    std::vector<QLineEdit*> parameters_;
    QComboBox* junction_;
    QLabel* rainTable_;
    QPushButton* useFormula_;
    QGroupBox* problemsBox_;
    QListWidget* problemList_;
    std::vector<NetworkWindow::Problem> listed_;
    QLabel* encoding_;
    DrawingView* profile_;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    // The actions that need a design, and the export each is, if any.
    std::vector<std::pair<QAction*, std::optional<NetworkExport>>> needDesign_;
};

}  // namespace vexa
