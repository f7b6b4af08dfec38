#include "catalogue/catalogue_reader.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "toolkit/errors.h"

namespace vexa {
namespace {

using Lines = std::vector<std::string>;

// The sections after the types, complete and empty.
Lines tail() { return {"\"Optymalizacja\"", "\"SDR-PE\"", "\"SDR-PP\"", "\"Limit SDR\"", "630", "330"}; }

Lines withTail(Lines types) {
    for (auto& line : tail()) types.push_back(line);
    return types;
}

class CatalogueReader : public testing::Test {
protected:
    void read(const Lines& lines) { readCatalogue(lines, *catalogue, "pipe_vexa.dat"); }

    std::string damage(const Lines& lines) {
        try {
            read(lines);
        } catch (const CatalogueError& error) {
            return error.what();
        }
        return "(read without complaint)";
    }

    std::unique_ptr<Catalogue> catalogue = std::make_unique<Catalogue>();
};

TEST_F(CatalogueReader, ReadsTheExampleTypeBlockWithItsScaling) {
    read(withTail({"Rurtyp PVC      klasa N;", "K1,250", "K2,400", "K3,400", "K4,750", "DOUT,1600", "DIN,1506",
                   "KOD,\"kat.DP-102-0160\""}));
    ASSERT_EQ(catalogue->ilosc_typow, 1);
    EXPECT_EQ(catalogue->r_ind, 1);
    const Rura_1& type = catalogue->type(1);
    EXPECT_EQ(type.nazwa, "PVC      klasa N");
    EXPECT_EQ(type.klasa, "N");
    EXPECT_EQ(type.k1, 0.25);
    EXPECT_EQ(type.k2, 0.4);
    EXPECT_EQ(type.k4, 0.75);
    ASSERT_EQ(type.ilosc_sred, 1);
    EXPECT_EQ(type.diameter(1).dout, 160);
    EXPECT_EQ(type.diameter(1).din, 150.6);
    EXPECT_EQ(type.diameter(1).kod, "DP-102-0160");
    EXPECT_EQ(catalogue->dout_max, 630);
    EXPECT_EQ(catalogue->sdr_max, 33);
}

TEST_F(CatalogueReader, ReadsTheOptimisationAndSdrSections) {
    read({"Rurtyp A klasa SDR;", "\"Optymalizacja\"", "\"PVC\"", "", "\"KLOMEX\"", "\"SDR-PE\"", "410", "", "330",
          "276", "\"SDR-PP\"", " 260 ", "\"Limit SDR\"", "  630", "330 "});
    EXPECT_EQ(catalogue->type(1).klasa, "SDR");
    ASSERT_EQ(catalogue->tabopti.ilosc, 2);  // empty lines are skipped
    EXPECT_EQ(catalogue->tabopti.nazwy[0], "PVC");
    EXPECT_EQ(catalogue->tabopti.nazwy[1], "KLOMEX");
    ASSERT_EQ(catalogue->sdrpe.ilosc, 3);
    EXPECT_EQ(catalogue->sdrpe.wartosc[0], 41);
    EXPECT_EQ(catalogue->sdrpe.wartosc[2], 27.6);
    ASSERT_EQ(catalogue->sdrpp.ilosc, 1);
    EXPECT_EQ(catalogue->sdrpp.wartosc[0], 26);
    EXPECT_EQ(catalogue->dout_max, 630);
    EXPECT_EQ(catalogue->sdr_max, 33);
}

TEST_F(CatalogueReader, TypeLineFieldsArePositionalAndCutToCapacity) {
    read(withTail({"Rurtyp ABCDEFGHIJ;",  // no "klasa": class from the 6th character
                   "Rurtyp " + std::string(45, 'x') + " klasa SDRX;", "Rurtyp Żółta klasa Ł;",
                   "Rurtyp DOUT,12 klasa N;"}));  // a type line looks at no other key
    ASSERT_EQ(catalogue->ilosc_typow, 4);
    EXPECT_EQ(catalogue->type(1).nazwa, "ABCDEFGHIJ");
    EXPECT_EQ(catalogue->type(1).klasa, "p AB");
    EXPECT_EQ(catalogue->type(2).nazwa, std::string(40, 'x'));
    EXPECT_EQ(catalogue->type(2).klasa, "SDRX");
    EXPECT_EQ(catalogue->type(3).nazwa, "Żółta klasa Ł");  // characters, not bytes
    EXPECT_EQ(catalogue->type(3).klasa, "Ł");
    EXPECT_EQ(catalogue->type(4).ilosc_sred, 0);
}

TEST_F(CatalogueReader, CatalogueNumberDropsQuotesAndPrefixAndIsCutTo30) {
    read(withTail(
        {"Rurtyp A klasa N;", "DOUT,1100", "KOD,\"Nr: " + std::string(35, '7') + "\"", "DOUT,1600", "KOD,\"ab\""}));
    EXPECT_EQ(catalogue->type(1).diameter(1).kod, std::string(30, '7'));
    EXPECT_EQ(catalogue->type(1).diameter(2).kod, "");
}

TEST_F(CatalogueReader, CurrentDiameterCarriesOverIntoTheNextType) {
    read(withTail({"Rurtyp A klasa N;", "DOUT,1100", "DOUT,1600", "Rurtyp B klasa N;", "DIN,1506", "KOD,\"Nr: B-160\"",
                   "DOUT,2000", "DIN,1882"}));
    const Rura_1& second = catalogue->type(2);
    EXPECT_EQ(second.ilosc_sred, 1);
    // Written before B's first DOUT: into B's diameter 2, the last number set.
    EXPECT_EQ(second.diameter(2).din, 150.6);
    EXPECT_EQ(second.diameter(2).kod, "B-160");
    EXPECT_EQ(second.diameter(1).dout, 200);
    EXPECT_EQ(second.diameter(1).din, 188.2);
}

TEST_F(CatalogueReader, EveryKeyOfALineIsApplied) {
    read(withTail({"Rurtyp A klasa N;", "DOUT,1600", "DIN K1 K2 K3 K4,300", "", "no key here"}));
    const Rura_1& type = catalogue->type(1);
    EXPECT_EQ(type.diameter(1).dout, 160);
    EXPECT_EQ(type.diameter(1).din, 30);
    EXPECT_EQ(type.k1, 0.3);
    EXPECT_EQ(type.k4, 0.3);
    EXPECT_EQ(type.ilosc_sred, 1);
}

TEST_F(CatalogueReader, KeysAreCaseSensitive) {
    read(withTail({"Rurtyp A klasa N;", "dout,1600", "k1,250"}));
    EXPECT_EQ(catalogue->type(1).ilosc_sred, 0);
    EXPECT_EQ(catalogue->type(1).k1, 0);
}

struct BadNumber {
    const char* line;
    const char* shown;  // the text the conversion error names
};

class MalformedNumber : public testing::TestWithParam<BadNumber> {};

TEST_P(MalformedNumber, EndsTheLoadWithTheConversionErrorAndChangesNothing) {
    auto catalogue = std::make_unique<Catalogue>();
    readCatalogue(withTail({"Rurtyp Old klasa L;"}), *catalogue, "pipe_vexa.dat");
    const Lines broken = withTail({"Rurtyp New klasa N;", GetParam().line});
    try {
        readCatalogue(broken, *catalogue, "pipe_vexa.dat");
        FAIL() << "read " << GetParam().line;
    } catch (const ConversionError& error) {
        EXPECT_EQ(std::string(error.what()),
                  std::string("'") + GetParam().shown + "' is not a valid floating point value");
    }
    EXPECT_EQ(catalogue->ilosc_typow, 1);
    EXPECT_EQ(catalogue->type(1).nazwa, "Old klasa L");
}

INSTANTIATE_TEST_SUITE_P(Lines, MalformedNumber,
                         testing::Values(BadNumber{"DOUT,160.0", "160.0"}, BadNumber{"DIN,abc", "abc"},
                                         BadNumber{"K1 250", "K1 250"},  // no comma: the whole line is the value
                                         BadNumber{"K2,", ""}, BadNumber{"KOD,\"Nr: K1\"", "\"Nr: K1\""}));

TEST(CatalogueSections, MalformedSdrOrLimitValueIsAConversionError) {
    auto catalogue = std::make_unique<Catalogue>();
    EXPECT_THROW(readCatalogue({"\"Optymalizacja\"", "\"SDR-PE\"", "33.0", "\"SDR-PP\"", "\"Limit SDR\"", "630", "330"},
                               *catalogue, "x"),
                 ConversionError);
    EXPECT_THROW(readCatalogue({"\"Optymalizacja\"", "\"SDR-PE\"", "\"SDR-PP\"", "\"Limit SDR\"", "630 mm", "330"},
                               *catalogue, "x"),
                 ConversionError);
}

TEST_F(CatalogueReader, FileEndingBeforeTheLimitsIsReportedAsDamaged) {
    const std::string head = "Zbiór \"pipe_vexa.dat\" jest uszkodzony: ";
    EXPECT_EQ(damage({"Rurtyp A klasa N;"}), head + "plik kończy się przed wierszem \"Optymalizacja\".");
    EXPECT_EQ(damage({"\"Optymalizacja\"", "\"A\""}), head + "plik kończy się przed wierszem \"SDR-PE\".");
    EXPECT_EQ(damage({"\"Optymalizacja\"", "\"SDR-PE\"", "410"}), head + "plik kończy się przed wierszem \"SDR-PP\".");
    EXPECT_EQ(damage({"\"Optymalizacja\"", "\"SDR-PE\"", "\"SDR-PP\""}),
              head + "plik kończy się przed wierszem \"Limit SDR\".");
    EXPECT_EQ(damage({"\"Optymalizacja\"", "\"SDR-PE\"", "\"SDR-PP\"", "\"Limit SDR\"", "630"}),
              head + "brak wartości granicznych SDR po wierszu \"Limit SDR\".");
    // A marker must match exactly.
    EXPECT_EQ(damage({"Optymalizacja", "\"SDR-PE\"", "\"SDR-PP\"", "\"Limit SDR\"", "1", "2"}),
              head + "plik kończy się przed wierszem \"Optymalizacja\".");
    EXPECT_EQ(catalogue->ilosc_typow, 0);
}

TEST_F(CatalogueReader, MoreThanTheArraysHoldIsRefusedNamingWhatOverflowed) {
    const std::string head = "Zbiór \"pipe_vexa.dat\" jest uszkodzony: ";
    Lines types;
    for (int n = 0; n < 41; ++n) types.push_back("Rurtyp T" + std::to_string(n) + " klasa N;");
    EXPECT_EQ(damage(withTail(types)), head + "więcej niż 40 typów rur (wiersz 41).");

    Lines diameters = {"Rurtyp A klasa N;", "Rurtyp B klasa N;"};
    for (int n = 0; n < 31; ++n) diameters.push_back("DOUT," + std::to_string(1000 + n));
    EXPECT_EQ(damage(withTail(diameters)), head + "typ rury nr 2 ma więcej niż 30 średnic (wiersz 33).");

    Lines entries = {"\"Optymalizacja\""};
    for (int n = 0; n < 11; ++n) entries.push_back("\"E" + std::to_string(n) + "\"");
    entries.insert(entries.end(), {"\"SDR-PE\"", "\"SDR-PP\"", "\"Limit SDR\"", "630", "330"});
    EXPECT_EQ(damage(entries), head + "więcej niż 10 pozycji w sekcji \"Optymalizacja\" (wiersz 12).");

    Lines sdr = {"\"Optymalizacja\"", "\"SDR-PE\"", "\"SDR-PP\""};
    for (int n = 0; n < 9; ++n) sdr.push_back(std::to_string(410 - n * 10));
    sdr.insert(sdr.end(), {"\"Limit SDR\"", "630", "330"});
    EXPECT_EQ(damage(sdr), head + "więcej niż 8 wartości w sekcji \"SDR-PP\" (wiersz 12).");

    EXPECT_EQ(catalogue->ilosc_typow, 0);
}

TEST_F(CatalogueReader, ValuesThatCannotGiveAFiniteResultAreRefusedNamingTheLine) {
    const std::string head = "Zbiór \"pipe_vexa.dat\" jest uszkodzony: ";
    const auto refused = [&](const std::string& line, const char* what, int number) {
        return head + what + " w wierszu \"" + line + "\" nie jest dodatnią liczbą skończoną (wiersz " +
               std::to_string(number) + ").";
    };
    for (const char* value : {"DIN,0", "DIN,-0", "DIN,-5", "DIN,1e400", "DOUT,0"})
        EXPECT_EQ(damage(withTail({"Rurtyp A klasa N;", "DOUT,1600", value})), refused(value, "średnica", 3));
    EXPECT_EQ(damage({"\"Optymalizacja\"", "\"SDR-PE\"", "0", "\"SDR-PP\"", "\"Limit SDR\"", "1", "2"}),
              refused("0", "wartość SDR", 3));
    EXPECT_EQ(catalogue->ilosc_typow, 0);
}

TEST_F(CatalogueReader, InnerDiametersTheCalculationCanUseAreAccepted) {
    // The wall of an SDR pipe follows from the SDR, so its DIN is not read;
    // a type given by its nominal inside size writes DIN equal to DOUT.
    read(withTail({"Rurtyp PE klasa SDR;", "DOUT,2000", "DIN,0", "DOUT,2500", "DIN,-1", "Rurtyp DN klasa N;",
                   "DOUT,1600", "DIN,1600"}));
    EXPECT_EQ(catalogue->type(1).diameter(1).din, 0);
    EXPECT_EQ(catalogue->type(1).ilosc_sred, 2);
    EXPECT_EQ(catalogue->type(2).diameter(1).din, 160);
}

TEST_F(CatalogueReader, ALastLineEndingInCrAloneLosesItsCr) {
    const Lines lines = catalogueLines("\"Limit SDR\"\r\n630\r\n260\r");
    EXPECT_EQ(lines, (Lines{"\"Limit SDR\"", "630", "260"}));
}

TEST_F(CatalogueReader, FullArraysAreAccepted) {
    Lines lines;
    for (int n = 1; n <= 40; ++n) {
        lines.push_back("Rurtyp T" + std::to_string(n) + " klasa N;");
        for (int j = 1; j <= 30; ++j) lines.push_back("DOUT," + std::to_string(1000 + j));
    }
    lines.push_back("\"Optymalizacja\"");
    for (int n = 1; n <= 10; ++n) lines.push_back("\"T" + std::to_string(41 - n) + "\"");
    lines.push_back("\"SDR-PE\"");
    for (int n = 0; n < 8; ++n) lines.push_back("410");
    lines.push_back("\"SDR-PP\"");
    for (int n = 0; n < 8; ++n) lines.push_back("330");
    lines.insert(lines.end(), {"\"Limit SDR\"", "630", "330"});
    read(lines);
    EXPECT_EQ(catalogue->ilosc_typow, 40);
    EXPECT_EQ(catalogue->type(40).ilosc_sred, 30);
    EXPECT_EQ(catalogue->type(40).diameter(30).dout, 103);
    EXPECT_EQ(catalogue->tabopti.ilosc, 10);
    EXPECT_EQ(catalogue->sdrpe.ilosc, 8);
    EXPECT_EQ(catalogue->sdrpp.ilosc, 8);
}

TEST_F(CatalogueReader, DataBeforeTheFirstTypeIsRefused) {
    EXPECT_EQ(damage(withTail({"DOUT,1600", "Rurtyp A klasa N;"})),
              "Zbiór \"pipe_vexa.dat\" jest uszkodzony: dane rury przed pierwszym wierszem "
              "\"Rurtyp\" (wiersz 1).");
    read(withTail({"komentarz bez klucza", "Rurtyp A klasa N;"}));
    EXPECT_EQ(catalogue->ilosc_typow, 1);
}

TEST_F(CatalogueReader, OptimisationEntriesLinkToTheFirstTypeContainingThem) {
    read({"Rurtyp PVC-U SN4 klasa N;", "Rurtyp KLOMEX klasa T;", "Rurtyp PVC-U SN8 klasa T;", "\"Optymalizacja\"",
          "\"PVC-U\"", "\"SN8\"", "\"klomex\"", "\"\"", "\"KLOMEX\"", "\"SDR-PE\"", "\"SDR-PP\"", "\"Limit SDR\"",
          "630", "330"});
    catalogue->tabopti.nr_typu[2] = 7;  // left as it was: no type matches
    linkOptimisation(*catalogue);
    const auto& links = catalogue->tabopti.nr_typu;
    EXPECT_EQ(links[0], 1);
    EXPECT_EQ(links[1], 3);
    EXPECT_EQ(links[2], 7);  // case-sensitive
    EXPECT_EQ(links[3], 0);  // an empty fragment matches nothing
    EXPECT_EQ(links[4], 2);
}

TEST_F(CatalogueReader, ARepeatedLoadGivesTheSameCatalogue) {
    const Lines lines = withTail({"Rurtyp A klasa N;", "DOUT,1600", "DIN,1506", "Rurtyp B klasa T;", "DOUT,2000"});
    read(lines);
    const Catalogue first = *catalogue;
    read(lines);
    EXPECT_EQ(catalogue->ilosc_typow, first.ilosc_typow);
    for (int t = 1; t <= 2; ++t) {
        EXPECT_EQ(catalogue->type(t).nazwa, first.type(t).nazwa);
        EXPECT_EQ(catalogue->type(t).ilosc_sred, first.type(t).ilosc_sred);
        EXPECT_EQ(catalogue->type(t).diameter(1).dout, first.type(t).diameter(1).dout);
    }
}

TEST(CatalogueLines, SplitsOnLfAndCrLfAndDecodesCodePage1250) {
    EXPECT_EQ(catalogueLines("a\r\nb\nc"), (Lines{"a", "b", "c"}));
    EXPECT_EQ(catalogueLines("a\r\n\r\n"), (Lines{"a", ""}));
    EXPECT_EQ(catalogueLines("x\ry\n"), (Lines{"x\ry"}));  // a lone CR stays in the line
    EXPECT_EQ(catalogueLines("\xA3\xF3\x64\x9F"), (Lines{"Łódź"}));
    EXPECT_TRUE(catalogueLines("").empty());
}

}  // namespace
}  // namespace vexa
