#include "network/profile_paths.h"

#include <algorithm>
#include <functional>
#include <queue>
#include <string>

namespace vexa {
namespace {

class PathFinder {
public:
    PathFinder(const Network& network, const std::vector<SectionDesign>& designs)
        : sections_(network.sections),
          topology_(network.topology),
          designs_(designs),
          drawn_(sections_.size(), false) {}

    std::vector<ProfilePath> paths() {
        std::vector<std::size_t> outletSections;  // the last section of each main collector
        for (const std::string& outlet : topology_.outlets())
            outletSections.push_back(largestFlow(topology_.arriving(outlet)));
        std::sort(outletSections.begin(), outletSections.end());

        std::vector<ProfilePath> paths;
        for (const std::size_t last : outletSections) paths.push_back({true, upstreamFrom(last)});
        while (!waiting_.empty()) {
            const std::size_t first = waiting_.top();
            waiting_.pop();
            if (!drawn_[first]) paths.push_back({false, upstreamFrom(first)});
        }
        return paths;
    }

private:
    // The section with the largest flow; the first in the file on a tie.
    std::size_t largestFlow(const std::vector<std::size_t>& candidates) const {
        std::size_t best = candidates.front();
        for (const std::size_t n : candidates)
            if (designs_[n].flow > designs_[best].flow) best = n;
        return best;
    }

    // From `last` up to a head, upstream first; every manhole on the way is
    // drawn, and the sections that end in one and are not drawn wait to
    // start a branch.
    std::vector<std::size_t> upstreamFrom(std::size_t last) {
        std::vector<std::size_t> path{last};
        draw(last);
        drawManhole(sections_[last].to);
        for (;;) {
            const std::vector<std::size_t>& incoming = topology_.incoming(path.back());
            drawManhole(sections_[path.back()].from);
            if (incoming.empty()) break;
            const std::size_t next = largestFlow(incoming);
            draw(next);
            path.push_back(next);
        }
        std::reverse(path.begin(), path.end());
        return path;
    }

    void draw(std::size_t section) { drawn_[section] = true; }

    void drawManhole(const std::string& manhole) {
        for (const std::size_t n : topology_.arriving(manhole)) waiting_.push(n);
    }

    const std::vector<NetworkSection>& sections_;
    const NetworkTopology& topology_;
    const std::vector<SectionDesign>& designs_;
    std::vector<bool> drawn_;
    // Sections ending in a drawn manhole, the first in the file on top.
    std::priority_queue<std::size_t, std::vector<std::size_t>, std::greater<>> waiting_;
};

}  // namespace

std::vector<ProfilePath> profilePaths(const Network& network, const std::vector<SectionDesign>& designs) {
    // A section left out may lack its length or its ground: a path is drawn
    // in the runs between such sections, those above one as branches.
    std::vector<ProfilePath> runs;
    for (const ProfilePath& path : PathFinder(network, designs).paths()) {
        ProfilePath run;
        for (const std::size_t n : path.sections) {
            if (!network.sections[n].leftOut()) {
                run.sections.push_back(n);
            } else if (!run.sections.empty()) {
                runs.push_back(std::move(run));
                run = {};
            }
        }
        run.mainCollector = path.mainCollector;
        if (!run.sections.empty()) runs.push_back(std::move(run));
    }
    return runs;
}

}  // namespace vexa
