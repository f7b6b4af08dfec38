#include "network_window/section_cache.h"

namespace vexa {

BatchResult SectionCache::run(const BatchSection& section) {
    std::string key = sectionLine(section);
    if (const auto found = results_.find(key); found != results_.end()) return found->second;
    BatchResult result = calculator_.run(section);
    ++calculated_;
    if (results_.size() >= kMostKept) results_.clear();
    results_.emplace(std::move(key), result);
    return result;
}

}  // namespace vexa
