#include "network/network_table.h"

#include <algorithm>

#include "toolkit/delimited_fields.h"
#include "toolkit/numbers.h"

namespace vexa {

std::vector<WorkbookColumn> networkWorkbookColumns(bool rain) {
    std::vector<WorkbookColumn> columns;
    for (const ResultColumn result : networkResultColumns(rain)) {
        const NetworkColumn& column = vexa::column(result);
        const int decimals = column.decimals == kTextColumn      ? kWorkbookText
                             : column.decimals == kGeneralNumber ? kWorkbookGeneral
                                                                 : column.decimals;
        columns.push_back({column.headingWithUnit(), decimals});
    }
    return columns;
}

std::vector<std::string> networkResultFields(const NetworkSection& section, const SectionDesign& design, bool rain) {
    std::vector<std::string> fields(kResultColumnCount);
    const auto set = [&fields](ResultColumn result, std::string text) {
        fields[static_cast<std::size_t>(position(result))] = std::move(text);
    };
    const auto number = [&set](ResultColumn result, long long units) {
        set(result, formatScaled(units, column(result).decimals));
    };
    set(ResultColumn::Odcinek, section.name);
    set(ResultColumn::Od, section.from);
    set(ResultColumn::Do, section.to);
    number(ResultColumn::Dlugosc, section.length);
    set(ResultColumn::Q, formatScaledGeneral(design.flow, 3));
    const BatchResult& result = design.result;
    if (result.computed) {
        std::copy(result.fields.begin(), result.fields.end(), fields.begin() + position(ResultColumn::Bd));
    } else {
        set(ResultColumn::Bd, "!");
        set(ResultColumn::Bnrkat, result.message);
    }
    if (design.levels) {
        const SectionLevels& levels = *design.levels;
        number(ResultColumn::DnoOd, levels.invertFrom);
        number(ResultColumn::DnoDo, levels.invertTo);
        number(ResultColumn::PrzykrycieOd, levels.coverFrom);
        number(ResultColumn::PrzykrycieDo, levels.coverTo);
        number(ResultColumn::GlebokoscOd, levels.depthFrom);
        number(ResultColumn::GlebokoscDo, levels.depthTo);
        number(ResultColumn::Kaskada, levels.drop);
    }
    if (rain) {
        // Hundredths of a square metre to whole ones, half up; nothing of a
        // duration, an intensity or a rain part that the section does not have.
        const SectionRain& part = design.rain;
        number(ResultColumn::Fzr, (part.reducedArea + 50) / 100);
        if (part.flowTime) set(ResultColumn::tp, minutesText(*part.flowTime));
        if (part.duration) set(ResultColumn::td, minutesText(*part.duration));
        // The intensity rounded on its exact binary value, as every number the program writes.
        if (part.intensity) set(ResultColumn::q, formatFixedText(*part.intensity, 0, column(ResultColumn::q).decimals));
        if (part.flow) set(ResultColumn::Qdeszcz, formatScaledGeneral(*part.flow, 3));
    }
    set(ResultColumn::Uwagi, design.notes);
    if (rain) return fields;
    std::vector<std::string> shown;
    for (const ResultColumn kept : networkResultColumns(false))
        shown.push_back(std::move(fields[static_cast<std::size_t>(position(kept))]));
    return shown;
}

std::vector<std::vector<std::string>> networkWorkbookRows(const Network& network,
                                                          const std::vector<SectionDesign>& designs) {
    std::vector<std::vector<std::string>> rows;
    rows.reserve(designs.size());
    const bool rain = network.rain();
    for (std::size_t n = 0; n < designs.size(); ++n) {
        std::vector<std::string>& row = rows.emplace_back(networkResultFields(network.sections[n], designs[n], rain));
        for (std::string& field : row) field = delimited::trimmed(field);
    }
    return rows;
}

}  // namespace vexa
