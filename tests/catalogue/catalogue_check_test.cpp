// What a catalogue that loads probably got wrong: one warning of each kind,
// and none for the bundled catalogue.

#include "catalogue/catalogue_check.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "catalogue/catalogue_reader.h"
#include "support/catalogues.h"

namespace vexa {
namespace {

TEST(CatalogueCheck, EachProbableMistakeIsWarnedOfWithItsPlace) {
    Catalogue catalogue;
    catalogue.ilosc_typow = 3;
    Rura_1& pvc = catalogue.type(1);
    pvc.nazwa = "PVC";
    pvc.klasa = "N";
    pvc.ilosc_sred = 3;
    pvc.diameter(1) = {160, 153.6, "A-160"};
    pvc.diameter(2) = {200, 200, "A-200"};  // inner not below outer
    pvc.diameter(3) = {180, 172, "A-160"};  // out of order, and A-160 again
    Rura_1& pe = catalogue.type(2);
    pe.nazwa = "PE";
    pe.klasa = "SDR";
    pe.ilosc_sred = 1;
    pe.diameter(1) = {160, 0, "B-160"};  // an SDR pipe's inner diameter comes from its SDR
    Rura_1& zorka = catalogue.type(3);
    zorka.nazwa = "ZORKA";
    zorka.klasa = "T";
    zorka.ilosc_sred = 1;
    zorka.diameter(1) = {150, 150, "C-150"};  // listed by its inside size, given twice
    catalogue.tabopti.ilosc = 2;
    catalogue.tabopti.nazwy[0] = "PVC";
    catalogue.tabopti.nr_typu[0] = 1;
    catalogue.tabopti.nazwy[1] = "PP";  // no type is called so
    EXPECT_EQ(catalogueWarnings(catalogue),
              (std::vector<std::string>{
                  "typ 1 \"PVC\", średnica 2: Dw 200 mm nie jest mniejsza od Dz 200 mm",
                  "typ 1 \"PVC\", średnica 3: Dz 180 mm nie jest większa od Dz 200 mm średnicy poprzedniej",
                  "typ 1 \"PVC\", średnica 3: nr kat. \"A-160\" jest już w typ 1 \"PVC\", średnica 1",
                  "tabela optymalizacji: \"PP\" nie pasuje do nazwy żadnego typu"}));

    const auto bundled = testing_support::bundledCatalogue();
    EXPECT_EQ(catalogueWarnings(*bundled), std::vector<std::string>{});
    EXPECT_EQ(catalogueSummary(*bundled).front(), "Typy rur: 9");
}

}  // namespace
}  // namespace vexa
