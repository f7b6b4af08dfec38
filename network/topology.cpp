#include "network/topology.h"

#include <algorithm>

#include "network/network_file.h"

namespace vexa {
namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

}  // namespace

NetworkTopology::NetworkTopology(const std::vector<NetworkSection>& sections)
    : next_(sections.size(), kNone), incoming_(sections.size()) {
    for (std::size_t n = 0; n < sections.size(); ++n) {
        arriving_[sections[n].to].push_back(n);
        if (!sections[n].detached) leaving_.emplace(sections[n].from, n);
    }
    for (std::size_t n = 0; n < sections.size(); ++n) {
        if (const auto below = leaving_.find(sections[n].to); below != leaving_.end()) next_[n] = below->second;
        if (sections[n].detached) continue;
        if (const auto above = arriving_.find(sections[n].from); above != arriving_.end()) incoming_[n] = above->second;
    }
}

const std::vector<std::size_t>& NetworkTopology::arriving(const std::string& manhole) const {
    static const std::vector<std::size_t> none;
    const auto found = arriving_.find(manhole);
    return found == arriving_.end() ? none : found->second;
}

std::optional<std::size_t> NetworkTopology::leaving(const std::string& manhole) const {
    const auto found = leaving_.find(manhole);
    return found == leaving_.end() ? std::nullopt : std::optional(found->second);
}

std::vector<std::string> NetworkTopology::outlets() const {
    std::vector<std::string> manholes;
    for (const auto& [manhole, sections] : arriving_)
        if (!leaving_.contains(manhole)) manholes.push_back(manhole);
    return manholes;
}

// With at most one section leaving each manhole, water runs from a section
// to at most one next; a circle is a walk that comes back to itself.
std::vector<std::vector<std::size_t>> NetworkTopology::circles() const {
    enum class Seen { Not, OnThisWalk, LeadsOut };
    std::vector<Seen> seen(next_.size(), Seen::Not);
    std::vector<std::vector<std::size_t>> found;
    std::vector<std::size_t> walk;
    for (std::size_t start = 0; start < next_.size(); ++start) {
        walk.clear();
        std::size_t at = start;
        while (at != kNone && seen[at] == Seen::Not) {
            seen[at] = Seen::OnThisWalk;
            walk.push_back(at);
            at = next_[at];
        }
        if (at != kNone && seen[at] == Seen::OnThisWalk)
            found.emplace_back(std::find(walk.begin(), walk.end(), at), walk.end());
        for (const std::size_t n : walk) seen[n] = Seen::LeadsOut;
    }
    return found;
}

std::vector<std::size_t> NetworkTopology::designOrder() const {
    std::vector<std::size_t> waiting(next_.size());
    std::vector<std::size_t> order;
    for (std::size_t n = 0; n < next_.size(); ++n) {
        waiting[n] = incoming_[n].size();
        if (waiting[n] == 0) order.push_back(n);
    }
    for (std::size_t at = 0; at < order.size(); ++at) {
        const std::size_t below = next_[order[at]];
        if (below != kNone && --waiting[below] == 0) order.push_back(below);
    }
    return order;
}

}  // namespace vexa
