// Reading a network file: numbers rounded on their decimal digits, and every
// file that cannot be designed refused with its message and line numbers.

#include "network/network_file.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

std::vector<std::string> withHead(std::vector<std::string> lines) {
    lines.insert(lines.begin(), kNetworkHeadLine);
    return lines;
}

TEST(NetworkFile, ReadsLevelsInMillimetresAndInflowsInMillilitres) {
    std::vector<std::string> lines = withHead({"K1;A1; A2 ;50.0005;110,2344;109,8;;1;dowolna;;2;0;3;;0,12345;0,855", "",
                                               "K2;A2;A3;1e1;109,8;109;0,0125;2;;;;;;;;1"});
    lines.front().insert(0, "\xEF\xBB\xBF");  // as spreadsheets save UTF-8
    const Network network = readNetwork(lines);
    ASSERT_EQ(network.sections.size(), 2U);
    const NetworkSection& first = network.sections[0];
    EXPECT_EQ(first.line, 2);
    EXPECT_EQ(first.length, 50001);  // a decimal point is read as the comma; half away from zero
    EXPECT_EQ(first.groundFrom, 110234);
    EXPECT_EQ(first.groundTo, 109800);
    EXPECT_EQ(first.to, "A2");   // the blanks around a name are no part of it
    EXPECT_EQ(first.inflow, 0);  // empty
    EXPECT_EQ(first.pipe.type, 1);
    EXPECT_EQ(first.pipe.diameter, "dowolna");
    EXPECT_EQ(first.pipe.sewage, 2);
    EXPECT_EQ(first.pipe.pipeCriterion, 3);
    EXPECT_EQ(network.sections[1].line, 4);  // the empty line keeps its number
    EXPECT_EQ(network.sections[1].length, 10000);
    EXPECT_EQ(network.sections[1].inflow, 13);
    // Whole square metres and hundredths: a reduced area in hundredths of a square metre.
    EXPECT_EQ(first.reducedArea(), 1235 * 86);
    EXPECT_EQ(network.sections[1].reducedArea(), 0);  // a coefficient without an area
    EXPECT_TRUE(network.rain());
}

TEST(NetworkFile, AFileWithoutCatchmentsKeepsItsHeadLinesColumns) {
    const NetworkText text =
        readNetworkText(std::string(kNetworkHeadLineWithoutCatchments) + "\nK1;A1;A2;50;110;109;1;1;;;0;0;1;;1\n");
    EXPECT_EQ(text.columns, kRequiredInputColumnCount);
    try {
        readNetwork(text.records, text.columns);
        FAIL() << "accepted";
    } catch (const NetworkError& error) {
        EXPECT_EQ(std::string(error.what()), "Wiersz 2: wiersz ma 15 pól, a najwyżej 14");
    }
    EXPECT_FALSE(readNetwork(withHead({"K1;A1;A2;50;110;109;1;1"})).rain());
}

struct Refusal {
    std::vector<std::string> lines;  // after the head line
    std::string message;
    std::vector<int> faultyLines;
    int field = -1;  // the field at fault, where one is
};
void PrintTo(const Refusal& refusal, std::ostream* os) { *os << '"' << refusal.message << '"'; }

class NetworkRefusal : public testing::TestWithParam<Refusal> {};

