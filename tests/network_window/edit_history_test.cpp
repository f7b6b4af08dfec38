// Undo, redo and the saved point: "changed" follows the states the document
// passes through, not the depth of the undo stack.

#include "network_window/edit_history.h"

#include <gtest/gtest.h>

#include <string>

namespace vexa {
namespace {

TEST(EditHistory, AnEditAfterUndoingPastTheSavedPointIsAChange) {
    EditHistory<std::string> history(100);
    EXPECT_FALSE(history.modified());
    history.record("a");
    history.markSaved();
    EXPECT_EQ(history.undo(), "a");
    EXPECT_TRUE(history.modified());
    history.record("b");  // as deep as the saved state, and another one
    EXPECT_TRUE(history.modified());
    EXPECT_FALSE(history.canRedo());  // "a" cannot come back
    EXPECT_EQ(history.undo(), "b");
    EXPECT_TRUE(history.modified());
}

TEST(EditHistory, UndoingOrRedoingBackToTheSavedPointIsNoChange) {
    EditHistory<std::string> history(100);
    history.record("a");
    history.record("b");
    history.markSaved();
    history.undo();
    history.undo();
    EXPECT_TRUE(history.modified());
    EXPECT_EQ(history.redo(), "a");
    EXPECT_EQ(history.redo(), "b");
    EXPECT_FALSE(history.modified());
    EXPECT_FALSE(history.canRedo());
    history.undo();
    history.restart();  // a file opened: nothing to undo, nothing changed
    EXPECT_FALSE(history.canUndo() || history.canRedo() || history.modified());
}

TEST(EditHistory, OnlyTheNewestStepsAreKeptAndTheForgottenSavedStateStaysBehind) {
    EditHistory<int> history(3);
    for (int step = 1; step <= 4; ++step) history.record(step);
    EXPECT_EQ(history.undoSteps(), 3U);
    EXPECT_EQ(history.undo(), 4);
    EXPECT_EQ(history.undo(), 3);
    EXPECT_EQ(history.undo(), 2);
    EXPECT_FALSE(history.canUndo());
    EXPECT_TRUE(history.modified());  // the saved state went with step 1
}

}  // namespace
}  // namespace vexa
