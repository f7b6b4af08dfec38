#include "network/network_columns.h"

namespace vexa {
namespace {

template <std::size_t N>
std::string headLine(const std::array<NetworkColumn, N>& columns) {
    std::string head;
    for (const NetworkColumn& column : columns) head += (head.empty() ? "" : ";") + std::string(column.key);
    return head;
}

}  // namespace

std::string NetworkColumn::headingWithUnit() const {
    return *unit ? std::string(heading) + " [" + unit + "]" : std::string(heading);
}

std::string networkResultsHead() { return headLine(kResultColumns); }

}  // namespace vexa
