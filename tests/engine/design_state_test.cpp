#include "engine/design_state.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

TEST(DesignState, StartsEmptyAndTakesTheWindowStartValues) {
    DesignState state;
    EXPECT_EQ(state.twind, 0);
    EXPECT_EQ(state.sdr, 0);
    state.rurtyp = 3;
    state.setWindowStartValues();
    EXPECT_EQ(state.odc_number, 1);
    EXPECT_EQ(state.taumin, 1.5L);
    EXPECT_EQ(state.sdr, 41);  // even though no SDR type is selected
    EXPECT_TRUE(state.mempusty);
    EXPECT_FALSE(state.obliczone);  // so a save is refused right after start
    EXPECT_EQ(state.twind, 1);
    EXPECT_FALSE(state.do_flow);
    EXPECT_EQ(state.rurtyp, 3);  // not part of the window's start values
}

}  // namespace
}  // namespace vexa
