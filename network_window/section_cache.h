#pragma once

// The results of sections already designed, kept by their lines: a network
// edited in a window is designed anew after every edit, and most of its
// sections then run the very lines they ran before.

#include <string>
#include <unordered_map>

#include "batch/batch_calculator.h"

namespace vexa {

class SectionCache : public SectionCalculator {
public:
    explicit SectionCache(SectionCalculator& calculator) : calculator_(calculator) {}

    // The result `calculator` gave for the same line, or its result now.
    BatchResult run(const BatchSection& section) override;
    // How many sections the calculator has computed for it.
    std::size_t calculated() const { return calculated_; }

private:
    // Lines the edits have left behind are forgotten now and then, so that
    // the store stays near the size of the network.
    static constexpr std::size_t kMostKept = 100'000;

    // The line's fields themselves, not its text: a design asks for every
    // section after every edit, and most are found.
    struct LineHash {
        std::size_t operator()(const BatchSection& section) const;
    };

    SectionCalculator& calculator_;
    std::unordered_map<BatchSection, BatchResult, LineHash> results_;
    std::size_t calculated_ = 0;
};

}  // namespace vexa
