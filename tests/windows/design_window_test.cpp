// The design window driven as a user would, on the small test catalogue.
// Expected result texts were worked out with tools/reference_design.py, an
// implementation of the design rules written apart from this code.

#include <gtest/gtest.h>

#include "catalogue/design_choices.h"
#include "design_window_fixture.h"
#include "windows/design_window_texts.h"

namespace vexa {
namespace {

using Results = std::vector<std::string>;
const char* const kNoPipe = "W tej klasie rur nie można spełnić\r\npodanych warunków";

class DesignWindow : public testing_support::DesignWindowFixture {
protected:
    void SetUp() override { startWith(std::filesystem::path(VEXA_TEST_DATA_DIR) / "small_catalogue.dat"); }

    // Type positions in the small catalogue.
    static constexpr int kPvc = 0, kYellow = 1, kPeHd = 2, kZorka = 3, kKlomex = 4, kPe100 = 5, kPpHm = 6,
                         kOptimalN = 7, kOptimalT = 8;
};

TEST_F(DesignWindow, StartsEmptyWithRainWaterSmallLossesAndNoCriterion) {
    EXPECT_EQ(results(), noResults());
    EXPECT_EQ(form().Bnazod.Text, "Odcinek nr 1");
    EXPECT_EQ(form().RadioGroup1.ItemIndex(), sewage_kind::kRainRecommended);
    EXPECT_EQ(form().RadioGroup4.ItemIndex(), local_losses::kSmall);
    EXPECT_EQ(form().RadioGroup2.ItemIndex(), slope_criterion::kKeep);
    EXPECT_EQ(form().RadioGroup3.ItemIndex(), pipe_criterion::kNone);
    EXPECT_FALSE(form().ComboSDR.Visible);
    EXPECT_FALSE(form().LabelSDR.Visible);
    EXPECT_FALSE(form().Bwyp.Visible);
    EXPECT_FALSE(form().Memo1.Visible);
    EXPECT_TRUE(form().ComboSred.Visible);
    EXPECT_EQ(form().Memo1.Lines,
              (std::vector<std::string>{"Ductora Polska S.A. - projektowanie sieci kanalizacji zewnętrznej",
                                        std::string(72, '=')}));
    ASSERT_EQ(form().Combo_Typ.Count(), 9);
    EXPECT_EQ(form().Combo_Typ.Items[0], "PVC lita SN4         klasa N      k=0,25 mm");
    EXPECT_EQ(form().Combo_Typ.Items[1], "Rura żółta próbna    klasa L      k=0,1 mm");
    EXPECT_EQ(form().Combo_Typ.Items[7], "Rura optymalna - klasa N");
    EXPECT_EQ(form().Combo_Typ.ItemIndex(), 0);
    EXPECT_EQ(form().ComboSred.Items, (std::vector<std::string>{"dowolna", "160", "200", "250", "315", "400", "500"}));
    EXPECT_EQ(state().sdr, 41);
    EXPECT_FALSE(state().obliczone);
    EXPECT_TRUE(platform.events().empty());
}

TEST_F(DesignWindow, ConstantSlopeWithoutCriterionTakesTheFirstPipeThatCarriesTheFlow) {
    calculate("10", "5");
    EXPECT_EQ(results(), (Results{"160 / 150,6", " PVC4-160", "N", "0,25", "5,0", "69", "2,19", "0,76", "tak", "tak"}));
    EXPECT_TRUE(state().obliczone);
    EXPECT_EQ(form().Label2.Caption, design_texts::kOuterAndInnerDiameter);
    EXPECT_TRUE(platform.events().empty());
}

TEST_F(DesignWindow, DomesticSewageWithLargeLossesAndNormativeVentilation) {
    pickSewage(sewage_kind::kDomestic);
    pickLosses(local_losses::kLarge);
    pickPipeCriterion(pipe_criterion::kNormativeVentilation);
    calculate("30", "3");
    EXPECT_EQ(results(), (Results{"315 / 296,6", " PVC4-315", "N", "0,75", "3,0", "57", "2,36", "0,73", "tak", "tak"}));
}

TEST_F(DesignWindow, GivenFillingLimitAppliesToRainWater) {
    pickPipeCriterion(pipe_criterion::kGivenFilling);
    EXPECT_TRUE(form().Bwyp.Visible);
    type(form().Bwyp, "50");
    calculate("30", "3");
    EXPECT_EQ(results(), (Results{"400 / 376,6", " PVC4-400", "N", "0,25", "3,0", "39", "2,33", "0,75", "tak", "tak"}));
}

TEST_F(DesignWindow, SelfCleaningCriteriaThatNoPipeMeetsShowTheFailureMessage) {
    pickSewage(sewage_kind::kDomestic);
    pickPipeCriterion(pipe_criterion::kSelfCleaningAndVentilation);
    calculate("10", "5");
    EXPECT_EQ(platform.errors(), std::vector<std::string>{kNoPipe});
    EXPECT_EQ(results(), noResults());
    EXPECT_FALSE(state().obliczone);

    platform.clear();
    pickSewage(sewage_kind::kRainNormative);
    pickLosses(local_losses::kLarge);
    pickPipeCriterion(pipe_criterion::kSelfCleaning);
    EXPECT_EQ(form().RadioGroup3.Items[pipe_criterion::kSelfCleaning], "Dobór dla samooczyszczania ( tau > 2.5 [Pa]");
    calculate();
    EXPECT_EQ(platform.errors(), std::vector<std::string>{kNoPipe});
}

TEST_F(DesignWindow, TooLargeAFlowForEveryDiameterFails) {
    calculate("500", "1");
    EXPECT_EQ(platform.errors(), std::vector<std::string>{kNoPipe});
    EXPECT_EQ(results(), noResults());
}

TEST_F(DesignWindow, ResultsThatWouldNotBeFiniteAreRefusedInsteadOfShown) {
    calculate("10", "5");
    calculate("5", "1e4932");  // the shear stress would overflow
    EXPECT_EQ(platform.errors(), std::vector<std::string>{design_texts::kResultNotFinite});
    EXPECT_EQ(results(), noResults());
    EXPECT_FALSE(state().obliczone);
}

TEST_F(DesignWindow, AFaultInAReactionIsShownAndLeavesTheDesignStateAsItWas) {
    calculate("10", "5");
    const DesignState before = state();
    form().Flow.OnClick = [this] {
        state().Q = 99;
        throw std::out_of_range("array::at");
    };
    act([&] { form().Flow.userClick(); });
    EXPECT_EQ(platform.errors(), std::vector<std::string>{"Nieoczekiwany błąd programu: array::at"});
    EXPECT_EQ(state().Q, before.Q);
}

TEST_F(DesignWindow, ACancelledCalculationEndsWithoutResultAndTheWindowWorksAtOnce) {
    calculate("10", "5");
    platform.cancelCalculationAtReport(3);
    minimise("0,5", "1e12");  // no pipe carries this flow: a search of days
    calculate("1e12", "5");
    EXPECT_EQ(platform.progressReports().size(), 3U);
    EXPECT_EQ(platform.progressReports().back().rfind("Spadek: ", 0), 0U);
    EXPECT_EQ(platform.errors(), std::vector<std::string>{kCalculationCancelled});
    EXPECT_EQ(results(), noResults());
    EXPECT_FALSE(state().obliczone);

    pickSlopeCriterion(slope_criterion::kKeep);
    calculate("10", "5");
    EXPECT_TRUE(state().obliczone);
    EXPECT_EQ(platform.errors().size(), 1U);
}

TEST_F(DesignWindow, SlopeMinimisationFindsTheLowestSlopeOnTheGrid) {
    pickSewage(sewage_kind::kDomestic);
    pickPipeCriterion(pipe_criterion::kSelfCleaningAndVentilation);
    minimise("2", "10");
    calculate("10", "5");
    EXPECT_EQ(results(), (Results{"200 / 188,2", " PVC4-200", "N", "0,40", "5,2", "50", "2,38", "0,72", "tak", "tak"}));
}

TEST_F(DesignWindow, SlopeMinimisationOverOneSlopeOnly) {
    pickSewage(sewage_kind::kDomestic);
    pickPipeCriterion(pipe_criterion::kSelfCleaningAndVentilation);
    minimise("4", "4");  // the single slope 4 meets nothing
    calculate("10", "5");
    EXPECT_EQ(platform.errors(), std::vector<std::string>{kNoPipe});
    EXPECT_GT(state().i, 0.004L);  // one step above the range

    platform.clear();
    minimise("8", "4");  // a start above the stop: only the start is examined
    calculate();
    EXPECT_TRUE(platform.events().empty());
    EXPECT_EQ(results(), (Results{"200 / 188,2", " PVC4-200", "N", "0,40", "8,0", "45", "3,42", "0,83", "tak", "tak"}));
}

TEST_F(DesignWindow, FixedDiameterIsTheOnlyOneExamined) {
    pickDiameter(1);  // 160
    calculate("10", "5");
    EXPECT_EQ(results()[0], "160 / 150,6");

    pickPipeCriterion(pipe_criterion::kSelfCleaningAndVentilation);
    minimise("1", "30");
    calculate();
    EXPECT_EQ(results(), (Results{"160 / 150,6", " PVC4-160", "N", "0,25", "4,1", "75", "1,85", "0,71", "tak", "tak"}));
}

TEST_F(DesignWindow, FamiliesListedByInnerDiameterShowOneDiameter) {
    pickType(kPeHd);
    calculate("50", "3");
    EXPECT_EQ(form().Label2.Caption, design_texts::kInnerDiameterOnly);
    EXPECT_EQ(results(), (Results{"300", " PEHD-300", "N", "0,25", "3,0", "75", "2,64", "0,93", "tak", "tak"}));

    pickType(kZorka);
    calculate("10", "5");
    EXPECT_EQ(results(), (Results{"150", " ZOR-150", "T", "0,25", "5,0", "74", "2,16", "0,77", "tak", "tak"}));

    pickType(kPvc);
    calculate();
    EXPECT_EQ(form().Label2.Caption, design_texts::kOuterAndInnerDiameter);
    EXPECT_EQ(results()[0], "160 / 150,6");
}

TEST_F(DesignWindow, SdrTypesTakeTheirListAndTheWallFromTheSdr) {
    pickType(kPe100);
    ASSERT_TRUE(form().ComboSDR.Visible);
    EXPECT_TRUE(form().LabelSDR.Visible);
    EXPECT_EQ(form().ComboSDR.Items, (std::vector<std::string>{"41,0", "33,0", "26,0", "17,0", "11,0"}));
    calculate("20", "5");
    EXPECT_EQ(results(),
              (Results{"200 / 190", " PE-200-SDR41", "SDR", "0,25", "5,0", "73", "2,82", "0,91", "tak", "tak"}));

    pickType(kPpHm);
    EXPECT_EQ(form().ComboSDR.Items, (std::vector<std::string>{"41,0", "33,0", "27,6", "22,0"}));
    calculate();
    EXPECT_EQ(results()[1], " PP-200-SDR41");

    pickType(kPvc);  // another class hides the SDR list and keeps its items
    EXPECT_FALSE(form().ComboSDR.Visible);
    EXPECT_EQ(form().ComboSDR.Count(), 4);
}

TEST_F(DesignWindow, DiameterAboveTheLimitMovesTheSdrSelectionBack) {
    pickType(kPe100);
    pickSdr(3);                                 // SDR 17
    pickDiameter(8);                            // 710 mm, above dout_max 630
    EXPECT_EQ(form().ComboSDR.ItemIndex(), 1);  // back to 33, the SDR limit
    EXPECT_EQ(state().sdr, 33);
    calculate("150", "2");
    EXPECT_EQ(results(),
              (Results{"710 / 667", " PE-710-SDR33", "SDR", "0,25", "2,0", "45", "3,03", "0,96", "tak", "tak"}));

    pickDiameter(7);  // 630 mm is not above the limit
    pickSdr(3);
    EXPECT_EQ(form().ComboSDR.ItemIndex(), 3);
    calculate();
    EXPECT_EQ(results(),
              (Results{"630 / 556", " PE-630-SDR17", "SDR", "0,25", "2,0", "59", "3,03", "1,01", "tak", "tak"}));
}

TEST_F(DesignWindow, OptimalPipeAtConstantSlopeIsTheSmallestInnerDiameter) {
    pickType(kOptimalN);
    EXPECT_FALSE(form().ComboSred.Visible);
    EXPECT_FALSE(form().Label9.Visible);
    calculate("10", "5");
    EXPECT_EQ(results(), (Results{"160 / 137", " KLX-160", "N", "0,25", "5,0", "85", "2,03", "0,76", "tak", "tak"}));
    EXPECT_EQ(state().rurtyp, 5);  // the catalogue type of the best pipe
    EXPECT_EQ(form().Combo_Typ.ItemIndex(), kOptimalN);

    pickType(kOptimalT);
    calculate();
    EXPECT_EQ(results()[2], "T");
}

TEST_F(DesignWindow, OptimalPipeWithMinimisationIsTheSmallestOuterDiameter) {
    pickSewage(sewage_kind::kDomestic);
    pickPipeCriterion(pipe_criterion::kSelfCleaningAndVentilation);
    minimise("2", "10");
    pickType(kOptimalN);
    calculate("20", "5");
    EXPECT_EQ(results(), (Results{"250 / 235,4", " PVC4-250", "N", "0,40", "3,3", "60", "2,13", "0,73", "tak", "tak"}));
    pickType(kOptimalT);
    calculate("40", "5");
    EXPECT_EQ(results(), (Results{"300", " ZOR-300", "T", "0,50", "4,2", "60", "3,39", "0,93", "tak", "tak"}));
    EXPECT_EQ(form().ComboSred.ItemIndex(), 0);
}

TEST_F(DesignWindow, OptimalSdrPipeShowsTheFixedSdrOfItsClass) {
    // Only the PE 100 candidate carries this flow; its wall follows the class.
    pickType(kOptimalN);
    calculate("300", "2");
    EXPECT_EQ(results(),
              (Results{"630 / 592", " PE-630-SDR33", "SDR", "0,25", "2,0", "86", "3,50", "1,22", "tak", "tak"}));
    pickType(kOptimalT);
    calculate();
    EXPECT_EQ(results(),
              (Results{"710 / 649", " PE-710-SDR23,4", "SDR", "0,25", "2,0", "70", "3,79", "1,22", "tak", "tak"}));
    EXPECT_EQ(state().sdr, 23.4L);
}

TEST_F(DesignWindow, OptimalItemsAreExplainedWhenPicked) {
    pickType(kOptimalN);
    pickType(kOptimalT);
    EXPECT_EQ(platform.messages(),
              (std::vector<std::string>{"Wybór rury optymalnej klasy N spośród typów:\r\n- PVC lita\r\n- ZORKA\r\n"
                                        "- KLOMEX   ( klasa T)\r\n- PE 100  (SDR=33)",
                                        "Wybór rury optymalnej klasy T spośród typów:\r\n- PVC lita\r\n- ZORKA\r\n"
                                        "- KLOMEX   ( klasa T)\r\n- PE 100  (SDR=23,4)"}));
    platform.clear();
    pickType(kPvc);
    EXPECT_TRUE(platform.events().empty());
}

TEST_F(DesignWindow, SewageKindAndLossesRefillTheTypeListKeepingTheSelection) {
    pickType(kOptimalT);
    pickSewage(sewage_kind::kDomestic);
    EXPECT_EQ(state().taumin, 2.0L);
    EXPECT_EQ(form().RadioGroup3.Items[pipe_criterion::kSelfCleaning], "Dobór dla samooczyszczania ( tau > 2.0 [Pa]");
    EXPECT_EQ(form().Combo_Typ.ItemIndex(), kOptimalT);
    EXPECT_EQ(form().Combo_Typ.Items[0], "PVC lita SN4         klasa N      k=0,40 mm");
    EXPECT_EQ(form().Bkl.Text, "");

    pickType(kYellow);
    pickLosses(local_losses::kLarge);
    EXPECT_EQ(form().Combo_Typ.Items[1], "Rura żółta próbna    klasa L      k=0,40 mm");
    EXPECT_EQ(form().Bkl.Text, "L");
    pickSewage(sewage_kind::kRainNormative);
    EXPECT_EQ(state().taumin, 2.5L);
    pickSewage(sewage_kind::kRainRecommended);
    EXPECT_EQ(state().taumin, 1.5L);
    EXPECT_EQ(form().Combo_Typ.Items[1], "Rura żółta próbna    klasa L      k=0,20 mm");
    pickLosses(local_losses::kSmall);
    EXPECT_EQ(form().Combo_Typ.Items[1], "Rura żółta próbna    klasa L      k=0,1 mm");
    EXPECT_EQ(form().Combo_Typ.ItemIndex(), kYellow);
}

TEST_F(DesignWindow, FillingFieldIsShownEmptyOnlyForTheGivenFillingCriterion) {
    pickPipeCriterion(pipe_criterion::kGivenFilling);
    type(form().Bwyp, "55");
    pickPipeCriterion(pipe_criterion::kNormativeVentilation);
    EXPECT_FALSE(form().Bwyp.Visible);
    pickPipeCriterion(pipe_criterion::kGivenFilling);
    EXPECT_TRUE(form().Bwyp.Visible);
    EXPECT_EQ(form().Bwyp.Text, "");
}

struct Validation {
    const char* flow;
    const char* slope;
    int pipeCriterion;
    const char* filling;
    int slopeCriterion;
    const char* from;
    const char* to;
    const char* message;
};

class InputValidation : public testing_support::DesignWindowFixture, public testing::WithParamInterface<Validation> {};

TEST_P(InputValidation, FirstFailingCheckShowsItsMessageAndNothingIsComputed) {
    startWith(std::filesystem::path(VEXA_TEST_DATA_DIR) / "small_catalogue.dat");
    const Validation& v = GetParam();
    calculate("10", "5");  // a result that the failed run must clear
    pickPipeCriterion(v.pipeCriterion);
    if (v.pipeCriterion == pipe_criterion::kGivenFilling) type(form().Bwyp, v.filling);
    if (v.slopeCriterion == slope_criterion::kMinimise) minimise(v.from, v.to);
    calculate(v.flow, v.slope);
    EXPECT_EQ(platform.errors(), std::vector<std::string>{v.message});
    EXPECT_EQ(results(), noResults());
    EXPECT_FALSE(state().obliczone);
}

INSTANTIATE_TEST_SUITE_P(
    InOrder, InputValidation,
    testing::Values(Validation{"", "", pipe_criterion::kGivenFilling, "", slope_criterion::kMinimise, "", "",
                               "Nie podano wartości przepływu Q"},
                    Validation{"10", "", pipe_criterion::kGivenFilling, "", slope_criterion::kMinimise, "", "",
                               "Nie podano zadanego spadku"},
                    Validation{"10", "5", pipe_criterion::kGivenFilling, "", slope_criterion::kMinimise, "", "",
                               "Nie podano zadanego wypełnienia"},
                    Validation{"10", "5", pipe_criterion::kGivenFilling, "50", slope_criterion::kMinimise, "2", "",
                               "Nie wypełniono pól minimalizacji spadku"},
                    Validation{"0.99", "0,4", pipe_criterion::kGivenFilling, "0", slope_criterion::kMinimise, "0,1",
                               "1", "Przepływ Q musi być większy od 1,0 [l/s]"},
                    Validation{"1", "0,4", pipe_criterion::kGivenFilling, "0", slope_criterion::kMinimise, "0,1", "1",
                               "Spadek musi być większy od 0,5 [‰]"},
                    Validation{"1", "0.5", pipe_criterion::kGivenFilling, "100.5", slope_criterion::kMinimise, "0,1",
                               "1", "Wypełnienie musi być zawarte w granicach 1-100%"},
                    Validation{"1", "0.5", pipe_criterion::kGivenFilling, "0,9", slope_criterion::kKeep, "", "",
                               "Wypełnienie musi być zawarte w granicach 1-100%"},
                    Validation{"1", "0.5", pipe_criterion::kGivenFilling, "1", slope_criterion::kMinimise, "0.4", "1",
                               "Zadany spadek musi być większy od 0,5 [‰]"},
                    Validation{"1", "0.5", pipe_criterion::kNone, "", slope_criterion::kMinimise, "1", "0,49",
                               "Zadany spadek musi być większy od 0,5 [‰]"}));

TEST_F(DesignWindow, DecimalPointsBecomeCommasInTheFields) {
    pickPipeCriterion(pipe_criterion::kGivenFilling);
    type(form().Bwyp, "99.5");
    minimise("2.5", "10.0");
    calculate("10.5", "5.0");
    EXPECT_EQ(form().Bqwe.Text, "10,5");
    EXPECT_EQ(form().Bimin.Text, "5,0");
    EXPECT_EQ(form().Bwyp.Text, "99,5");
    EXPECT_EQ(form().Bistart.Text, "2,5");
    EXPECT_EQ(form().Bistop.Text, "10,0");
    EXPECT_EQ(state().Q, 10.5L);
}

TEST_F(DesignWindow, EmptyFieldsOfUnselectedCriteriaPassAndBoundsAreInclusive) {
    pickPipeCriterion(pipe_criterion::kNormativeVentilation);  // Bwyp may stay empty
    type(form().Bistart, "");
    calculate("1", "0,5");
    EXPECT_TRUE(platform.errors().empty());
    EXPECT_TRUE(state().obliczone);
    pickPipeCriterion(pipe_criterion::kGivenFilling);
    type(form().Bwyp, "100");
    minimise("0,5", "0,5");
    calculate("1", "0,5");
    EXPECT_EQ(platform.errors(), std::vector<std::string>{});
}

TEST_F(DesignWindow, TextThatIsNoNumberShowsTheConversionErrorAndLeavesTheFieldsCorrected) {
    calculate("1.000.5", "5");
    EXPECT_EQ(platform.errors(), std::vector<std::string>{"'1,000.5' is not a valid floating point value"});
    EXPECT_EQ(form().Bqwe.Text, "1,000.5");
    EXPECT_EQ(results(), noResults());
    EXPECT_FALSE(state().obliczone);

    platform.clear();
    calculate("10", "5");  // the program goes on
    EXPECT_TRUE(platform.events().empty());
    EXPECT_EQ(results()[0], "160 / 150,6");
}

TEST_F(DesignWindow, ShortNumbersArePaddedInTheirFields) {
    pickDiameter(6);  // 500 mm
    calculate("1", "2,5");
    EXPECT_EQ(results(), (Results{"500 / 470,8", " PVC4-500", "N", "0,25", "2,5", " 6", "0,38", "0,23", "nie", "tak"}));
}

TEST_F(DesignWindow, RunFromTheParametricWindowKeepsTheSlopeOnce) {
    pickSewage(sewage_kind::kDomestic);
    pickPipeCriterion(pipe_criterion::kSelfCleaningAndVentilation);
    minimise("2", "10");
    state().do_flow = true;
    calculate("10", "5");  // at 5 per mille the criteria fail
    EXPECT_EQ(platform.errors(), std::vector<std::string>{kNoPipe});
    EXPECT_FALSE(state().do_flow);
    platform.clear();
    calculate();  // minimises again
    EXPECT_EQ(results()[4], "5,2");

    state().do_flow = true;
    calculate("0,5", "5");  // stops at its inputs
    EXPECT_FALSE(state().do_flow);
}

TEST_F(DesignWindow, KoniecEndsTheProgram) {
    act([&] { form().Button2.userClick(); });
    EXPECT_TRUE(platform.terminated());
}

}  // namespace
}  // namespace vexa
