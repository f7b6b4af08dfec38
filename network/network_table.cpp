#include "network/network_table.h"

#include "toolkit/delimited_fields.h"
#include "toolkit/numbers.h"

namespace vexa {

const std::array<NetworkColumn, 23> kNetworkColumns{{
    {"Odcinek", "Odcinek", kTextColumn},
    {"Od", "Studnia początkowa", kTextColumn},
    {"Do", "Studnia końcowa", kTextColumn},
    {"Dlugosc", "Długość [m]", 3},
    {"Q", "Q [l/s]", kGeneralNumber},
    {"Bd", "Średnice Dz / Dw [mm]", kTextColumn},
    {"Bnrkat", "Nr katalogowy", kTextColumn},
    {"Bkl", "Klasa", kTextColumn},
    {"Bk", "k [mm]", 2},
    {"Bi", "Spadek [‰]", 1},
    {"Bh", "h/d [%]", 0},
    {"Br", "τ [Pa]", 2},
    {"Bv", "v [m/s]", 2},
    {"Bws", "Samooczyszczanie", kTextColumn},
    {"Bwp", "Przewietrzanie", kTextColumn},
    {"DnoOd", "Dno na początku [m n.p.m.]", 3},
    {"DnoDo", "Dno na końcu [m n.p.m.]", 3},
    {"PrzykrycieOd", "Przykrycie na początku [m]", 3},
    {"PrzykrycieDo", "Przykrycie na końcu [m]", 3},
    {"GlebokoscOd", "Zagłębienie na początku [m]", 3},
    {"GlebokoscDo", "Zagłębienie na końcu [m]", 3},
    {"Kaskada", "Kaskada [m]", 3},
    {"Uwagi", "Uwagi", kTextColumn},
}};

std::string networkResultsHead() {
    std::string head;
    for (const NetworkColumn& column : kNetworkColumns) head += (head.empty() ? "" : ";") + std::string(column.name);
    return head;
}

std::vector<WorkbookColumn> networkWorkbookColumns() {
    std::vector<WorkbookColumn> columns;
    for (const NetworkColumn& column : kNetworkColumns) columns.push_back({column.heading, column.decimals});
    return columns;
}

std::vector<std::string> networkResultFields(const NetworkSection& section, const SectionDesign& design) {
    std::vector<std::string> fields{section.name, section.from, section.to, formatScaled(section.length, 3),
                                    formatScaledGeneral(design.flow, 3)};
    const BatchResult& result = design.result;
    if (result.computed) {
        fields.insert(fields.end(), result.fields.begin(), result.fields.end());
    } else {
        fields.push_back("!");
        fields.push_back(result.message);
        fields.resize(fields.size() + result.fields.size() - 2);
    }
    if (design.levels) {
        const SectionLevels& l = *design.levels;
        for (const long long level : {l.invertFrom, l.invertTo, l.coverFrom, l.coverTo, l.depthFrom, l.depthTo, l.drop})
            fields.push_back(formatScaled(level, 3));
    } else {
        fields.resize(fields.size() + 7);
    }
    fields.push_back(design.notes);
    return fields;
}

std::vector<std::vector<std::string>> networkWorkbookRows(const Network& network,
                                                          const std::vector<SectionDesign>& designs) {
    std::vector<std::vector<std::string>> rows;
    rows.reserve(designs.size());
    for (std::size_t n = 0; n < designs.size(); ++n) {
        std::vector<std::string>& row = rows.emplace_back(networkResultFields(network.sections[n], designs[n]));
        for (std::string& field : row) field = delimited::trimmed(field);
    }
    return rows;
}

}  // namespace vexa
