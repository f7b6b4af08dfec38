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
class QTabWidget;
class QTableView;

namespace vexa {

class DrawingView;
class ManholeTableModel;
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
    // The next row (or manhole) holding the find bar's text.
    void findNext();
    std::vector<NetworkWindow::Cell> selectedCells() const;
    void showProfile();
    // The sheet actions as far as the profile's sheets go.
    void enableSheetActions();
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
    ManholeTableModel* manholes_;
    QTableView* manholeView_;
    QTabWidget* tabs_;
    QWidget* findBar_;
    QLineEdit* find_;
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
    QAction* nextSheet_ = nullptr;
    QAction* previousSheet_ = nullptr;
    // The path whose profile is shown, and the row it is shown for.
    std::vector<int> shownPath_;
    int shownRow_ = -1;
    // The actions that need a design, and the export each is, if any.
    std::vector<std::pair<QAction*, std::optional<NetworkExport>>> needDesign_;
};

}  // namespace vexa
