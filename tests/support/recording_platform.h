#pragma once

// Platform services without a desktop: every box and window is recorded, every
// question is answered from a queue that the caller fills beforehand, and what
// the user does in a modal window is a queued action run while it is shown.

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "support/recording_printer.h"
#include "toolkit/platform_services.h"

namespace vexa {

class RecordingPlatform : public PlatformServices {
public:
    enum class Kind { Error, Message, Confirmation, Question, SaveDialog, OpenDialog, PrintDialog, ModalWindow };
    struct Event {
        Kind kind;
        std::string text;
        bool operator==(const Event&) const = default;
    };

    void showError(const std::string& text) override;
    void showMessage(const std::string& text) override;
    bool confirm(const std::string& text) override;
    Answer ask(const std::string& text) override;
    std::optional<std::string> askSaveFileName(const SaveFileRequest& request) override;
    std::optional<SaveFileChoice> askSaveFileOfKind(const SaveFileRequest& request,
                                                    const std::vector<std::string>& kinds, int preselected) override;
    std::optional<std::string> askOpenFileName(const SaveFileRequest& request) override;
    Printer* choosePrinter() override;
    std::optional<std::string> calculationProgress(const std::string& status) override;
    void calculationEnded() override;
    void showModal(Form& window) override;
    void terminate() override;

    // Answers for the next questions, used in order; an unexpected question
    // (empty queue) is answered No, Cancel or Anuluj.
    void queueConfirmation(bool answer) { confirmations_.push_back(answer); }
    void queueSaveFileName(std::optional<std::string> path) { saveNames_.push_back(std::move(path)); }
    void queueOpenFileName(std::optional<std::string> path) { openNames_.push_back(std::move(path)); }
    // The kind the user picks in the next save dialog that offers kinds; it
    // keeps the preselected one without.
    void queueSaveFileKind(int kind) { saveKinds_.push_back(kind); }
    void queueAnswer(Answer answer) { answers_.push_back(answer); }
    // The user cancels the calculation at its `reports`-th progress report
    // (1 for the first).
    void cancelCalculationAtReport(int reports) { cancelAtReport_ = reports; }
    // The progress reports of the calculations so far.
    const std::vector<std::string>& progressReports() const { return progressReports_; }

    // Whether the next print dialog is answered "Drukuj" (true) or cancelled.
    void queuePrintDialog(bool print) { printDialogs_.push_back(print); }
    // What the user does in the next modal window while it is shown. A window
    // still open afterwards, or one shown with no action queued, is closed by
    // its frame's close control.
    void queueModalAction(std::function<void(Form&)> action) { modalActions_.push_back(std::move(action)); }

    const std::vector<Event>& events() const { return events_; }
    std::vector<std::string> errors() const;
    std::vector<std::string> messages() const;
    // The last request of a save dialog, and the kinds the last one offering
    // kinds offered, with the one preselected.
    const SaveFileRequest& lastSaveRequest() const { return lastSaveRequest_; }
    const std::vector<std::string>& lastSaveKinds() const { return lastSaveKinds_; }
    int lastPreselectedKind() const { return lastPreselectedKind_; }
    // Where everything printed went.
    const RecordingPrinter& printer() const { return printer_; }
    bool terminated() const { return terminated_; }
    void clear();

private:
    std::vector<Event> events_;
    std::deque<bool> confirmations_;
    std::deque<std::optional<std::string>> saveNames_;
    std::deque<std::optional<std::string>> openNames_;
    std::deque<int> saveKinds_;
    std::vector<std::string> lastSaveKinds_;
    int lastPreselectedKind_ = -1;
    std::deque<Answer> answers_;
    std::deque<bool> printDialogs_;
    std::deque<std::function<void(Form&)>> modalActions_;
    RecordingPrinter printer_;
    int cancelAtReport_ = 0;
    std::vector<std::string> progressReports_;
    SaveFileRequest lastSaveRequest_;
    bool terminated_ = false;
};

}  // namespace vexa
