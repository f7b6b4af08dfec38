#include "toolkit/controls.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

TEST(DropDownList, SelectionFromCodeRunsNoReactionButTheUsersDoes) {
    ComboBox list;
    int changes = 0;
    list.OnChange = [&] { ++changes; };
    list.Items = {"dowolna", "160", "200"};
    list.setItemIndex(1);
    list.Clear();
    list.Add("dowolna");
    list.setItemIndex(0);
    EXPECT_EQ(changes, 0);

    list.Items = {"dowolna", "160", "200"};
    list.userSelect(2);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(list.Text(), "200");
    list.userSelect(2);  // the user picks it again: the reaction runs again
    EXPECT_EQ(changes, 2);
}

TEST(DropDownList, ClearingOrAnIndexOutsideTheItemsSelectsNothing) {
    ComboBox list;
    list.Items = {"a", "b"};
    list.setItemIndex(1);
    list.setItemIndex(5);
    EXPECT_EQ(list.ItemIndex(), -1);
    EXPECT_EQ(list.Text(), "");
    list.setItemIndex(0);
    list.Clear();
    EXPECT_EQ(list.ItemIndex(), -1);
    EXPECT_EQ(list.Count(), 0);
}

TEST(RadioGroupRule, ClickRunsOnlyWhenTheSelectionChangesByUserOrCode) {
    RadioGroup group;
    group.Items = {"małe", "duże"};
    std::vector<int> clicks;
    group.OnClick = [&] { clicks.push_back(group.ItemIndex()); };
    group.setItemIndex(0);  // from code, a change
    group.setItemIndex(0);  // the same again: nothing
    group.userSelect(0);    // the user clicks the selected item: nothing
    group.userSelect(1);    // a change by the user
    group.setItemIndex(1);
    group.setItemIndex(0);  // a change from code
    EXPECT_EQ(clicks, (std::vector<int>{0, 1, 0}));
}

TEST(RadioGroupRule, ReactionSeesTheNewSelectionAndMayChainToAnotherGroup) {
    // Two groups that mirror each other run each reaction once per change.
    RadioGroup first, second;
    first.Items = second.Items = {"małe", "duże"};
    first.setItemIndex(0);
    second.setItemIndex(0);
    int firstRuns = 0, secondRuns = 0;
    first.OnClick = [&] {
        ++firstRuns;
        second.setItemIndex(first.ItemIndex());
    };
    second.OnClick = [&] {
        ++secondRuns;
        first.setItemIndex(second.ItemIndex());
    };
    first.userSelect(1);
    EXPECT_EQ(second.ItemIndex(), 1);
    EXPECT_EQ(firstRuns, 1);
    EXPECT_EQ(secondRuns, 1);
}

TEST(SliderRule, RunsOnEveryPositionChangeIncludingClampingNeverOnTheSameValue) {
    Slider slider;
    std::vector<int> positions;
    slider.OnChange = [&] { positions.push_back(slider.Position()); };
    slider.setMax(100);
    slider.setPosition(50);  // by code
    slider.setPosition(50);  // the same: nothing
    slider.userMove(60);     // by the user
    slider.userMove(500);    // clamped to the maximum
    slider.setMax(80);       // new bounds clamp the position
    slider.setMin(90);       // a minimum above the maximum moves both
    slider.setMin(10);       // the position stays inside: nothing
    EXPECT_EQ(positions, (std::vector<int>{50, 60, 100, 80, 90}));
    EXPECT_EQ(slider.Max(), 90);
}

TEST(EditFieldInput, TakesOneLineOfCharactersCodePage1250CanHoldAndReactsToAChange) {
    EditField field;
    int changes = 0;
    field.OnChange = [&] { ++changes; };
    field.userType("Odcinek → Łódź ✓ nr 2");
    EXPECT_EQ(field.Text, "Odcinek  Łódź  nr 2");
    field.userType("Kolektor\r\nB\t\x7f");
    EXPECT_EQ(field.Text, "KolektorB");
    field.userType("Kolektor\nB");  // the same text: no change
    EXPECT_EQ(changes, 2);
}

TEST(ButtonPress, RunsTheClickUnlessDisabled) {
    Button button;
    int clicks = 0;
    button.OnClick = [&] { ++clicks; };
    button.userClick();
    button.Click();  // pressed from code
    button.Enabled = false;
    button.userClick();
    EXPECT_EQ(clicks, 2);
}

TEST(MultiLineText, AddedTextBreaksIntoLinesAtCrLfOnly) {
    Memo memo;
    memo.Add("Zadany spadek = 5\r\n");
    memo.Add("a\rb\nc");
    EXPECT_EQ(memo.Lines, (std::vector<std::string>{"Zadany spadek = 5", "", "a\rb\nc"}));
}

}  // namespace
}  // namespace vexa
