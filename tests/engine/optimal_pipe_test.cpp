#include "engine/optimal_pipe.h"

#include <gtest/gtest.h>

#include "engine_fixture.h"

namespace vexa {
namespace {

class OptimalPipe : public testing_support::EngineFixture {
protected:
    void link(const std::vector<int>& types) {
        opti_struct& table = catalogue->tabopti;
        table.ilosc = static_cast<int>(types.size());
        for (std::size_t n = 0; n < types.size(); ++n) table.nr_typu[n] = types[n];
    }
    void prepare(extended flow) {
        selectType(catalogue->ilosc_typow);  // the class N item
        state.Q = flow;
        state.i = 0.005L;
    }
};

TEST_F(OptimalPipe, ConstantSlopeKeepsTheSmallestInnerDiameterFirstOnATie) {
    const int a = addType("A", "N", 0.25, {{160, 150}, {200, 190}});
    const int b = addType("B", "N", 0.4, {{150, 150}, {250, 240}});
    const int c = addType("C", "T", 0.25, {{170, 140}, {300, 290}});
    link({a, b, c});
    prepare(12);
    EXPECT_EQ(New_opti_const(context), 1);
    const opti_struct& best = catalogue->tabopti;
    EXPECT_EQ(best.opt_typ, a);  // A and B share 150 mm; C's 140 mm is too small
    EXPECT_EQ(best.opt_sred, 1);
    EXPECT_EQ(state.rurtyp, c);  // the state belongs to the last candidate
    EXPECT_EQ(ComboSred.ItemIndex(), 0);
}

TEST_F(OptimalPipe, APipeFoundButNotBelowTheStartingBoundIsNoResult) {
    link({addType("Huge", "N", 0.25, {{1e7 + 100, 1e7}})});  // 10 km inside
    prepare(12);
    EXPECT_EQ(New_opti_const(context), 0);
    EXPECT_EQ(catalogue->tabopti.opt_typ, 0);
}

TEST_F(OptimalPipe, MinimisationComparesOuterDiameters) {
    const int a = addType("A", "N", 0.25, {{200, 190}});
    const int b = addType("B", "N", 0.25, {{200, 150}});  // same outer, smaller inner
    const int c = addType("C", "N", 0.25, {{160, 155}});
    link({a, b, c});
    prepare(10);
    Bistart.Text = "2";
    Bistop.Text = "60";
    EXPECT_EQ(New_opti_min(context), 1);
    EXPECT_EQ(catalogue->tabopti.opt_typ, c);
    EXPECT_EQ(catalogue->tabopti.opt_i, static_cast<double>(state.i));

    link({a, b});
    EXPECT_EQ(New_opti_min(context), 1);
    EXPECT_EQ(catalogue->tabopti.opt_typ, a);  // equal outer diameters: the first stays
}

TEST_F(OptimalPipe, UnlinkedCandidatesAreSkippedAndNoPipeGivesZero) {
    const int a = addType("A", "N", 0.25, {{110, 100}});
    link({0, a, 0});
    prepare(500);  // more than any pipe carries
    catalogue->tabopti.opt_hnd = 12;
    EXPECT_EQ(New_opti_const(context), 0);
    EXPECT_EQ(catalogue->tabopti.opt_typ, 0);
    EXPECT_EQ(catalogue->tabopti.opt_sred, 0);
    EXPECT_EQ(catalogue->tabopti.opt_hnd, 12);  // the rest of the last best pipe stays

    prepare(2);
    EXPECT_EQ(New_opti_const(context), 1);
    EXPECT_EQ(catalogue->tabopti.opt_typ, a);
}

TEST_F(OptimalPipe, EmptyTableReturnsAtOnce) {
    addType("A", "N", 0.25, {{110, 100}});
    link({});
    prepare(5);
    state.rurtyp = 77;
    EXPECT_EQ(New_opti_const(context), 0);
    EXPECT_EQ(New_opti_min(context), 0);
    EXPECT_EQ(state.rurtyp, 77);
}

TEST_F(OptimalPipe, ResultsAreKeptAsDoubles) {
    const int a = addType("A", "N", 0.25, {{160, 150.6}});
    link({a});
    prepare(10);
    ASSERT_EQ(New_opti_const(context), 1);
    const opti_struct& best = catalogue->tabopti;
    EXPECT_EQ(best.opt_hnd, static_cast<double>(state.hnd));
    EXPECT_EQ(best.opt_tau, static_cast<double>(state.tau));
    EXPECT_EQ(best.opt_vwy, static_cast<double>(state.vwy));
    EXPECT_EQ(best.opt_err_tau, state.err_tau);
    EXPECT_EQ(state.k, 0.25 * 0.001L);  // set for the candidate by the roughness choice
}

}  // namespace
}  // namespace vexa
