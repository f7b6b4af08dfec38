// The parametric window driven as a user would, on the small test catalogue:
// what each reaction writes, how many calculations it starts, and the links
// to the design window (the red notice, the local losses).

#include "windows/parametric_window.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "catalogue/design_choices.h"
#include "design_window_fixture.h"

namespace vexa {
namespace {

class ParametricWindow : public testing_support::DesignWindowFixture {
protected:
    void SetUp() override {
        startWith(std::filesystem::path(VEXA_TEST_DATA_DIR) / "small_catalogue.dat");
        // Every press of the design window's "Oblicz" is counted.
        Reaction calculation = form().Button1.OnClick;
        form().Button1.OnClick = [this, calculation] {
            ++calculations;
            calculation();
        };
    }

    TForm3& window() { return program().Form3(); }
    // "Flow" in the design window with these inputs.
    void open(const std::string& flow, const std::string& slope) {
        window().FormDeactivate();
        type(form().Bqwe, flow);
        type(form().Bimin, slope);
        calculations = 0;
        act([&] { form().Flow.userClick(); });
    }
    void move(Slider& slider, int position) {
        act([&] { slider.userMove(position); });
    }

    int calculations = 0;
};

TEST_F(ParametricWindow, FlowWithoutASlopeAsksForTheMissingFields) {
    type(form().Bqwe, "10");
    act([&] { form().Flow.userClick(); });
    EXPECT_EQ(platform.messages(), std::vector<std::string>{"Wypełnij brakujące pola"});
    EXPECT_FALSE(window().Visible);
}

TEST_F(ParametricWindow, ShowingTakesTheRangesFromTheDesignWindowAndComputesOnceWithItsTexts) {
    struct Row {
        const char *flow, *slope;
        int flowItem, flowMin, flowMax, flowPosition;
        const char* edit1;
        int slopeItem, slopePosition;
        const char* edit2;
    } rows[] = {
        {"1", "0,3", 0, 15, 1000, 15, "1.0", 0, 6, "0,3"},
        {"100", "10", 1, 20, 200, 20, "100", 0, 100, "10,0"},
        {"1000", "10,5", 1, 20, 200, 200, "1000", 1, 105, "10,5"},
        {"1000,1", "60", 2, 20, 300, 20, "1000", 1, 500, "60,0"},
        {"20000", "5", 2, 20, 300, 300, "20000", 0, 50, "5,0"},
        {"1E30", "5", 2, 20, 300, 300, "1E30", 0, 50, "5,0"},  // beyond any position
    };
    for (const Row& row : rows) {
        open(row.flow, row.slope);
        const TForm3& w = window();
        EXPECT_TRUE(w.Visible);
        EXPECT_EQ(w.RadioGroup1.ItemIndex(), row.flowItem) << row.flow;
        EXPECT_EQ(w.TB1.Min(), row.flowMin) << row.flow;
        EXPECT_EQ(w.TB1.Max(), row.flowMax) << row.flow;
        EXPECT_EQ(w.TB1.Position(), row.flowPosition) << row.flow;
        EXPECT_EQ(w.Edit1.Text, row.edit1);
        EXPECT_EQ(w.RadioGroup2.ItemIndex(), row.slopeItem) << row.slope;
        EXPECT_EQ(w.TB2.Position(), row.slopePosition) << row.slope;
        EXPECT_EQ(w.Edit2.Text, row.edit2);
        // The design window keeps the texts it had; one calculation ran with them.
        EXPECT_EQ(form().Bqwe.Text, row.flow);
        EXPECT_EQ(form().Bimin.Text, row.slope);
        EXPECT_EQ(calculations, 1) << row.flow;
        EXPECT_FALSE(w.manual);
    }
}

TEST_F(ParametricWindow, ASliderStepWritesBothTextsAndComputesOnceAtTheSliderSlope) {
    minimise("1", "10");  // the window's own slope criterion is set aside for one run
    open("1,5", "2");
    ASSERT_EQ(window().TB1.Position(), 15);
    calculations = 0;
    move(window().TB1, 16);
    EXPECT_EQ(window().Edit1.Text, "1,6");
    EXPECT_EQ(form().Bqwe.Text, "1,6");
    EXPECT_EQ(form().Bimin.Text, "2,0");
    EXPECT_EQ(form().Bi.Text, "2,0");
    EXPECT_EQ(calculations, 1);
    EXPECT_FALSE(state().do_flow);

    move(window().TB2, 25);
    EXPECT_EQ(window().Edit2.Text, "2,5");
    EXPECT_EQ(form().Bimin.Text, "2,5");
    EXPECT_EQ(form().Bi.Text, "2,5");
    // The design window's own "Oblicz" minimises again.
    calculate();
    EXPECT_EQ(form().Bi.Text, "1,0");
}

TEST_F(ParametricWindow, ObliczReadsTheTypedTextsWithAPointAndComputesOnceWithThem) {
    open("10", "5");
    calculations = 0;
    act([&] {
        window().Edit1.userType("12.57");
        window().Edit2.userType("10.57");
    });
    act([&] { window().Oblicz.userClick(); });
    EXPECT_EQ(window().Edit1.Text, "12,57");
    EXPECT_EQ(window().Edit2.Text, "10,57");
    EXPECT_EQ(form().Bqwe.Text, "12,57");
    EXPECT_EQ(form().Bimin.Text, "10,57");
    EXPECT_EQ(window().TB1.Position(), 125);  // truncated, not rounded
    EXPECT_EQ(window().RadioGroup2.ItemIndex(), 1);
    EXPECT_EQ(window().TB2.Position(), 105);
    EXPECT_EQ(calculations, 1);
    // The range groups are the user's again: a range chosen now moves the slider.
    EXPECT_FALSE(window().manual);
    act([&] { window().RadioGroup1.userSelect(2); });
    EXPECT_EQ(window().TB1.Position(), 20);
    EXPECT_EQ(calculations, 2);
}

TEST_F(ParametricWindow, AFlowThatIsNoNumberStopsObliczAtItsConversion) {
    open("10", "5");
    calculations = 0;
    act([&] {
        window().Edit1.userType("1x.5");
        window().Edit2.userType("2.5");
    });
    act([&] { window().Oblicz.userClick(); });
    EXPECT_EQ(platform.errors(), std::vector<std::string>{"'1x,5' is not a valid floating point value"});
    EXPECT_EQ(window().Edit1.Text, "1x,5");
    EXPECT_EQ(window().Edit2.Text, "2.5");
    EXPECT_EQ(form().Bqwe.Text, "10");
    EXPECT_EQ(calculations, 0);
    // The sliders are the user's again.
    move(window().TB1, 101);
    EXPECT_EQ(calculations, 1);
}

TEST_F(ParametricWindow, ChoosingAFlowRangeStartsTheSliderThereWithOneCalculation) {
    open("25", "5");
    ASSERT_EQ(window().TB1.Position(), 250);
    calculations = 0;
    act([&] { window().RadioGroup1.userSelect(2); });
    EXPECT_EQ(window().TB1.Min(), 20);
    EXPECT_EQ(window().TB1.Max(), 300);
    EXPECT_EQ(window().TB1.Position(), 20);
    EXPECT_EQ(calculations, 1);
    EXPECT_EQ(state().Q, 1000);
    EXPECT_EQ(window().Edit1.Text, "1000");
    EXPECT_EQ(form().Bqwe.Text, "1000");

    act([&] { window().RadioGroup2.userSelect(1); });
    EXPECT_EQ(window().TB2.Min(), 100);
    EXPECT_EQ(window().TB2.Position(), 100);
    EXPECT_EQ(calculations, 2);
    EXPECT_EQ(window().Edit2.Text, "10,0");
    EXPECT_EQ(form().Bimin.Text, "10,0");
}

TEST_F(ParametricWindow, ARangeWhoseStartIsWhereTheSliderStandsStillComputesOnce) {
    open("100", "5");  // flow range 1 at its first position, 20
    calculations = 0;
    act([&] { window().RadioGroup1.userSelect(2); });  // 20..300: the slider stays at 20
    EXPECT_EQ(calculations, 1);
    EXPECT_EQ(state().Q, 1000);
    EXPECT_EQ(form().Bqwe.Text, "1000");
    // A result computed by a range change can be saved.
    act([&] { window().RadioGroup1.userSelect(0); });
    EXPECT_EQ(form().Bqwe.Text, "1,5");
    EXPECT_TRUE(state().obliczone);
}

TEST_F(ParametricWindow, RedNoticeStandsForTheErrorBoxWhileTheWindowIsVisible) {
    open("10", "5");
    EXPECT_FALSE(window().Panel3.Visible);
    act([&] { window().RadioGroup1.userSelect(2); });  // 1000 l/s: no pipe of the type carries it
    EXPECT_TRUE(window().Panel3.Visible && window().Label3.Visible);
    EXPECT_TRUE(platform.errors().empty());
    act([&] { window().RadioGroup1.userSelect(0); });
    EXPECT_FALSE(window().Panel3.Visible);

    act([&] { window().FormDeactivate(); });
    calculate("1000", "5");
    EXPECT_EQ(platform.errors().size(), 1U);
}

TEST_F(ParametricWindow, LocalLossesFollowEachOtherRunningEachReactionOnce) {
    int designReactions = 0, windowReactions = 0;
    for (auto [group, count] :
         {std::pair{&form().RadioGroup4, &designReactions}, std::pair{&window().RadioGroup3, &windowReactions}}) {
        group->OnClick = [reaction = group->OnClick, count] {
            ++*count;
            reaction();
        };
    }
    act([&] { window().RadioGroup3.userSelect(local_losses::kLarge); });
    EXPECT_EQ(form().RadioGroup4.ItemIndex(), local_losses::kLarge);
    EXPECT_EQ(designReactions, 1);
    EXPECT_EQ(windowReactions, 1);
    pickLosses(local_losses::kSmall);
    EXPECT_EQ(window().RadioGroup3.ItemIndex(), local_losses::kSmall);
    EXPECT_EQ(designReactions, 2);
    EXPECT_EQ(windowReactions, 2);
}

}  // namespace
}  // namespace vexa
