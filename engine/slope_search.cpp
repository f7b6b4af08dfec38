#include "engine/slope_search.h"

#include <algorithm>
#include <array>
#include <limits>
#include <vector>

#include "catalogue/design_choices.h"
#include "engine/criteria.h"
#include "engine/hydraulics.h"
#include "toolkit/numbers.h"

namespace vexa {
namespace {

extended sdrInnerDiameter(const Podrura& pipe, extended sdr) {
    return 0.001L * pipe.dout - (2 * pipe.dout * 0.001L) / sdr;
}

// One search: the type, the criterion and the diameter range it walks.
// What each diameter alone decides (its inner diameter, its roughness term,
// its area, its filling limit) is taken once here, so that a slope
// minimisation repeats only what the slope changes.
class DiameterWalk {
public:
    explicit DiameterWalk(EngineContext& context) : context_(context), state_(context.state) {
        Okresl_sdr(context);
        criterion_ = context.controls.RadioGroup3.ItemIndex();
        const int chosen = context.controls.ComboSred.ItemIndex();
        const Rura_1& type = context.catalogue.type(state_.rurtyp);
        if (chosen != 0) {
            state_.start = state_.stop = chosen;
        } else {
            state_.start = 1;
            state_.stop = type.ilosc_sred;
        }
        const bool sdrClass = type.klasa == "SDR";
        const FillingLimitRule limits = fillingLimitRule(context);
        for (int number = state_.start; number <= state_.stop; ++number) {
            const Podrura& pipe = type.diameter(number);
            const extended d = sdrClass ? sdrInnerDiameter(pipe, state_.sdr) : pipe.din * 0.001L;
            candidates_[number - 1] = {pipeConstants(d, state_.k), limits.limitFor(d)};
            largestDiameter_ = std::max(largestDiameter_, d);
        }
    }

    // Whether halving can find the first slope that meets the prerequisite.
    // That is the first slope of a minimisation from `lowest` to `highest`
    // at which some pipe meets the criterion's prerequisite (it carries the
    // flow, within its filling limit where the criterion has one); halving
    // finds it when such a pipe stays so at every steeper slope. With a flow
    // of at least 1 l/s a pipe carries it only where its full-pipe flow grows
    // by at least half the relative step of the slope (0,0001 in at most 1),
    // thousands of times the rounding of its arithmetic up to a diameter of
    // 5 m: so the full-pipe flow rises from slope to slope and the filling
    // never rises. For criteria 0, 3 and 4 the prerequisite is the whole
    // criterion; the self-cleaning criteria also need a shear stress and a
    // velocity, which the filling's tables can make fall from one slope to
    // the next, so from that slope on they are walked, passing over the
    // slopes that mayAcceptBetween rules out.
    bool prerequisiteRisesWithSlope(extended lowest, extended highest) const {
        return state_.Q >= 1 && lowest > 0 && highest <= 1 && largestDiameter_ <= 5;
    }

    // False only when no pipe can be accepted at any slope from `low` to
    // `high`, where the prerequisite rises with the slope: for the
    // self-cleaning criteria, when no pipe's shear stress and velocity, at
    // their largest over those slopes, would keep it clean. Leaves the state
    // as it is.
    bool mayAcceptBetween(extended low, extended high) const {
        using namespace pipe_criterion;
        if (criterion_ != kSelfCleaning && criterion_ != kSelfCleaningAndVentilation) return true;
        const extended Q = state_.Q;
        const extended factor = tauFactor(high);
        for (int number = state_.start; number <= state_.stop; ++number) {
            const Candidate& candidate = candidates_[number - 1];
            if (++context_.examinedPipes % kPipesPerReport == 0) reportProgress();
            const extended qmHigh = fullFlow(candidate.pipe, high);
            if (Q >= qmHigh) continue;  // carries at none of them
            PipeHydraulics largest;
            finishPipe(candidate.pipe, qmHigh, factor, largestShares(Q, fullFlow(candidate.pipe, low), qmHigh),
                       largest);
            if (!failsSelfCleaning(largest.tau, largest.vwy, state_.taumin)) return true;
        }
        return false;
    }

