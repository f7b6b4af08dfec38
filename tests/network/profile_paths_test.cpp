// Which sections each profile draws: main collectors up the largest flows,
// then the branches left over, each from a manhole already drawn.

#include "network/profile_paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "support/files.h"

namespace vexa {
namespace {

using testing_support::fileContents;
using Paths = std::vector<std::vector<std::size_t>>;

// The paths of a network whose sections carry the flows [ml/s] given in the
// file's order; main collectors first, as profilePaths orders them.
Paths pathsWithFlows(const Network& network, const std::vector<long long>& flows, int& mainCollectors) {
    std::vector<SectionDesign> designs(flows.size());
    for (std::size_t n = 0; n < flows.size(); ++n) designs[n].flow = flows[n];
    Paths paths;
    mainCollectors = 0;
    for (const ProfilePath& path : profilePaths(network, designs)) {
        paths.push_back(path.sections);
        mainCollectors += path.mainCollector ? 1 : 0;
    }
    return paths;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) result.push_back(line);
    return result;
}

TEST(ProfilePaths, TheHandWorkedNetwork) {
    const Network network =
        readNetwork(lines(fileContents(std::filesystem::path(VEXA_TEST_DATA_DIR) / "network" / "hand_worked.csv")));
    int mainCollectors = 0;
    // K1 K2 K3 B1 B2 K4 X2 X1, with the flows of the hand calculation.
    const Paths paths = pathsWithFlows(network, {400, 2400, 41400, 6000, 9000, 42400, 205000, 200000}, mainCollectors);
    // Up from A5 the collector takes B2 (9 l/s) at A3, not K2 (2,4 l/s); the
    // second outlet's collector follows (its last section, X2, lies later in
    // the file); K2 then joins the drawn A3 as a branch.
    EXPECT_EQ(paths, (Paths{{3, 4, 2, 5}, {7, 6}, {0, 1}}));
    EXPECT_EQ(mainCollectors, 2);
}

TEST(ProfilePaths, EqualFlowsGoToTheSectionFirstInTheFileAndBranchesStartInFileOrder) {
    const Network network = readNetwork({kNetworkHeadLine, "Sa;A;M;10;1;1", "X;X;N;10;1;1", "Sb;B;M;10;1;1",
                                         "Y;N;M;10;1;1", "W;W;M;10;1;1", "Z;Z;N;10;1;1", "S0;M;O;10;1;1"});
    int mainCollectors = 0;
    const Paths paths = pathsWithFlows(network, {3000, 1000, 3000, 2500, 100, 1500, 8600}, mainCollectors);
    // Sa and Sb tie at M: Sa, first in the file, goes on the collector. Y's
    // branch takes Z and draws N, so X, ending there, comes before W.
    EXPECT_EQ(paths, (Paths{{0, 6}, {2}, {5, 3}, {1}, {4}}));
    EXPECT_EQ(mainCollectors, 1);
}

}  // namespace
}  // namespace vexa
