#include "support/sample_networks.h"

#include <algorithm>
#include <cstdint>

#include "network/network_columns.h"

namespace vexa::testing_support {
namespace {

constexpr int kSections = 300;
constexpr int kMainSections = 60;
constexpr int kMostIncoming = 3;

// A linear congruential generator (Knuth's MMIX constants): integers only,
// so that every platform draws the same numbers.
class Draw {
public:
    explicit Draw(std::uint64_t seed) : state_(seed) {}

    // A whole number from low to high, both included, from the state's high
    // bits: its low bits repeat with short periods.
    long long between(long long low, long long high) {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return low + static_cast<long long>((state_ >> 33) % static_cast<std::uint64_t>(high - low + 1));
    }

private:
    std::uint64_t state_;
};

// A tree of manholes grown upstream from its outlet, manhole 0; manhole n
// drains through section n into the manhole below it.
class Tree {
public:
    explicit Tree(std::uint64_t seed) : draw_(seed) { manholes_.push_back({-1, 0, 100'000, 0, 0}); }

    int size() const { return static_cast<int>(manholes_.size()); }
    bool full() const { return size() > kSections; }
    bool canJoin(int below) const { return manholes_[static_cast<std::size_t>(below)].incoming < kMostIncoming; }
    Draw& draw() { return draw_; }

    // A new manhole draining into `below` through a section of `length` mm.
    int addAbove(int below, long long length) {
        Manhole& lower = manholes_[static_cast<std::size_t>(below)];
        ++lower.incoming;
        const long long slope = draw_.between(5, 12);  // drawn one after the other, in a fixed order
        const long long fall = length * slope / 1000 + draw_.between(-150, 250);
        manholes_.push_back({below, length, lower.ground + fall, draw_.between(50, 400), 0});
        return size() - 1;
    }
    long long shortLength() { return draw_.between(20'000, 60'000); }

    std::vector<std::string> lines() const {
        std::vector<std::string> lines{kNetworkHeadLineWithoutCatchments};
        for (std::size_t n = 1; n < manholes_.size(); ++n) {
            const Manhole& manhole = manholes_[n];
            const Manhole& lower = manholes_[static_cast<std::size_t>(manhole.below)];
            const std::string number = threeDigits(static_cast<long long>(n));
            lines.push_back("K" + number + ";S" + number + ";S" + threeDigits(manhole.below) + ";" +
                            thousandths(manhole.length) + ";" + thousandths(manhole.ground) + ";" +
                            thousandths(lower.ground) + ";" + thousandths(manhole.inflow) + ";1;;;2;0;0;");
        }
        return lines;
    }

private:
    struct Manhole {
        int below;
        long long length;  // of the section leaving it, mm
        long long ground;  // mm
        long long inflow;  // ml/s
        int incoming;
    };

    static std::string threeDigits(long long value) {
        const std::string digits = std::to_string(value);
        return std::string(3 - std::min<std::size_t>(digits.size(), 3), '0') + digits;
    }
    // Positive mm as m, ml/s as l/s.
    static std::string thousandths(long long value) {
        return std::to_string(value / 1000) + "," + threeDigits(value % 1000);
    }

    Draw draw_;
    std::vector<Manhole> manholes_;
};

std::vector<std::string> bushy() {
    Tree tree(20240611);
    while (!tree.full()) {
        int below = 0;
        do below = static_cast<int>(tree.draw().between(0, tree.size() - 1));
        while (!tree.canJoin(below));
        tree.addAbove(below, tree.shortLength());
    }
    return tree.lines();
}

// Branches join the main line at seven of ten junctions, else a branch
// already drawn; the outlet takes the main line alone.
std::vector<std::string> branches(bool longSection) {
    Tree tree(4263);
    for (int n = 1; n <= kMainSections; ++n) {
        const long long length = tree.shortLength();  // drawn all the same, so that the rest stays as it was
        tree.addAbove(n - 1, longSection && n == kMainSections / 2 ? 500'000 : length);
    }
    while (!tree.full()) {
        int below = 0;
        do
            below = tree.draw().between(1, 10) <= 7 ? static_cast<int>(tree.draw().between(1, kMainSections))
                                                    : static_cast<int>(tree.draw().between(1, tree.size() - 1));
        while (!tree.canJoin(below));
        for (long long length = tree.draw().between(1, 8); length > 0 && !tree.full(); --length)
            below = tree.addAbove(below, tree.shortLength());
    }
    return tree.lines();
}

}  // namespace

std::vector<std::string> sampleNetworkLines(SampleNetwork network) {
    switch (network) {
        case SampleNetwork::Bushy:
            return bushy();
        case SampleNetwork::Branches:
            return branches(false);
        case SampleNetwork::Long:
            break;
    }
    return branches(true);
}

}  // namespace vexa::testing_support
