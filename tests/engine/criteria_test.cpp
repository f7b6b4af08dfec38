#include "engine/criteria.h"

#include <gtest/gtest.h>

#include <cmath>

#include "catalogue/design_choices.h"
#include "engine/hydraulics.h"
#include "engine_fixture.h"

namespace vexa {
namespace {

class Criteria : public testing_support::EngineFixture {
protected:
    // A pipe that passes both criteria unless a test changes it.
    void examined(extended d, extended hnd, extended vwy = 1, extended tau = 3) {
        state.d = d;
        state.hnd = hnd;
        state.vwy = vwy;
        state.tau = tau;
        Err_hd_tau_control(context);
    }
};

TEST_F(Criteria, SelfCleaningNeedsShearStressAndVelocityStrictlyAbove) {
    state.taumin = 2.0L;
    examined(0.2L, 50, 0.72L, 2.0L);
    EXPECT_TRUE(state.err_tau);  // tau equal to taumin
    examined(0.2L, 50, 0.71L, 2.1L);
    EXPECT_TRUE(state.err_tau);  // velocity equal to 0.71
    examined(0.2L, 50, std::nextafter(0.71L, 1.0L), std::nextafter(2.0L, 3.0L));
    EXPECT_FALSE(state.err_tau);
}

TEST_F(Criteria, RainWaterHasNoVentilationLimit) {
    for (int kind : {sewage_kind::kRainRecommended, sewage_kind::kRainNormative}) {
        RadioGroup1.setItemIndex(kind);
        examined(0.2L, 100);
        EXPECT_FALSE(state.err_hd) << kind;
    }
}

TEST_F(Criteria, DomesticLimitFollowsTheInnerDiameterStrictly) {
    RadioGroup1.setItemIndex(sewage_kind::kDomestic);
    const extended d315 = 315.0 * 0.001L, d500 = 500.0 * 0.001L;
    examined(d315, 60);
    EXPECT_TRUE(state.err_hd);  // limit 60 up to and including 0.315 m
    examined(d315, std::nextafter(60.0L, 0.0L));
    EXPECT_FALSE(state.err_hd);
    examined(std::nextafter(d315, 1.0L), 69.9L);
    EXPECT_FALSE(state.err_hd);  // limit 70 above 0.315 m
    examined(d500, 70);
    EXPECT_TRUE(state.err_hd);  // limit 70 up to and including 0.5 m
    examined(0.5001L, 79.9L);
    EXPECT_FALSE(state.err_hd);  // limit 80 above
    examined(0.5001L, 80);
    EXPECT_TRUE(state.err_hd);
    // 500 * 0.001 lies one unit below 0.5: the limits at the boundaries themselves.
    const FillingLimitRule rule = fillingLimitRule(context);
    EXPECT_EQ(rule.limitFor(0.315L), 60);
    EXPECT_EQ(rule.limitFor(0.5L), 70);
}

TEST_F(Criteria, GivenLimitAppliesToEverySewageKind) {
    RadioGroup3.setItemIndex(pipe_criterion::kGivenFilling);
    Bwyp.Text = "50,5";
    for (int kind : {sewage_kind::kRainRecommended, sewage_kind::kDomestic}) {
        RadioGroup1.setItemIndex(kind);
        examined(0.8L, 50.5L);
        EXPECT_TRUE(state.err_hd);
        examined(0.8L, 50.4L);
        EXPECT_FALSE(state.err_hd);
    }
}

TEST_F(Criteria, WholeNumberLimitPassesOnlyFillingsFoundJustBelowIt) {
    // The filling of step n compared with the user's limit n.
    RadioGroup3.setItemIndex(pipe_criterion::kGivenFilling);
    extended x = 0.01L;
    for (int n = 1; n <= 100; ++n, x = x + 0.01L) {
        Bwyp.Text = std::to_string(n);
        examined(0.3L, Obl_wypelnienie(fillingFlowRatio(x), 1));
        const bool below = (n >= 5 && n <= 15) || n >= 30;
        EXPECT_EQ(state.err_hd, !below) << "step " << n;
    }
}

TEST_F(Criteria, OptimalItemsFixTheSdrOfTheirClass) {
    addType("A", "N", 0.25, {{160, 150.6}});
    selectType(1);  // class N item
    Okresl_sdr(context);
    EXPECT_EQ(state.sdr, 33);
    selectType(2);  // class T item
    Okresl_sdr(context);
    EXPECT_EQ(state.sdr, 23.4L);
    state.sdr = 27;
    selectType(0);  // a catalogue type without SDR list: sdr stays
    Okresl_sdr(context);
    EXPECT_EQ(state.sdr, 27);
}

TEST_F(Criteria, SdrIsReadBackFromTheSelectedItemText) {
    addType("PE", "SDR", 0.25, {{110, 0}, {710, 0}});
    catalogue->dout_max = 630;
    catalogue->sdr_max = 26;
    selectType(0);
    setSdrList({"41,0", "33,0", "27,6", "17,0"}, 2);
    Okresl_sdr(context);
    EXPECT_EQ(state.sdr, 27.6L);  // the extended value of the text, not the double 27.6

    ComboSred.setItemIndex(2);  // 710 mm: above the limit, and 17 < 26
    ComboSDR.setItemIndex(3);
    Okresl_sdr(context);
    EXPECT_EQ(ComboSDR.ItemIndex(), 2);  // 27,6 is at or above the limit
    EXPECT_EQ(state.sdr, 27.6L);

    ComboSred.setItemIndex(0);  // "dowolna" never moves the selection
    ComboSDR.setItemIndex(3);
    Okresl_sdr(context);
    EXPECT_EQ(ComboSDR.ItemIndex(), 3);
    EXPECT_EQ(state.sdr, 17);
}

TEST_F(Criteria, SdrSelectionStopsAtTheFirstEntry) {
    addType("PE", "SDR", 0.25, {{800, 0}});
    catalogue->dout_max = 630;
    catalogue->sdr_max = 50;  // no entry reaches it
    selectType(0);
    setSdrList({"41,0", "33,0"}, 1);
    ComboSred.setItemIndex(1);
    Okresl_sdr(context);
    EXPECT_EQ(ComboSDR.ItemIndex(), 0);
    EXPECT_EQ(state.sdr, 41);
}

}  // namespace
}  // namespace vexa
