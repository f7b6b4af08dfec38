#pragma once

// Platform services on the desktop: Qt's message boxes, file and print dialogs, the
// program's modal windows, and the end of the application.

#include <QElapsedTimer>
#include <functional>
#include <memory>

#include "toolkit/platform_services.h"
#include "toolkit/version.h"

class QPrinter;
class QProgressDialog;
class QWidget;

namespace vexa {

inline constexpr const char* kApplicationTitle = "Vexa_V" VEXA_VERSION;

class PrinterJob;

class QtPlatform : public PlatformServices {
public:
    QtPlatform();
    ~QtPlatform() override;

    void showError(const std::string& text) override;
    void showMessage(const std::string& text) override;
    bool confirm(const std::string& text) override;
    Answer ask(const std::string& text) override;
    std::optional<std::string> askSaveFileName(const SaveFileRequest& request) override;
    std::optional<SaveFileChoice> askSaveFileOfKind(const SaveFileRequest& request,
                                                    const std::vector<std::string>& kinds, int preselected) override;
    std::optional<std::string> askOpenFileName(const SaveFileRequest& request) override;
    Printer* choosePrinter() override;
    // After half a second a window-modal progress dialog shows the status and
    // a cancel button; the windows keep repainting meanwhile.
    std::optional<std::string> calculationProgress(const std::string& status) override;
    void calculationEnded() override;
    void showModal(Form& window) override;
    void terminate() override;

    // Whether the program was asked to end, possibly before the event loop ran.
    bool terminationRequested() const { return terminationRequested_; }

    // Runs before every modal box, so that the windows show the models'
    // state behind it.
    void setBeforeModal(std::function<void()> refresh) { beforeModal_ = std::move(refresh); }
    void setDialogParent(QWidget* parent) { parent_ = parent; }
    // Builds and runs the view of a modal window (runModalWindow).
    void setModalRunner(std::function<void(Form&, QWidget* parent)> run) { runModal_ = std::move(run); }

private:
    void prepareModal();
    // Boxes and windows open over the modal window that is open, if any, or
    // over the program's active window.
    QWidget* dialogParent() const;

    std::function<void()> beforeModal_;
    std::function<void(Form&, QWidget*)> runModal_;
    QWidget* parent_ = nullptr;
    // The printer the print dialog sets up; it keeps the user's choices from
    // one printout to the next.
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<PrinterJob> chosen_;
    // The calculation under way: since when, when the windows last
    // repainted, and its progress dialog once it shows.
    QElapsedTimer calculationTime_;
    qint64 lastRepaint_ = 0;
    std::unique_ptr<QProgressDialog> progress_;
    bool terminationRequested_ = false;
};

}  // namespace vexa