    // The first accepted diameter at the current slope, or 0.
    // The state then shows d and qm of the last pipe examined and the
    // hydraulics and verdicts of the last that carried the flow, as if each
    // pipe had been written into it in turn; only the pipes whose fate their
    // filling does not settle are finished on the way.
    // With `prerequisiteOnly`, a pipe is accepted when it meets the
    // prerequisite of the criterion (meetsPrerequisite).
    int firstAccepted(bool prerequisiteOnly = false) {
        const extended i = state_.i;
        const extended Q = state_.Q;
        const extended factor = tauFactor(i);
        int found = 0;
        Examined examined;
        Carrying carrying;
        for (int number = state_.start; number <= state_.stop; ++number) {
            const Candidate& candidate = candidates_[number - 1];
            if (++context_.examinedPipes % kPipesPerReport == 0) reportProgress();
            const extended qm = fullFlow(candidate.pipe, i);
            examined = {&candidate, qm};
            if (Q >= qm) continue;  // too small even when full
            const FillingStep& filling = fillingOf(Q, qm);
            carrying = {&candidate, qm, factor, &filling};
            if (prerequisiteOnly ? meetsPrerequisite(candidate, filling) : accepts(candidate, qm, factor, filling)) {
                found = number;
                break;
            }
        }
        if (examined.candidate) lastExamined_ = examined;
        if (carrying.candidate) lastCarrying_ = carrying;
        showInState();
        return found;
    }

    // A filling above 100 % carries nothing.
    int result(int found) const { return state_.hnd > 100 ? 0 : found; }

private:
    struct Candidate {
        PipeConstants pipe;
        extended fillingLimit;  // h/d max [%]
    };
    struct Examined {
        const Candidate* candidate = nullptr;
        extended qm = 0;
    };
    struct Carrying {
        const Candidate* candidate = nullptr;
        extended qm = 0;
        extended tauFactor = 0;
        const FillingStep* filling = nullptr;
    };

    // Implied by acceptance under every criterion: carrying the flow, and for
    // the criteria with a filling limit keeping within it.
    bool meetsPrerequisite(const Candidate& candidate, const FillingStep& filling) const {
        using namespace pipe_criterion;
        const bool limited = criterion_ == kSelfCleaningAndVentilation || criterion_ == kNormativeVentilation ||
                             criterion_ == kGivenFilling;
        return !limited || !failsVentilation(filling.h, candidate.fillingLimit);
    }

    bool accepts(const Candidate& candidate, extended qm, extended factor, const FillingStep& filling) const {
        using namespace pipe_criterion;
        switch (criterion_) {
            case kNone:
                return true;
            case kSelfCleaningAndVentilation:
            case kSelfCleaning: {
                PipeHydraulics pipe;
                finishPipe(candidate.pipe, qm, factor, filling, pipe);
                const bool selfCleaning = !failsSelfCleaning(pipe.tau, pipe.vwy, state_.taumin);
                return criterion_ == kSelfCleaning
                           ? selfCleaning
                           : selfCleaning && !failsVentilation(pipe.hnd, candidate.fillingLimit);
            }
            case kNormativeVentilation:
            case kGivenFilling:
                return !failsVentilation(filling.h, candidate.fillingLimit);
            default:
                return false;
        }
    }

    // Where the calculation stands; it stops here if the platform says so.
    void reportProgress() const {
        const auto stop =
            context_.platform.calculationProgress("Spadek: " + formatFixed(state_.i * 1000, 15, 1) + " ‰");
        if (stop) throw CalculationStopped(*stop);
    }

    void showInState() {
        if (lastExamined_.candidate) {
            state_.d = lastExamined_.candidate->pipe.d;
            state_.qm = lastExamined_.qm;
        }
        if (const Carrying& c = lastCarrying_; c.candidate) {
            PipeHydraulics pipe;
            finishPipe(c.candidate->pipe, c.qm, c.tauFactor, *c.filling, pipe);
            state_.hnd = pipe.hnd;
            state_.vwy = pipe.vwy;
            state_.tau = pipe.tau;
            judgeExaminedPipe(state_, c.candidate->fillingLimit);
        }
    }

    static constexpr long kPipesPerReport = 4096;  // some 0,4 ms

    EngineContext& context_;
    DesignState& state_;
    int criterion_ = 0;
    extended largestDiameter_ = 0;
    std::array<Candidate, kMaxDiameters> candidates_{};
    Examined lastExamined_;
    Carrying lastCarrying_;
};

}  // namespace

int Obl_iconst(EngineContext& context) {
    DiameterWalk walk(context);
    return walk.result(walk.firstAccepted());
}

namespace {

// The slopes of a minimisation, each 0,0001 above the one before as the
// one-by-one walk adds them, made only as far as a search asks for them.
class SlopeSequence {
public:
    SlopeSequence(extended lowest, extended highest) : highest_(highest) { slopes_.push_back(lowest); }

