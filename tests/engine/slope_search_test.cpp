#include "engine/slope_search.h"

#include <gtest/gtest.h>

#include <cmath>

#include "catalogue/design_choices.h"
#include "engine/hydraulics.h"
#include "engine_fixture.h"

namespace vexa {
namespace {

class SlopeSearch : public testing_support::EngineFixture {
protected:
    void SetUp() override {
        pvc = addType("PVC", "N", 0.25, {{160, 150.6}, {200, 188.2}, {250, 235.4}});
        selectType(0);
        state.k = 0.00025L;
        state.i = 0.005L;
    }
    extended fullFlow(double din) const { return Przeplyw100(din * 0.001L, state.k, state.i); }

    int pvc = 0;
};

TEST_F(SlopeSearch, WithoutCriterionTheFirstPipeWhoseFullFlowExceedsQWins) {
    state.Q = fullFlow(150.6);  // exactly full: rejected
    EXPECT_EQ(Obl_iconst(context), 2);
    EXPECT_EQ(state.start, 1);
    EXPECT_EQ(state.stop, 3);
    EXPECT_EQ(state.d, 188.2 * 0.001L);
    state.Q = std::nextafter(fullFlow(150.6), 0.0L);
    EXPECT_EQ(Obl_iconst(context), 1);
    EXPECT_LT(state.hnd, 100);
}

TEST_F(SlopeSearch, FailedSearchKeepsTheResultsOfTheLastPipeThatCarriedTheFlow) {
    RadioGroup3.setItemIndex(pipe_criterion::kSelfCleaning);
    state.taumin = 50;  // which no pipe reaches
    state.Q = 10;
    EXPECT_EQ(Obl_iconst(context), 0);
    EXPECT_EQ(state.d, 235.4 * 0.001L);
    EXPECT_TRUE(state.err_tau);
    EXPECT_GT(state.hnd, 0);
}

TEST_F(SlopeSearch, FixedDiameterTooSmallGivesNothingAtConstantSlope) {
    ComboSred.setItemIndex(1);
    state.Q = 30;
    EXPECT_EQ(Obl_iconst(context), 0);
    EXPECT_EQ(state.start, 1);
    EXPECT_EQ(state.stop, 1);
}

TEST_F(SlopeSearch, ARangeThatLandsOnItsUpperEndWalksThatSlopeToo) {
    // 0,5 + 0,1 + 0,1 per mille lands exactly on 0,7 per mille. A flow that
    // only the last slope carries, above and below 1 l/s (the halving search
    // and the slope-by-slope walk).
    for (const double din : {150.6, 15.06}) {
        pvc = addType("P" + std::to_string(din), "N", 0.25, {{din + 5, din}});
        selectType(catalogue->ilosc_typow - 1);
        extended i = 0.0005L;
        i = i + 0.0001L;
        const extended below = Przeplyw100(din * 0.001L, state.k, i);
        i = i + 0.0001L;
        ASSERT_EQ(i, 0.7L * 0.001L);
        state.Q = (below + Przeplyw100(din * 0.001L, state.k, i)) / 2;
        Bistart.Text = "0,5";
        Bistop.Text = "0,7";
        EXPECT_EQ(Obl_imin(context), 1) << din;
        EXPECT_EQ(state.i, i) << din;
    }
}

TEST_F(SlopeSearch, TheWallOfAnSdrPipeIsTakenInThousandthsBeforeTheSdrDivides) {
    // For 110 mm at SDR 11 the order of the operations shows in the last bit.
    addType("PE", "SDR", 0.25, {{110, 0}});
    selectType(1);
    setSdrList({"11,0"}, 0);
    state.Q = 1;
    Obl_iconst(context);
    EXPECT_EQ(state.d, 0xb.851eb851eb851ebp-7L);
}

TEST_F(SlopeSearch, MinimisationEndsWhereAStepNoLongerChangesTheSlope) {
    state.Q = 1e30L;  // carried nowhere
    Bistart.Text = "1e19";
    Bistop.Text = "1e30";
    EXPECT_EQ(Obl_imin(context), 0);
    EXPECT_EQ(state.i, 1e16L);
}

TEST_F(SlopeSearch, MinimisationRaisesTheSlopeUntilTheFixedDiameterCarries) {
    ComboSred.setItemIndex(1);
    state.Q = 30;
    Bistart.Text = "5";
    Bistop.Text = "40";
    const int found = Obl_imin(context);
    EXPECT_EQ(found, 1);
    EXPECT_GT(state.qm, 30);
    // One step lower it did not carry the flow.
    EXPECT_LE(Przeplyw100(150.6 * 0.001L, state.k, state.i - 0.0001L), 30);
}

TEST_F(SlopeSearch, SlopeGridIsAccumulatedInSteps) {
    RadioGroup3.setItemIndex(pipe_criterion::kSelfCleaning);
    state.taumin = 50;  // fails at every slope of the range
    state.Q = 10;
    Bistart.Text = "2";
    Bistop.Text = "3";
    EXPECT_EQ(Obl_imin(context), 0);
    extended expected = 0.002L;
    for (int step = 0; step < 11; ++step) expected = expected + 0.0001L;
    EXPECT_EQ(state.i, expected);  // the first slope above the range
    EXPECT_GT(state.i, 0.003L);
    EXPECT_LT(state.i - 0.003L, 0.0001L);
}

TEST_F(SlopeSearch, EqualOrInvertedRangeExaminesTheStartSlopeOnly) {
    RadioGroup3.setItemIndex(pipe_criterion::kSelfCleaning);
    state.taumin = 50;
    state.Q = 10;
    Bistart.Text = Bistop.Text = "4";
    EXPECT_EQ(Obl_imin(context), 0);
    EXPECT_EQ(state.i, 4 * 0.001L + 0.0001L);
    Bistart.Text = "9";
    Bistop.Text = "4";
    EXPECT_EQ(Obl_imin(context), 0);
    EXPECT_EQ(state.i, 9 * 0.001L + 0.0001L);  // the text's number times 0.001
}

TEST_F(SlopeSearch, CriterionOutsideTheListRejectsEveryDiameter) {
    RadioGroup3.setItemIndex(-1);
    state.Q = 5;
    EXPECT_EQ(Obl_iconst(context), 0);
}

TEST_F(SlopeSearch, TypeWithoutDiametersExaminesNothing) {
    addType("Empty", "N", 0.25, {});
    selectType(1);
    state.Q = 5;
    state.d = 0.123L;
    EXPECT_EQ(Obl_iconst(context), 0);
    Bistart.Text = "1";
    Bistop.Text = "2";
    EXPECT_EQ(Obl_imin(context), 0);
    EXPECT_EQ(state.d, 0.123L);
}

TEST_F(SlopeSearch, SdrPipeWallFollowsTheSdr) {
    addType("PE", "SDR", 0.25, {{160, 999}, {200, 999}});
    selectType(1);
    setSdrList({"41,0", "17,0"}, 0);
    state.Q = 5;
    EXPECT_EQ(Obl_iconst(context), 1);
    EXPECT_EQ(state.d, 0.001L * 160 - (2 * 160.0 * 0.001L) / 41);
    ComboSDR.setItemIndex(1);
    EXPECT_EQ(Obl_iconst(context), 1);
    EXPECT_EQ(state.sdr, 17);
    EXPECT_EQ(state.d, 0.001L * 160 - (2 * 160.0 * 0.001L) / 17);
}

}  // namespace
}  // namespace vexa
