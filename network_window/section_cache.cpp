#include "network_window/section_cache.h"

namespace vexa {

std::size_t SectionCache::LineHash::operator()(const BatchSection& section) const {
    std::size_t hash = 0;
    const auto add = [&hash](std::size_t value) { hash = hash * 1'000'003 ^ value; };
    for (const std::string* text : {&section.name, &section.diameter, &section.sdr, &section.flow, &section.slope,
                                    &section.slopeFrom, &section.slopeTo, &section.fillingLimit})
        add(std::hash<std::string>()(*text));
    for (const int item : {section.type, section.sewage, section.losses, section.slopeCriterion, section.pipeCriterion})
        add(static_cast<std::size_t>(item));
    return hash;
}

BatchResult SectionCache::run(const BatchSection& section) {
    if (const auto found = results_.find(section); found != results_.end()) return found->second;
    BatchResult result = calculator_.run(section);
    ++calculated_;
    if (results_.size() >= kMostKept) results_.clear();
    results_.emplace(section, result);
    return result;
}

}  // namespace vexa
