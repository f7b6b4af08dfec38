#include "batch/headless_platform.h"

#include "toolkit/controls.h"
#include "toolkit/numbers.h"

namespace vexa {

std::string calculationTimedOut(double seconds) {
    return "Obliczenia przerwano po " + formatGeneral(seconds) + " s (limit czasu).";
}

void HeadlessPlatform::showError(const std::string& text) { boxes_.push_back({true, text}); }

void HeadlessPlatform::showMessage(const std::string& text) { boxes_.push_back({false, text}); }

bool HeadlessPlatform::confirm(const std::string&) { return false; }

Answer HeadlessPlatform::ask(const std::string&) { return Answer::No; }

std::optional<std::string> HeadlessPlatform::askSaveFileName(const SaveFileRequest&) { return std::nullopt; }

std::optional<SaveFileChoice> HeadlessPlatform::askSaveFileOfKind(const SaveFileRequest&,
                                                                  const std::vector<std::string>&, int) {
    return std::nullopt;
}

std::optional<std::string> HeadlessPlatform::askOpenFileName(const SaveFileRequest&) { return std::nullopt; }

Printer* HeadlessPlatform::choosePrinter() { return nullptr; }

std::optional<std::string> HeadlessPlatform::calculationProgress(const std::string&) {
    if (!timeLimit_) return std::nullopt;
    const auto now = std::chrono::steady_clock::now();
    if (!calculationStart_) calculationStart_ = now;
    if (std::chrono::duration<double>(now - *calculationStart_).count() > *timeLimit_)
        return calculationTimedOut(*timeLimit_);
    return std::nullopt;
}

void HeadlessPlatform::calculationEnded() { calculationStart_.reset(); }

void HeadlessPlatform::showModal(Form& window) {
    window.Visible = true;
    if (modalAction_) modalAction_(window);
    if (window.Visible) window.userClose();
}

std::vector<std::string> HeadlessPlatform::errors() const {
    std::vector<std::string> texts;
    for (const Box& box : boxes_)
        if (box.error) texts.push_back(box.text);
    return texts;
}

}  // namespace vexa
