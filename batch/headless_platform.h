#pragma once

// The desktop of a design window that runs sections without a user (the
// batches of vexa-calc, the sections of a network): the boxes a section shows
// are kept as its messages, every question is answered No and every dialog
// Cancel, a modal window runs the batch's own action, and a calculation that
// outlasts the time limit stops with a message naming it.

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/platform_services.h"

namespace vexa {

// Why a calculation stopped by a time limit stops.
std::string calculationTimedOut(double seconds);

class HeadlessPlatform : public PlatformServices {
public:
    struct Box {
        bool error = false;  // an error box, not a message
        std::string text;
    };

    explicit HeadlessPlatform(std::optional<double> timeLimitSeconds = std::nullopt) : timeLimit_(timeLimitSeconds) {}

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
    void terminate() override {}

    // What the batch does in every modal window while it is shown; a window
    // still open afterwards is closed by its frame's close control.
    void setModalAction(std::function<void(Form&)> action) { modalAction_ = std::move(action); }

    // The boxes shown since the last clear(), in order.
    const std::vector<Box>& boxes() const { return boxes_; }
    std::vector<std::string> errors() const;
    void clear() { boxes_.clear(); }

private:
    std::vector<Box> boxes_;
    std::function<void(Form&)> modalAction_;
    std::optional<double> timeLimit_;
    std::optional<std::chrono::steady_clock::time_point> calculationStart_;
};

}  // namespace vexa
