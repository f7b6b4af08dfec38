#include "network/network_columns.h"

namespace vexa {
std::string NetworkColumn::headingWithUnit() const {
    return *unit ? std::string(heading) + " [" + unit + "]" : std::string(heading);
}

bool isRainColumn(ResultColumn result) {
    return position(result) >= position(ResultColumn::Fzr) && position(result) <= position(ResultColumn::Qdeszcz);
}

std::vector<ResultColumn> networkResultColumns(bool rain) {
    std::vector<ResultColumn> columns;
    for (int n = 0; n < kResultColumnCount; ++n)
        if (rain || !isRainColumn(static_cast<ResultColumn>(n))) columns.push_back(static_cast<ResultColumn>(n));
    return columns;
}

std::string networkResultsHead(bool rain) {
    std::string head;
    for (const ResultColumn result : networkResultColumns(rain))
        head += (head.empty() ? "" : ";") + std::string(column(result).key);
    return head;
}

}  // namespace vexa
