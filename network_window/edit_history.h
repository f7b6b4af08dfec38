#pragma once

// The edits of a document that can be undone and redone, and the point at
// which it was last saved. Every state the document passes through gets a
// number of its own, so "changed since saved" is a comparison of states, not
// of undo depths: saving, undoing and then editing anew is a change, and
// undoing or redoing back to the saved state is none.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <utility>

namespace vexa {

template <typename Step>
class EditHistory {
public:
    // At most `mostSteps` edits can be undone; older ones are forgotten.
    explicit EditHistory(std::size_t mostSteps) : mostSteps_(mostSteps) {}

    // An edit made: it can be undone, and what was undone before it can no
    // longer be redone.
    void record(Step step) {
        current_ = nextState_++;
        done_.push_back({std::move(step), current_});
        undone_.clear();
        if (done_.size() > mostSteps_) {
            // The state before the oldest step kept is as far back as undoing reaches.
            oldest_ = done_.front().state;
            done_.pop_front();
        }
    }

    bool canUndo() const { return !done_.empty(); }
    bool canRedo() const { return !undone_.empty(); }
    std::size_t undoSteps() const { return done_.size(); }

    // The last edit, for the caller to take back; only when canUndo().
    const Step& undo() {
        undone_.push_back(std::move(done_.back()));
        done_.pop_back();
        current_ = done_.empty() ? oldest_ : done_.back().state;
        return undone_.back().step;
    }
    // The last edit undone, for the caller to make again; only when canRedo().
    const Step& redo() {
        done_.push_back(std::move(undone_.back()));
        undone_.pop_back();
        current_ = done_.back().state;
        return done_.back().step;
    }

    // The document as it stands has been saved.
    void markSaved() { saved_ = current_; }
    // A document of its own (new, or read from a file): nothing to undo, saved.
    void restart() {
        done_.clear();
        undone_.clear();
        current_ = oldest_ = saved_ = nextState_++;
    }
    bool modified() const { return current_ != saved_; }

private:
    struct Entry {
        Step step;
        std::uint64_t state;  // the document's state once the step is made
    };
    std::size_t mostSteps_;
    std::deque<Entry> done_;
    std::deque<Entry> undone_;
    std::uint64_t nextState_ = 1;
    std::uint64_t current_ = 0;
    std::uint64_t oldest_ = 0;
    std::uint64_t saved_ = 0;
};

}  // namespace vexa
