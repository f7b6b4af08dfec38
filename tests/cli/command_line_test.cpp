// vexa-calc's command line read against its table of options: each option
// in the modes that take it, and a refusal naming what it left out.

#include "cli/command_line.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <vector>

#include "support/files.h"

namespace vexa {
namespace {

struct Reading {
    std::optional<int> refused;
    std::string errors;
    CommandLine line;
};

Reading read(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "vexa-calc");
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    Reading reading;
    std::ostringstream errors;
    reading.refused = readCommandLine(static_cast<int>(argv.size()), argv.data(), reading.line, errors);
    reading.errors = errors.str();
    return reading;
}

TEST(CommandLine, EachModeTakesItsOwnOptions) {
    const Reading network = read({"--siec", "s.csv", "--cp1250", "--przykrycie", "1,5", "--skala-pozioma", "500",
                                  "--profile", "p.pdf", "--limit-czasu", "2"});
    ASSERT_FALSE(network.refused) << network.errors;
    EXPECT_EQ(network.line.mode, CalcMode::Network);
    EXPECT_EQ(network.line.network.parameters.cover, 1500);
    EXPECT_EQ(network.line.network.scales.horizontal, 500);
    EXPECT_EQ(network.line.network.profileFile, "p.pdf");
    EXPECT_TRUE(network.line.network.batch.cp1250);
    EXPECT_EQ(network.line.network.batch.timeLimitSeconds, 2.0);

    const Reading batch = read({"--tabela", "t.csv", "odcinki.csv"});
    ASSERT_FALSE(batch.refused);
    EXPECT_EQ(batch.line.mode, CalcMode::Batch);
    EXPECT_EQ(batch.line.inputFile, "odcinki.csv");
    EXPECT_EQ(read({"--sprawdz-katalog", "--cp1250"}).line.mode, CalcMode::CatalogueCheck);
    EXPECT_EQ(read({"--sprawdz-katalog", "k.dat"}).line.network.batch.catalogue, "k.dat");
    EXPECT_EQ(read({"--tabela", "t.csv", "--version", "--nieznana"}).line.mode, CalcMode::Version);
}

TEST(CommandLine, AProjectsParametersGiveWayToTheOptionsBesideIt) {
    const testing_support::ScratchFolder folder;
    const std::string project = (folder / "siec.vexa").string();
    std::ofstream(project) << "przykrycie=2\nspadek-max=80\ndeszcz-tabela=deszcz.csv\n";
    const Reading read1 = read({"--przykrycie", "1,5", "--siec", "s.csv", "--parametry", project});
    ASSERT_FALSE(read1.refused) << read1.errors;
    EXPECT_EQ(read1.line.network.parameters.cover, 1500);
    EXPECT_EQ(read1.line.network.parameters.slopeMax, 800);
    EXPECT_EQ(read1.line.network.rainTableFile, (folder / "deszcz.csv").generic_string());

    std::ofstream(project) << "spadek-min=200\n";  // above the default largest slope, which the option mends
    EXPECT_FALSE(read({"--siec", "s.csv", "--parametry", project, "--spadek-max", "300"}).refused);

    std::ofstream(project) << "przykrycie=2\nspadek-max=x\n";
    const Reading faulty = read({"--siec", "s.csv", "--parametry", project});
    EXPECT_EQ(faulty.refused, kBatchFileProblem);
    EXPECT_EQ(faulty.errors, "vexa-calc: parametry \"" + project + "\": Wiersz 2: spadek-max \"x\" nie jest liczbą\n");
    EXPECT_EQ(read({"--siec", "s.csv", "--parametry", (folder / "brak.vexa").string()}).refused, kBatchFileProblem);
    std::ofstream(project) << "przykrycie=2\n";
    EXPECT_EQ(read({"--parametry", project, "odcinki.csv"}).errors,
              "vexa-calc: --parametry działa tylko z opcją --siec\n");
}

TEST(CommandLine, AnOptionOutsideItsModeIsRefusedByName) {
    for (const auto& [arguments, message] : std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"--siec", "s.csv", "--tabela", "t.csv"}, "vexa-calc: --tabela nie łączy się z opcją --siec\n"},
             {{"--siec", "s.csv", "odcinki.csv"},
              "vexa-calc: --siec nie łączy się ze zbiorem odcinków \"odcinki.csv\"\n"},
             {{"--przykrycie", "1"}, "vexa-calc: --przykrycie działa tylko z opcją --siec\n"},
             {{"--sprawdz-katalog", "--stan"}, "vexa-calc: --sprawdz-katalog łączy się tylko z --katalog i --cp1250\n"},
             {{"--siec", "s.csv", "--sprawdz-katalog"},
              "vexa-calc: --sprawdz-katalog łączy się tylko z --katalog i --cp1250\n"},
             {{"--skala-pionowa", "1,5", "--siec", "s.csv"},
              "vexa-calc: --skala-pionowa \"1,5\" nie jest liczbą całkowitą\n"},
             {{"--dokladnosc-rzednych", "4", "--siec", "s.csv"},
              "vexa-calc: --dokladnosc-rzednych \"4\" nie jest 2 ani 3\n"},
             {{"--limit-czasu", "0"}, "vexa-calc: \"0\" nie jest dodatnią liczbą sekund\n"},
         }) {
        const Reading reading = read(arguments);
        EXPECT_EQ(reading.refused, kBatchFileProblem) << message;
        EXPECT_EQ(reading.errors, message);
    }
    const Reading incomplete = read({"--katalog"});
    EXPECT_EQ(incomplete.refused, kBatchFileProblem);
    EXPECT_EQ(incomplete.errors, "vexa-calc: nieznana lub niepełna opcja \"--katalog\"\n\n" + usageText());
}

}  // namespace
}  // namespace vexa
