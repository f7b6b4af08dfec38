#include "support/recording_platform.h"

#include "toolkit/controls.h"

namespace vexa {

void RecordingPlatform::showError(const std::string& text) { events_.push_back({Kind::Error, text}); }

void RecordingPlatform::showMessage(const std::string& text) { events_.push_back({Kind::Message, text}); }

bool RecordingPlatform::confirm(const std::string& text) {
    events_.push_back({Kind::Confirmation, text});
    if (confirmations_.empty()) return false;
    const bool answer = confirmations_.front();
    confirmations_.pop_front();
    return answer;
}

std::optional<std::string> RecordingPlatform::askSaveFileName(const SaveFileRequest& request) {
    events_.push_back({Kind::SaveDialog, request.title});
    lastSaveRequest_ = request;
    if (saveNames_.empty()) return std::nullopt;
    auto answer = std::move(saveNames_.front());
    saveNames_.pop_front();
    return answer;
}

Answer RecordingPlatform::ask(const std::string& text) {
    events_.push_back({Kind::Question, text});
    if (answers_.empty()) return Answer::Cancel;
    const Answer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

std::optional<SaveFileChoice> RecordingPlatform::askSaveFileOfKind(const SaveFileRequest& request,
                                                                   const std::vector<std::string>& kinds,
                                                                   int preselected) {
    lastSaveKinds_ = kinds;
    lastPreselectedKind_ = preselected;
    int kind = preselected;
    if (!saveKinds_.empty()) {
        kind = saveKinds_.front();
        saveKinds_.pop_front();
    }
    const std::optional<std::string> fileName = askSaveFileName(request);
    if (!fileName) return std::nullopt;
    return SaveFileChoice{*fileName, kind};
}

std::optional<std::string> RecordingPlatform::askOpenFileName(const SaveFileRequest& request) {
    events_.push_back({Kind::OpenDialog, request.title});
    if (openNames_.empty()) return std::nullopt;
    auto answer = std::move(openNames_.front());
    openNames_.pop_front();
    return answer;
}

Printer* RecordingPlatform::choosePrinter() {
    events_.push_back({Kind::PrintDialog, {}});
    if (printDialogs_.empty()) return nullptr;
    const bool print = printDialogs_.front();
    printDialogs_.pop_front();
    return print ? &printer_ : nullptr;
}

std::optional<std::string> RecordingPlatform::calculationProgress(const std::string& status) {
    progressReports_.push_back(status);
    if (cancelAtReport_ > 0 && static_cast<int>(progressReports_.size()) == cancelAtReport_)
        return std::string(kCalculationCancelled);
    return std::nullopt;
}

void RecordingPlatform::calculationEnded() {}

void RecordingPlatform::showModal(Form& window) {
    events_.push_back({Kind::ModalWindow, window.Caption});
    window.Visible = true;
    if (!modalActions_.empty()) {
        const auto action = std::move(modalActions_.front());
        modalActions_.pop_front();
        action(window);
    }
    if (window.Visible) window.userClose();
}

void RecordingPlatform::terminate() { terminated_ = true; }

std::vector<std::string> RecordingPlatform::errors() const {
    std::vector<std::string> texts;
    for (const auto& event : events_)
        if (event.kind == Kind::Error) texts.push_back(event.text);
    return texts;
}

std::vector<std::string> RecordingPlatform::messages() const {
    std::vector<std::string> texts;
    for (const auto& event : events_)
        if (event.kind == Kind::Message) texts.push_back(event.text);
    return texts;
}

void RecordingPlatform::clear() {
    events_.clear();
    terminated_ = false;
}

}  // namespace vexa
