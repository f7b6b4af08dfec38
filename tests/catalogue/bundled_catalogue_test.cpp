// The catalogue shipped with the program: every type, diameter, SDR value and
// optimisation link as intended.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "catalogue/catalogue_reader.h"
#include "support/catalogues.h"

namespace vexa {
namespace {

class BundledCatalogue : public testing::Test {
protected:
    static void SetUpTestSuite() { catalogue = testing_support::bundledCatalogue().release(); }
    static void TearDownTestSuite() { delete catalogue; }

    static Catalogue* catalogue;
};
Catalogue* BundledCatalogue::catalogue = nullptr;

struct ExpectedType {
    const char* nazwa;
    const char* klasa;
    double k1, k2, k3, k4;
    int diameters;
    double firstDout, firstDin, lastDout, lastDin;
    const char* familyCode;
};

const std::vector<ExpectedType> kTypes = {
    {"PVC-U SN2 klasa L", "L", 0.25, 0.5, 0.4, 0.75, 13, 160, 153.6, 1000, 960.8, "101"},
    {"PVC-U SN4 klasa N", "N", 0.25, 0.5, 0.4, 0.75, 15, 110, 103.6, 1000, 951, "102"},
    {"PVC-U SN8 klasa T", "T", 0.25, 0.5, 0.4, 0.75, 15, 110, 103.6, 1000, 941.2, "103"},
    {"PVC-U rdzeń SN8 klasa T", "T", 0.25, 0.5, 0.4, 0.75, 7, 110, 103.6, 500, 470.8, "111"},
    {"ZORKA dwuścienna klasa T", "T", 0.25, 0.5, 0.5, 0.75, 10, 150, 145, 1200, 1185, "201"},
    {"KLOMEX karbowana klasa T", "T", 0.25, 0.5, 0.5, 0.75, 11, 110, 95, 1000, 855, "202"},
    {"PE-HD spiralna klasa N", "N", 0.25, 0.5, 0.5, 0.75, 7, 300, 294, 1200, 1185, "301"},
    {"PE 100 lita klasa SDR", "SDR", 0.25, 0.4, 0.4, 0.6, 16, 110, 104.6, 1000, 951, "401"},
    {"PP-HM lita klasa SDR", "SDR", 0.25, 0.4, 0.4, 0.6, 12, 110, 104.6, 630, 599.2, "402"},
};

TEST_F(BundledCatalogue, HoldsEveryTypeWithItsClassRoughnessAndRange) {
    ASSERT_EQ(catalogue->ilosc_typow, static_cast<int>(kTypes.size()));
    for (int number = 1; number <= catalogue->ilosc_typow; ++number) {
        const ExpectedType& expected = kTypes[number - 1];
        const Rura_1& type = catalogue->type(number);
        SCOPED_TRACE(type.nazwa);
        EXPECT_EQ(type.nazwa, expected.nazwa);
        EXPECT_EQ(type.klasa, expected.klasa);
        EXPECT_EQ(type.k1, expected.k1);
        EXPECT_EQ(type.k2, expected.k2);
        EXPECT_EQ(type.k3, expected.k3);
        EXPECT_EQ(type.k4, expected.k4);
        ASSERT_EQ(type.ilosc_sred, expected.diameters);
        EXPECT_EQ(type.diameter(1).dout, expected.firstDout);
        EXPECT_EQ(type.diameter(1).din, expected.firstDin);
        EXPECT_EQ(type.diameter(type.ilosc_sred).dout, expected.lastDout);
        EXPECT_EQ(type.diameter(type.ilosc_sred).din, expected.lastDin);
    }
}

TEST_F(BundledCatalogue, DiametersAscendAndCarryCatalogueNumbersOfOneScheme) {
    std::set<std::string> numbers;
    for (int number = 1; number <= catalogue->ilosc_typow; ++number) {
        const Rura_1& type = catalogue->type(number);
        const bool sdr = type.klasa == "SDR";
        const std::regex scheme("DP-" + std::string(kTypes[number - 1].familyCode) + "-\\d{4}" + (sdr ? "-SDR" : ""));
        for (int j = 1; j <= type.ilosc_sred; ++j) {
            const Podrura& pipe = type.diameter(j);
            SCOPED_TRACE(pipe.kod);
            EXPECT_TRUE(std::regex_match(pipe.kod, scheme));
            EXPECT_TRUE(numbers.insert(pipe.kod).second) << "catalogue number used twice";
            EXPECT_LT(pipe.din, pipe.dout);
            EXPECT_GT(pipe.din, 0.8 * pipe.dout);
            if (j > 1) {
                EXPECT_GT(pipe.dout, type.diameter(j - 1).dout);
            }
        }
    }
}

TEST_F(BundledCatalogue, OffersTheFamiliesTheWindowTreatsSpecially) {
    const auto typeWith = [](const std::string& part) {
        for (int number = 1; number <= catalogue->ilosc_typow; ++number)
            if (catalogue->type(number).nazwa.find(part) != std::string::npos) return number;
        return 0;
    };
    EXPECT_EQ(typeWith("PE-HD"), 7);
    EXPECT_EQ(typeWith("ZORKA"), 5);
    EXPECT_EQ(typeWith("KLOMEX"), 6);
    EXPECT_EQ(catalogue->type(6).klasa, "T");
    // SDR types with and without "PE" in the name take different SDR lists.
    EXPECT_NE(catalogue->type(8).nazwa.find("PE"), std::string::npos);
    EXPECT_EQ(catalogue->type(9).nazwa.find("PE"), std::string::npos);
}

TEST_F(BundledCatalogue, LinksTheOptimisationTableEndingWithTheSdrFamily) {
    const opti_struct& table = catalogue->tabopti;
    ASSERT_EQ(table.ilosc, 5);
    const std::vector<std::string> fragments = {"PVC-U SN4", "ZORKA", "KLOMEX", "PE-HD", "PE 100"};
    const std::vector<int> links = {2, 5, 6, 7, 8};
    for (int entry = 0; entry < table.ilosc; ++entry) {
        EXPECT_EQ(table.nazwy[entry], fragments[entry]);
        EXPECT_EQ(table.nr_typu[entry], links[entry]);
    }
    EXPECT_EQ(catalogue->type(table.nr_typu[table.ilosc - 1]).klasa, "SDR");
}

TEST_F(BundledCatalogue, SdrListsStartAtOrAboveTheLimit) {
    const std::vector<double> pe = {41, 33, 26, 21, 17, 13.6, 11};
    const std::vector<double> pp = {41, 33, 27.6, 22, 17.6};
    ASSERT_EQ(catalogue->sdrpe.ilosc, static_cast<int>(pe.size()));
    ASSERT_EQ(catalogue->sdrpp.ilosc, static_cast<int>(pp.size()));
    for (std::size_t n = 0; n < pe.size(); ++n) EXPECT_EQ(catalogue->sdrpe.wartosc[n], pe[n]);
    for (std::size_t n = 0; n < pp.size(); ++n) EXPECT_EQ(catalogue->sdrpp.wartosc[n], pp[n]);
    EXPECT_EQ(catalogue->dout_max, 630);
    EXPECT_EQ(catalogue->sdr_max, 26);
    EXPECT_GE(catalogue->sdrpe.wartosc[0], catalogue->sdr_max);
    EXPECT_GE(catalogue->sdrpp.wartosc[0], catalogue->sdr_max);
}

}  // namespace
}  // namespace vexa
