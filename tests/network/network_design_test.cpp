// A network with a line at fault: the line is left out, everything above it
// and beside it is designed as without the fault, and what lies below it as
// below a section without a result.

#include "network/network_design.h"

#include <gtest/gtest.h>

#include <map>

#include "network/network_table.h"
#include "support/catalogues.h"

namespace vexa {
namespace {

// The design window's calculation once per line, whatever the section's
// name: the tree's sections share a few lines.
class SharedLines : public SectionCalculator {
public:
    explicit SharedLines(const Catalogue& catalogue) : calculator_(catalogue) {}
    BatchResult run(const BatchSection& section) override {
        ++runs;
        BatchSection unnamed = section;
        unnamed.name = "K";
        auto [at, added] = results_.try_emplace(sectionLine(unnamed));
        if (added) at->second = calculator_.run(unnamed);
        return at->second;
    }
    int runs = 0;

private:
    BatchCalculator calculator_;
    std::map<std::string, BatchResult> results_;
};

// A binary tree: K<n> runs from S<n> into S<(n-1)/2>, K0 into the outlet W;
// water enters at the heads, and with `rain` a catchment drains into each.
std::vector<delimited::Record> tree(int sections, bool rain = false) {
    std::vector<delimited::Record> records;
    for (int n = 0; n < sections; ++n) {
        const bool head = 2 * n + 1 >= sections;
        records.push_back({n + 2,
                           {"K" + std::to_string(n), "S" + std::to_string(n),
                            n == 0 ? "W" : "S" + std::to_string((n - 1) / 2), "50", "100", "100", head ? "0,8" : "",
                            "1", "", "", "2", "0", "1", "", rain && head ? "0,5" : "", rain && head ? "0,9" : ""}});
    }
    return records;
}

TEST(NetworkDesign, ALineAtFaultChangesOnlyWhatLiesBelowIt) {
    const auto catalogue = testing_support::bundledCatalogue();
    SharedLines calculator(*catalogue);
    std::vector<delimited::Record> records = tree(2000);
    const Network clean = readNetwork(records);
    const std::vector<SectionDesign> cleanDesigns = designNetwork(clean, {}, calculator);
    ASSERT_EQ(calculator.runs, 2000);

    records[12].fields[3] = "5O";  // K12's length
    const NetworkWithFaults read = readNetworkLeniently(records);
    ASSERT_EQ(read.faults.size(), 1U);
    const std::vector<SectionDesign> designs = designNetwork(read.network, {}, calculator);
    EXPECT_EQ(calculator.runs, 2000 + 1999);  // all but K12 again

    EXPECT_FALSE(designs[12].result.computed);
    EXPECT_EQ(designs[12].result.message, "Wiersz 14: pole Dlugosc \"5O\" nie jest liczbą");
    EXPECT_NE(designs[5].notes.find("dopływ z odcinka K12 bez wyniku"), std::string::npos) << designs[5].notes;
    for (const std::size_t n : {5, 2, 0}) EXPECT_EQ(designs[n].flow, cleanDesigns[n].flow) << n;  // below K12
    for (std::size_t n = 0; n < designs.size(); ++n) {
        if (n == 12 || n == 5 || n == 2 || n == 0) continue;
        EXPECT_EQ(networkResultFields(read.network.sections[n], designs[n], false),
                  networkResultFields(clean.sections[n], cleanDesigns[n], false))
            << n;
    }
}

// The catchments above a line at fault still drain through it: the sections
// below take their area and their time, as below a section without a result.
TEST(NetworkDesign, TheRainAboveALineAtFaultRunsOnBelowIt) {
    const auto catalogue = testing_support::bundledCatalogue();
    SharedLines calculator(*catalogue);
    std::vector<delimited::Record> records = tree(7, true);
    const std::vector<SectionDesign> clean = designNetwork(readNetwork(records), {}, calculator);
    records[1].fields[3] = "5O";  // K1, below the heads K3 and K4
    const NetworkWithFaults read = readNetworkLeniently(records);
    const std::vector<SectionDesign> designs = designNetwork(read.network, {}, calculator);
    EXPECT_FALSE(designs[1].rain.flow);
    EXPECT_EQ(designs[1].rain.reducedArea, clean[1].rain.reducedArea);
    EXPECT_EQ(designs[0].rain.reducedArea, clean[0].rain.reducedArea);
    EXPECT_GT(*designs[0].rain.flow, *designs[2].rain.flow);  // K0 carries the rain of K1's side too
}

}  // namespace
}  // namespace vexa
