#pragma once

// How the sections of a network connect, built once from the file and used
// by everything that follows the water: at each manhole the sections that
// arrive (in the file's order) and the one that leaves it, the order in
// which sections can be designed (each after every section above it), and
// the circles that stop a file from being a network. A detached section
// (NetworkSection::detached) only arrives.

#include <cstddef>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace vexa {

struct NetworkSection;

class NetworkTopology {
public:
    NetworkTopology() = default;
    explicit NetworkTopology(const std::vector<NetworkSection>& sections);

    // The sections ending in a manhole, in the file's order (none: empty).
    const std::vector<std::size_t>& arriving(const std::string& manhole) const;
    // The sections ending in a section's upper manhole.
    const std::vector<std::size_t>& incoming(std::size_t section) const { return incoming_[section]; }
    // The section leaving a manhole: the first in the file where two do.
    std::optional<std::size_t> leaving(const std::string& manhole) const;
    // Manholes no section leaves but some section ends in, in no order.
    std::vector<std::string> outlets() const;

    // The sections of each circle the water runs in, in its order, starting
    // from the first one met walking down from the file's sections in turn;
    // none in a network.
    std::vector<std::vector<std::size_t>> circles() const;
    // Every section after all that run into it, the file's order where the
    // water leaves a choice; in a network without a circle, all of them.
    std::vector<std::size_t> designOrder() const;

private:
    std::vector<std::size_t> next_;  // the section below each, or kNone
    std::vector<std::vector<std::size_t>> incoming_;
    std::unordered_map<std::string, std::vector<std::size_t>> arriving_;
    std::unordered_map<std::string, std::size_t> leaving_;
};

}  // namespace vexa
