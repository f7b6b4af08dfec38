// Typical designs on the bundled catalogue. Expected texts were worked out
// with tools/reference_design.py (written apart from this code) and checked
// by hand for the first: a 160/152 mm pipe at 5 per mille with k = 0,4 mm
// carries 13,5 l/s full, so 5 l/s fills it to 47 % at 0,59 m/s.

#include <gtest/gtest.h>

#include "catalogue/design_choices.h"
#include "design_window_fixture.h"

namespace vexa {
namespace {

using Results = std::vector<std::string>;

class BundledDesigns : public testing_support::DesignWindowFixture {
protected:
    void SetUp() override { startWith(std::filesystem::path(VEXA_SOURCE_DIR) / "pipe_vexa.dat"); }
    static constexpr int kPvcSn2 = 0, kPvcSn4 = 1, kZorka = 4, kKlomex = 5, kPeHd = 6, kPe100 = 7, kOptimalN = 9,
                         kOptimalT = 10;
};

TEST_F(BundledDesigns, SmallDomesticFlowIn160PvcAt5PerMille) {
    pickSewage(sewage_kind::kDomestic);
    pickType(kPvcSn4);
    pickPipeCriterion(pipe_criterion::kNormativeVentilation);
    calculate("5", "5");
    EXPECT_EQ(results(),
              (Results{"160 / 152", " DP-102-0160", "N", "0,40", "5,0", "47", "1,79", "0,59", "nie", "tak"}));
}

TEST_F(BundledDesigns, SelfCleaningDomesticSewerNeedsASteeperSmallerPipe) {
    pickSewage(sewage_kind::kDomestic);
    pickType(kPvcSn4);
    pickPipeCriterion(pipe_criterion::kSelfCleaningAndVentilation);
    minimise("5", "20");
    calculate("5", "5");
    EXPECT_EQ(results(),
              (Results{"125 / 118,6", " DP-102-0125", "N", "0,40", "7,6", "60", "2,48", "0,71", "tak", "tak"}));
}

TEST_F(BundledDesigns, DomesticCollectorWithManyManholes) {
    pickSewage(sewage_kind::kDomestic);
    pickLosses(local_losses::kLarge);
    pickType(kPvcSn4);
    pickPipeCriterion(pipe_criterion::kSelfCleaningAndVentilation);
    calculate("30", "3");
    EXPECT_EQ(results(),
              (Results{"315 / 299,6", " DP-102-0315", "N", "0,75", "3,0", "56", "2,36", "0,73", "tak", "tak"}));
}

TEST_F(BundledDesigns, StormSewersOfSeveralFamilies) {
    pickType(kPvcSn2);
    pickPipeCriterion(pipe_criterion::kSelfCleaning);
    calculate("120", "2");
    EXPECT_EQ(results(),
              (Results{"450 / 432,4", " DP-101-0450", "L", "0,25", "2,0", "79", "2,60", "0,98", "tak", "tak"}));

    pickSewage(sewage_kind::kRainNormative);
    pickType(kZorka);
    calculate("250", "2");
    EXPECT_EQ(results(), (Results{"600", " DP-201-0600", "T", "0,25", "2,0", "74", "3,50", "1,17", "tak", "tak"}));

    pickSewage(sewage_kind::kRainRecommended);
    pickType(kKlomex);
    pickPipeCriterion(pipe_criterion::kSelfCleaningAndVentilation);
    calculate("40", "4");
    EXPECT_EQ(results(),
              (Results{"315 / 271", " DP-202-0315", "T", "0,25", "4,0", "67", "3,12", "0,98", "tak", "tak"}));

    pickPipeCriterion(pipe_criterion::kNone);
    pickType(kPeHd);
    calculate("400", "1,5");
    EXPECT_EQ(results(), (Results{"800", " DP-301-0800", "N", "0,25", "1,5", "67", "3,39", "1,16", "tak", "tak"}));
}

TEST_F(BundledDesigns, Pe100WithSdr33ForDomesticSewage) {
    pickSewage(sewage_kind::kDomestic);
    pickType(kPe100);
    pickSdr(1);
    pickPipeCriterion(pipe_criterion::kSelfCleaningAndVentilation);
    calculate("60", "3");
    EXPECT_EQ(results(),
              (Results{"355 / 333", " DP-401-0355-SDR33", "SDR", "0,40", "3,0", "69", "2,91", "0,93", "tak", "tak"}));
}

TEST_F(BundledDesigns, OptimalPipesForADomesticCollector) {
    pickSewage(sewage_kind::kDomestic);
    pickPipeCriterion(pipe_criterion::kSelfCleaningAndVentilation);
    pickType(kOptimalN);
    calculate("30", "4");
    EXPECT_EQ(results(),
              (Results{"315 / 271", " DP-202-0315", "N", "0,50", "4,0", "59", "2,95", "0,85", "tak", "tak"}));

    pickType(kOptimalT);
    minimise("2", "10");
    calculate();
    EXPECT_EQ(results(), (Results{"300", " DP-201-0300", "T", "0,50", "2,6", "59", "2,08", "0,72", "tak", "tak"}));
    EXPECT_EQ(platform.messages().size(), 2U);  // each optimal item was explained once
}

}  // namespace
}  // namespace vexa
