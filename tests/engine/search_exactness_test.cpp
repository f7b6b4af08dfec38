// The fast paths of the hydraulics and the searches against the rules done
// the straightforward way, bit for bit: the filling walked step by step over
// its grid, every pipe of every slope computed in full and written into the
// state in turn.

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "catalogue/design_choices.h"
#include "engine/criteria.h"
#include "engine/hydraulics.h"
#include "engine/slope_search.h"
#include "engine_fixture.h"

namespace vexa {
namespace {

// The grid of the filling search, x accumulated by repeated addition.
struct ReferenceGrid {
    std::array<extended, 101> ratio{};  // at steps 1 .. 100
    std::array<extended, 101> filling{};
    ReferenceGrid() {
        extended x = 0.01L;
        filling[0] = (x - 0.01L) * 100;
        for (int step = 1; step <= 100; ++step) {
            ratio[step] = fillingFlowRatio(x);
            x = x + 0.01L;
            filling[step] = (x - 0.01L) * 100;
        }
    }
};
const ReferenceGrid kGrid;

// The filling search walked one step at a time; it stops at the end of the grid.
extended walkedFilling(extended q, extended Q100) {
    const extended ratio = q / Q100;
    if (!(ratio > 0)) return kGrid.filling[0];
    int step = 1;
    while (ratio > kGrid.ratio[step] && step < 100) ++step;
    return kGrid.filling[step];
}

TEST(FillingSearch, LooksUpWhatTheStepByStepWalkFindsAtEveryGridRatioAndAMillionOthers) {
    for (int step = 1; step <= 100; ++step) {
        const extended r = kGrid.ratio[step];
        for (const extended ratio : {r, std::nextafter(r, 0.0L), std::nextafter(r, 2.0L)})
            ASSERT_EQ(Obl_wypelnienie(ratio, 1), walkedFilling(ratio, 1)) << step;
    }
    std::mt19937_64 random(2026);
    std::uniform_real_distribution<double> unit(0, 1);
    for (int n = 0; n < 1'000'000; ++n) {
        // Spread over the whole range of fillings, and over the many bits of an extended ratio.
        const extended q = static_cast<extended>(unit(random)) * static_cast<extended>(unit(random) + 0.5);
        const extended full = 1 + static_cast<extended>(unit(random));
        ASSERT_EQ(Obl_wypelnienie(q, full), walkedFilling(q, full)) << static_cast<double>(q / full);
    }
}

class SearchExactness : public testing_support::EngineFixture {
protected:
    void SetUp() override {
        addType("PVC", "N", 0.25,
                {{110, 103.6},
                 {160, 150.6},
                 {200, 188.2},
                 {250, 235.4},
                 {315, 296.6},
                 {400, 376.6},
                 {500, 470.8},
                 {630, 593.2},
                 {800, 753.4}});
        selectType(0);
        state.k = 0.00025L;
    }

    // Every pipe in turn at the slope in the state, in full, as the rules
    // write it: the number of the first accepted, or 0.
    int walkedSearch() {
        for (int number = 1; number <= catalogue->type(1).ilosc_sred; ++number) {
            state.d = catalogue->type(1).diameter(number).din * 0.001L;
            state.qm = Przeplyw100(state.d, state.k, state.i);
            if (state.Q >= state.qm) continue;
            state.hnd = walkedFilling(state.Q, state.qm);
            state.vwy = Obl_Vwy(state.hnd, Predkosc100(state.d, state.qm));
            state.tau = Obl_tau(state.hnd, state.d, state.i);
            Err_hd_tau_control(context);
            const int criterion = RadioGroup3.ItemIndex();
            const bool accepted = criterion == pipe_criterion::kNone ? true
                                  : criterion == pipe_criterion::kSelfCleaningAndVentilation
                                      ? !state.err_tau && !state.err_hd
                                  : criterion == pipe_criterion::kSelfCleaning ? !state.err_tau
                                                                               : !state.err_hd;
            if (accepted) return number;
        }
        return 0;
    }
    int walkedMinimisation() {
        const extended highest = parseNumber(Bistop.Text) * 0.001L;
        state.i = parseNumber(Bistart.Text) * 0.001L;
        for (;;) {
            if (const int found = walkedSearch()) return found;
            state.i = state.i + 0.0001L;
            if (state.i > highest) return 0;
        }
    }
};

TEST_F(SearchExactness, MinimisationsOfEveryCriterionEndInTheStateOfTheWalkedOnes) {
    std::mt19937_64 random(8);
    const auto between = [&](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    };
    for (int section = 0; section < 600; ++section) {
        const int kind = section % 3;
        RadioGroup1.setItemIndex(kind);
        RadioGroup3.setItemIndex(section / 3 % 5);
        state.taumin = kind == sewage_kind::kRainNormative ? 2.5L : 1.5L + (kind == sewage_kind::kDomestic ? 0.5L : 0);
        state.Q = static_cast<extended>(between(1, section % 2 ? 30 : 600));
        const double lowest = between(0.5, 8);
        Bistart.Text = formatFixed(lowest, 15, 1);
        Bistop.Text = formatFixed(between(lowest, section % 4 ? 60 : 100), 15, 1);
        Bwyp.Text = formatFixed(between(1, 100), 15, 0);

        // The state both start from, left from an earlier search.
        state.d = state.qm = state.hnd = state.vwy = state.tau = 0.5L;
        const int walked = walkedMinimisation();
        const DesignState expected = state;
        state.d = state.qm = state.hnd = state.vwy = state.tau = 0.5L;
        ASSERT_EQ(Obl_imin(context), expected.hnd > 100 ? 0 : walked) << section;
        for (const auto field : {&DesignState::i, &DesignState::d, &DesignState::qm, &DesignState::hnd,
                                 &DesignState::vwy, &DesignState::tau})
            ASSERT_EQ(state.*field, expected.*field) << section;
        ASSERT_EQ(state.err_tau, expected.err_tau) << section;
        ASSERT_EQ(state.err_hd, expected.err_hd) << section;
    }
}

}  // namespace
}  // namespace vexa