TEST_P(NetworkRefusal, NamesTheLines) {
    try {
        readNetwork(withHead(GetParam().lines));
        FAIL() << "accepted";
    } catch (const NetworkError& error) {
        EXPECT_EQ(std::string(error.what()), GetParam().message);
        EXPECT_EQ(error.lines(), GetParam().faultyLines);
        EXPECT_EQ(error.field(), GetParam().field);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Refused, NetworkRefusal,
    testing::Values(
        Refusal{{"K1;A1;A2;50;110;109;1;1;;;0;0;1;;1;0,5;x"}, "Wiersz 2: wiersz ma 17 pól, a najwyżej 16", {2}},
        Refusal{{"K1;;A2;50;110;109;1;1"}, "Wiersz 2: pole Od jest puste", {2}, 1},
        Refusal{{"K1;A1;A2;50;110;109;1;1;;;0;0;1;;-0,1;0,5"},
                "Wiersz 2: powierzchnia zlewni nie może być ujemna",
                {2},
                14},
        Refusal{{"K1;A1;A2;50;110;109;1;1;;;0;0;1;;0,5"},
                "Wiersz 2: pole Psi jest puste przy zlewni większej od zera",
                {2},
                15},
        Refusal{{"K1;A1;A2;50;110;109;1;1;;;0;0;1;;0,5;-0,01"},
                "Wiersz 2: współczynnik spływu musi leżeć w przedziale od 0 do 1",
                {2},
                15},
        Refusal{{"K1;A1;A2;50;110;109;1;1;;;0;0;1;;0,5;1,004"},
                "Wiersz 2: współczynnik spływu musi leżeć w przedziale od 0 do 1",
                {2},
                15},
        Refusal{{"K1;A1;A2;;110;109;1;1"}, "Wiersz 2: pole Dlugosc jest puste", {2}, 3},
        Refusal{{"K1;A1;A2;50;1l0;109;1;1"}, "Wiersz 2: pole TerenOd \"1l0\" nie jest liczbą", {2}, 4},
        Refusal{{"K1;A1;A2;50;1e13;109;1;1"}, "Wiersz 2: pole TerenOd \"1e13\" leży poza zakresem", {2}, 4},
        Refusal{{"K1;A1;A2;0,0004;110;109;1;1"}, "Wiersz 2: długość odcinka musi być większa od zera", {2}, 3},
        Refusal{{"K1;A1;A2;50;110;109;-1;1"}, "Wiersz 2: dopływ nie może być ujemny", {2}, 6},
        Refusal{{"K1;A1;A2;50;110;109;999999999;1", "K2;A3;A2;50;110;109;999999999;1"},
                "Wiersz 3: suma dopływów sieci do tego wiersza leży poza zakresem",
                {3},
                6},
        Refusal{{"K1;A1;A2;50;110;109;1;x"}, "Wiersz 2: pole Typ \"x\" nie jest liczbą całkowitą", {2}, 7},
        Refusal{{"K1;A1;A2;50;110;109;1;1", "K2;\"A2;A3;50"},
                "Wiersz 3: pole Od zaczyna się cudzysłowem, który nie jest zamknięty",
                {3},
                1},
        Refusal{{"K1;A1;A1;50;110;110;1;1"},
                "Wiersz 2: odcinek \"K1\" zaczyna się i kończy w tej samej studni \"A1\"",
                {2}},
        Refusal{{"K1;A1;A2;50;110;109;1;1", "K1;A3;A2;50;110;109;1;1"},
                "Wiersze 2 i 3: dwa odcinki noszą nazwę \"K1\"",
                {2, 3},
                0},
        Refusal{{"K1;A1;A2;50;110;109;1;1", "K2;A1;A3;50;110;109;1;1", "K3;A1;A4;50;110;109;1;1"},
                "Wiersze 2 i 3: ze studni \"A1\" wychodzą dwa odcinki",
                {2, 3},
                1},
        // One line with both faults: its name is told first, as the line reads.
        Refusal{{"K1;A1;A2;50;110;109;1;1", "K1;A1;A3;50;110;109;1;1"},
                "Wiersze 2 i 3: dwa odcinki noszą nazwę \"K1\"",
                {2, 3},
                0},
        Refusal{{"K1;A1;A2;50;110;109;1;1", "K2;A3;A2;50;110;109,5;1;1"},
                "Wiersze 2 i 3: różne rzędne terenu studni \"A2\": 109,000 m i 109,500 m",
                {2, 3}},
        Refusal{{"K0;A0;A1;50;110;110;1;1", "K1;A1;A2;50;110;110;1;1", "K2;A2;A3;50;110;110;1;1",
                 "K3;A3;A1;50;110;110;1;1"},
                "Wiersze 3, 4 i 5: odcinki tworzą zamknięty obieg",
                {3, 4, 5}}));

// Read leniently, every fault is listed: those of single lines in the
// order of the lines, then those between lines. A line with a fault is left
// out; of a manhole left twice and of a circle the sections leave their
// manholes no more, so that the rest is a network.
TEST(NetworkFile, ALenientReadingListsEveryFaultAndLeavesOutTheLinesAtFault) {
    const std::vector<std::string> lines = withHead({
        "K1;A1;A2;50;110;109;1;1",
        "K2;A2;A3;7O;109;108;2;x",  // two bad cells
        ";B1;A3;50;110;108;1;1",    // no name: no section
        "K4;A3;A4;50;108;107;1;1",
        "K5;C1;C2;50;110;109;1;1",
        "K6;C1;C3;50;110;109;1;1",
        "K7;D1;D2;50;110;109;1;1",
        "K8;D2;D1;50;109;110,5;1;1",
    });
    std::string text;
    for (const std::string& line : lines) text += line + '\n';
    const NetworkWithFaults read = readNetworkLeniently(readNetworkText(text).records);
    std::vector<std::string> messages;
    for (const NetworkError& fault : read.faults) messages.push_back(fault.what());
    EXPECT_EQ(messages, (std::vector<std::string>{
                            "Wiersz 3: pole Dlugosc \"7O\" nie jest liczbą",
                            "Wiersz 3: pole Typ \"x\" nie jest liczbą całkowitą",
                            "Wiersz 4: pole Odcinek jest puste",
                            "Wiersze 6 i 7: ze studni \"C1\" wychodzą dwa odcinki",
                            "Wiersze 8 i 9: różne rzędne terenu studni \"D1\": 110,000 m i 110,500 m",
                            "Wiersze 8 i 9: odcinki tworzą zamknięty obieg",
                        }));
    try {
        readNetwork(lines);
        FAIL() << "accepted";
    } catch (const NetworkError& error) {
        EXPECT_EQ(std::string(error.what()), messages.front());
    }

    std::string leftOut, detached;
    for (const NetworkSection& section : read.network.sections) {
        leftOut += section.leftOut() ? section.name + " " : "";
        detached += section.detached ? section.name + " " : "";
    }
    EXPECT_EQ(leftOut, "K2 K5 K6 K7 K8 ");
    EXPECT_EQ(detached, "K5 K6 K7 K8 ");
    // K2 still takes K1's water, with its own inflow, on to K4.
    EXPECT_EQ(read.network.sections[1].inflow, 2000);
    EXPECT_EQ(read.network.topology.incoming(1), std::vector<std::size_t>{0});
    EXPECT_EQ(read.network.topology.incoming(2), std::vector<std::size_t>{1});
}

// The same network in UTF-8 with a byte-order mark and LF, and in code page
// 1250 with CR LF, a name over two lines in quotes: the same records.
TEST(NetworkFile, EveryEncodingAndAQuotedLineBreakIsReadTheSame) {
    const std::string utf8 = std::string("\xEF\xBB\xBF") + kNetworkHeadLine +
                             "\n\"Kółko\nGórne\";A1;A2;50;110;109;1;1\n\nK2;A2;A3;50;109;108;1;1\n";
    std::string codePage = std::string(kNetworkHeadLine) +
                           "\r\n\"K\xF3\xB3ko\r\nG\xF3rne\";A1;A2;50;110;109;1;1\r\n\r\n" +
                           "K2;A2;A3;50;109;108;1;1\r\n";
    const NetworkText fromUtf8 = readNetworkText(utf8), fromCodePage = readNetworkText(codePage);
    EXPECT_TRUE(fromUtf8.byteOrderMark);
    EXPECT_FALSE(fromUtf8.codePage1250 || fromUtf8.crLf);
    EXPECT_TRUE(fromCodePage.codePage1250 && fromCodePage.crLf);
    const Network network = readNetwork(fromUtf8.records);
    ASSERT_EQ(network.sections.size(), 2U);
    EXPECT_EQ(network.sections[0].name, "Kółko\nGórne");
    EXPECT_EQ(network.sections[1].line, 5);  // the line it stands on
    const Network same = readNetwork(fromCodePage.records);
    EXPECT_EQ(same.sections[0].name, "Kółko\r\nGórne");
    EXPECT_EQ(same.sections[1].line, 5);
}

// A field's problem names the field by its key; the window names it by its
// heading from the detail without it.
TEST(NetworkFile, AFieldsProblemComesAlsoWithoutTheFieldsName) {
    try {
        readNetwork(withHead({"K1;A1;A2;7O;110;109;1;1"}));
        FAIL() << "accepted";
    } catch (const NetworkError& error) {
        EXPECT_EQ(error.problem(), "pole Dlugosc \"7O\" nie jest liczbą");
        EXPECT_EQ(error.detail(), "\"7O\" nie jest liczbą");
        EXPECT_EQ(kInputColumns[static_cast<std::size_t>(error.field())].headingWithUnit(), "Długość [m]");
    }
}

// Levels and lengths up to a millimetre below 10^9 m are read; 10^9 m is not.
TEST(NetworkFile, TheLargestValueIsReadAndTheNextRefused) {
    const Network network = readNetwork(withHead({"K1;A1;A2;999999999,999;-999999999,999;0;999999999,999;1"}));
    EXPECT_EQ(network.sections[0].length, 999'999'999'999LL);
    EXPECT_EQ(network.sections[0].groundFrom, -999'999'999'999LL);
    EXPECT_EQ(network.sections[0].inflow, 999'999'999'999LL);
    EXPECT_THROW(readNetwork(withHead({"K1;A1;A2;1000000000;0;0;1;1"})), NetworkError);
    EXPECT_THROW(readNetwork(withHead({"K1;A1;A2;50;-1000000000;0;1;1"})), NetworkError);
}

TEST(NetworkFile, RefusesAWrongHeadLine) {
    try {
        readNetwork({"", "Odcinek;Od;Do;Dlugosc", "K1;A1;A2;50;110;109;1;1"});
        FAIL() << "accepted";
    } catch (const NetworkError& error) {
        EXPECT_EQ(std::string(error.what()), std::string("Wiersz 2: pierwszy wiersz sieci musi brzmieć \"") +
                                                 kNetworkHeadLine + "\" albo \"" + kNetworkHeadLineWithoutCatchments +
                                                 "\"");
    }
}

}  // namespace
}  // namespace vexa