    // Whether slope k lies within the range.
    bool has(std::size_t k) {
        while (slopes_.size() <= k && !complete_) {
            const extended next = slopes_.back() + 0.0001L;
            if (next <= highest_)
                slopes_.push_back(next);
            else
                complete_ = true;
        }
        return k < slopes_.size();
    }
    extended operator[](std::size_t k) const { return slopes_[k]; }
    // The slope one step beyond the last, made on the way.
    extended beyondLast() {
        has(std::numeric_limits<std::size_t>::max());
        return slopes_.back() + 0.0001L;
    }
    std::size_t last() {
        has(std::numeric_limits<std::size_t>::max());
        return slopes_.size() - 1;
    }

private:
    extended highest_;
    std::vector<extended> slopes_;
    bool complete_ = false;
};

// A slope minimisation that finds the first slope meeting the prerequisite
// by galloping and halving, then walks on from it.
// Over the slopes from `lowest` to `highest` it gives the same slopes, the
// same result and the same state as walking them one by one (the state is
// that of the walk at the slope where that search stops, and the slope
// stands there, or one step beyond the last when no pipe was accepted). No
// pipe is accepted before the first slope that meets the prerequisite, and
// from it on every walk has a carrying pipe, so the skipped walks and the
// probes leave nothing in the state; when no slope meets it, no probe found
// a carrying pipe that the walk at the last slope does not find again. The
// probes go 0, 1, 3, 7, ... so that a range whose answer lies near its start,
// as most do, is made and probed only that far.
int minimiseFromPrerequisite(DiameterWalk& walk, DesignState& state, extended lowest, extended highest) {
    SlopeSequence slopes(lowest, highest);
    const auto meets = [&](std::size_t k) {
        state.i = slopes[k];
        return walk.firstAccepted(true) != 0;
    };
    std::size_t k = 0;
    if (!meets(0)) {
        std::size_t failing = 0;  // the last probe that did not meet it
        k = 1;
        for (;;) {
            if (!slopes.has(k)) {
                k = slopes.last();
                if (k == failing || !meets(k)) break;  // no slope meets it: walk the last
            } else if (!meets(k)) {
                failing = k;
                k = 2 * k + 1;
                continue;
            }
            // Met at k, not at `failing`: the first meeting slope lies between.
            for (std::size_t first = failing + 1; first < k;) {
                const std::size_t middle = first + (k - first) / 2;
                if (meets(middle))
                    k = middle;
                else
                    first = middle + 1;
            }
            break;
        }
    }
    // From the first slope that meets it (or the last, when none does), as
    // the one-by-one search walks. The slopes after a walk that accepted
    // nothing are passed over in blocks at which no pipe can be accepted,
    // growing while they pass and halving when they do not; the last slope
    // is always walked, since its walk leaves the state when nothing is
    // accepted, and no walk passed over leaves anything in it.
    std::size_t block = 1;
    while (slopes.has(k)) {
        if (block > 1) {
            const std::size_t end = k + block - 1;
            if (slopes.has(end + 1) && !walk.mayAcceptBetween(slopes[k], slopes[end])) {
                k = end + 1;
                block *= 2;
            } else {
                block /= 2;
            }
            continue;
        }
        state.i = slopes[k];
        if (const int found = walk.firstAccepted()) return found;
        ++k;
        block = 4;
    }
    state.i = slopes.beyondLast();
    return 0;
}

}  // namespace

int Obl_imin(EngineContext& context) {
    DiameterWalk walk(context);
    const extended lowest = parseNumber(context.controls.Bistart.Text) * 0.001L;
    const extended highest = parseNumber(context.controls.Bistop.Text) * 0.001L;
    DesignState& state = context.state;
    if (walk.prerequisiteRisesWithSlope(lowest, highest))
        return walk.result(minimiseFromPrerequisite(walk, state, lowest, highest));
    state.i = lowest;
    int found = 0;
    for (;;) {
        found = walk.firstAccepted();
        if (found != 0) break;
        const extended next = state.i + 0.0001L;
        // Past some 1,8e15 per mille a step no longer changes the slope:
        // the slopes left would all be this one.
        if (next == state.i) break;
        state.i = next;
        if (state.i > highest) break;
    }
    return walk.result(found);
}

}  // namespace vexa
