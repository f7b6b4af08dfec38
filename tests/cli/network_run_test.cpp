// vexa-calc --siec on the hand-worked network of tests/data/network (its
// calculation is written beside it), and each section's result fields against
// vexa-calc's own run of the line the section was designed as.

#include "cli/network_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/command_line.h"
#include "network/output_back_ends.h"
#include "network_window/network_window.h"
#include "support/catalogues.h"
#include "support/files.h"
#include "support/recording_platform.h"
#include "toolkit/cp1250.h"
#include "toolkit/delimited_fields.h"

namespace vexa {
namespace {

namespace fs = std::filesystem;
using testing_support::fileContents;

fs::path networkData(const std::string& name) { return fs::path(VEXA_TEST_DATA_DIR) / "network" / name; }

struct NetworkOutput {
    int status;
    std::string output;
    std::string errors;
};

NetworkOutput designNetworkText(const std::string& text, NetworkParameters parameters = {}) {
    NetworkRunOptions options;
    options.batch.catalogue = fs::path(VEXA_SOURCE_DIR) / "pipe_vexa.dat";
    options.parameters = parameters;
    std::istringstream input(text);
    std::ostringstream output, errors;
    const int status = runNetwork(options, input, output, errors);
    return {status, output.str(), errors.str()};
}

NetworkOutput designNetworkFile(const fs::path& file, NetworkParameters parameters = {}) {
    return designNetworkText(fileContents(file), parameters);
}

std::vector<std::vector<std::string>> rows(const std::string& table) {
    std::vector<std::vector<std::string>> fields;
    std::istringstream lines(table);
    for (std::string line; std::getline(lines, line);) fields.push_back(delimited::split(line));
    return fields;
}

TEST(NetworkRun, TheHandWorkedNetwork) {
    const NetworkOutput run = designNetworkFile(networkData("hand_worked.csv"));
    EXPECT_EQ(run.status, kBatchOk);
    EXPECT_EQ(run.errors, "");
    EXPECT_EQ(run.output, fileContents(networkData("hand_worked.expected")));
}

// Joined on the water surfaces: a pipe filling deeper than the one before it
// starts lower, where the crown rule does not already put it lower
// (hand_worked.md works both networks through).
TEST(NetworkRun, PipesJoinedOnTheirWaterSurfaces) {
    NetworkParameters parameters;
    parameters.joinWaterSurfaces = true;
    for (const std::string name : {"hand_worked", "water_surfaces"})
        EXPECT_EQ(designNetworkFile(networkData(name + ".csv"), parameters).output,
                  fileContents(networkData(name + (name == "hand_worked" ? "_zwierciadla" : "") + ".expected")))
            << name;
    EXPECT_EQ(designNetworkFile(fs::path(VEXA_SOURCE_DIR) / "docs" / "examples" / "siec.csv", parameters).output,
              fileContents(networkData("siec_zwierciadla.expected")));
}

// The example's SWMM model as SWMM reads it (swmm_check.py reads every
// model back; SWMM 5.2 runs it without an error or a warning).
TEST(NetworkRun, TheExamplesSwmmModel) {
    testing_support::ScratchFolder scratch;
    NetworkRunOptions options;
    options.batch.catalogue = fs::path(VEXA_SOURCE_DIR) / "pipe_vexa.dat";
    options.swmmFile = (scratch / "siec.inp").string();
    std::istringstream input(fileContents(fs::path(VEXA_SOURCE_DIR) / "docs" / "examples" / "siec.csv"));
    std::ostringstream output, errors;
    EXPECT_EQ(runNetwork(options, input, output, errors), kBatchOk);
    EXPECT_EQ(fileContents(scratch / "siec.inp"), fileContents(networkData("siec.inp")));
}

// The receiving sewer's invert at an outlet: notes only, the levels stay.
TEST(NetworkRun, AnOutletIsCheckedAgainstTheSewerItDrainsInto) {
    const auto lastNote = [](const NetworkOutput& run) { return rows(run.output)[6].back(); };  // K6, into S7
    NetworkParameters parameters;
    parameters.receivingInverts["S7"] = 97'153;
    const fs::path example = fs::path(VEXA_SOURCE_DIR) / "docs" / "examples" / "siec.csv";
    EXPECT_EQ(lastNote(designNetworkFile(example, parameters)), "dno 97,152 m poniżej dna odbiornika 97,153 m");
    parameters.receivingInverts["S7"] = 96'651;  // 0,501 m below K6's invert
    EXPECT_EQ(lastNote(designNetworkFile(example, parameters)), "studnia kaskadowa na wylocie 0,501 m");
    parameters.receivingInverts["S7"] = 96'652;
    EXPECT_EQ(lastNote(designNetworkFile(example, parameters)), "");
    parameters.receivingInverts["S6"] = 96'000;
    const NetworkOutput refused = designNetworkFile(example, parameters);
    EXPECT_EQ(refused.status, kBatchFileProblem);
    EXPECT_EQ(refused.errors, "vexa-calc: --dno-wylotu: studnia \"S6\" nie jest wylotem sieci\n");
}

// Rain: by the engineer's table, and by the formula with every rain option
// at its default (hand_worked_rain.md works both through).
TEST(NetworkRun, TheHandWorkedRainNetwork) {
    NetworkParameters parameters;
    parameters.runoffTime = 3 * 60'000;
    parameters.shortestRain = 5 * 60'000;
    parameters.rainTable =
        std::make_shared<const RainTable>(readRainTable(fileContents(networkData("hand_worked_rain_table.csv"))));
    const NetworkOutput table = designNetworkFile(networkData("hand_worked_rain.csv"), parameters);
    EXPECT_EQ(table.status, kBatchOk);
    EXPECT_EQ(table.output, fileContents(networkData("hand_worked_rain.expected")));
    const NetworkOutput formula = designNetworkFile(networkData("hand_worked_rain.csv"));
    EXPECT_EQ(formula.output, fileContents(networkData("hand_worked_rain_formula.expected")));
}

// A file written before catchments, and the same file with the catchment's
// columns empty, give the table they always gave.
TEST(NetworkRun, ANetworkWithoutCatchmentsKeepsItsTable) {
    std::istringstream lines(fileContents(networkData("hand_worked.csv")));
    std::string withColumns;
    for (std::string line; std::getline(lines, line);)
        withColumns += withColumns.empty() ? std::string(kNetworkHeadLine) + "\n" : line + ";;\n";
    const NetworkOutput run = designNetworkText(withColumns);
    EXPECT_EQ(run.status, kBatchOk);
    EXPECT_EQ(run.output, fileContents(networkData("hand_worked.expected")));
}

// The rain table is checked whenever it is given, before anything is designed.
TEST(NetworkRun, ARainTableThatCannotBeUsedStopsTheRun) {
    testing_support::ScratchFolder scratch;
    NetworkRunOptions options;
    options.batch.catalogue = fs::path(VEXA_SOURCE_DIR) / "pipe_vexa.dat";
    const auto run = [&](const std::string& table) {
        options.rainTableFile = table;
        std::istringstream input(fileContents(networkData("hand_worked.csv")));
        std::ostringstream output, errors;
        EXPECT_EQ(runNetwork(options, input, output, errors), kBatchFileProblem);
        EXPECT_EQ(output.str(), "");
        return errors.str();
    };
    const std::string table = (scratch / "tabela.csv").string();
    std::ofstream(table, std::ios::binary) << "5;250\n10;260\n";
    EXPECT_EQ(run(table), "vexa-calc: tabela deszczu \"" + table +
                              "\": Wiersz 2: natężenie deszczu musi być mniejsze niż w poprzednim wierszu\n");
    EXPECT_EQ(run(table + "x"), "vexa-calc: nie można odczytać zbioru \"" + table + "x\"\n");
}

TEST(NetworkRun, ResultFieldsAreThoseOfTheSameLineInABatch) {
    const auto network = rows(designNetworkFile(networkData("hand_worked.csv")).output);
    BatchOptions options;
    options.catalogue = fs::path(VEXA_SOURCE_DIR) / "pipe_vexa.dat";
    std::istringstream lines(fileContents(networkData("hand_worked_lines.csv")));
    std::ostringstream output, errors;
    ASSERT_EQ(runBatch(options, lines, output, errors), kBatchOk);
    const auto batch = rows(output.str());
    ASSERT_EQ(batch.size(), network.size());
    for (std::size_t n = 1; n < batch.size(); ++n) {
        std::vector<std::string> fields(network[n].begin() + 5, network[n].begin() + 15);
        if (fields[0] == "!") fields.resize(2);  // a message instead of the result
        EXPECT_EQ(fields, std::vector<std::string>(batch[n].begin() + 1, batch[n].end())) << network[n][0];
    }
}

TEST(NetworkRun, ARefusedNetworkWritesNothing) {
    const NetworkOutput run = designNetworkFile(networkData("hand_worked_lines.csv"));  // not a network file
    EXPECT_EQ(run.status, kBatchFileProblem);
    EXPECT_EQ(run.output, "");
    EXPECT_EQ(run.errors.rfind("vexa-calc: Wiersz 1: pierwszy wiersz sieci musi brzmieć", 0), 0U);
    const NetworkOutput broken = designNetworkText(std::string(kNetworkHeadLine) + "\nA;\"S1;S2;45;110;109,8\n");
    EXPECT_EQ(broken.status, kBatchFileProblem);
    EXPECT_EQ(broken.output, "");
    EXPECT_EQ(broken.errors, "vexa-calc: Wiersz 2: pole Od zaczyna się cudzysłowem, który nie jest zamknięty\n");
}

// A network the window saves in either encoding is read by vexa-calc with
// and without --cp1250 (which chooses only the output's encoding), and the
// window reads both files back as it wrote them.
TEST(NetworkRun, TheWindowsFilesAreReadInEveryEncodingWithAndWithoutCp1250) {
    const testing_support::ScratchFolder scratch;
    const auto catalogue = testing_support::bundledCatalogue();
    RecordingPlatform platform;
    NoOutputBackEnds none;
    NetworkWindow window(platform, *catalogue, none);
    window.paste(0, 0, "Kółko\tA1\tA2\t50\t110\t109,8\t5\t1\t\t\t2\t0\t1\n");
    platform.queueSaveFileName((scratch / "cp1250.csv").string());  // a new network's own encoding
    ASSERT_TRUE(window.saveAs());
    platform.queueSaveFileKind(0);
    platform.queueSaveFileName((scratch / "utf8.csv").string());
    ASSERT_TRUE(window.saveAs());

    const std::string expected =
        designNetworkText(std::string(kNetworkHeadLine) + "\nKółko;A1;A2;50;110;109,8;5;1;;;2;0;1\n").output;
    ASSERT_NE(expected.find("\nKółko;A1;A2;50,000;5;"), std::string::npos);
    for (const char* file : {"cp1250.csv", "utf8.csv"}) {
        for (const bool cp1250 : {false, true}) {
            NetworkRunOptions options;
            options.batch.catalogue = fs::path(VEXA_SOURCE_DIR) / "pipe_vexa.dat";
            options.batch.cp1250 = cp1250;
            std::istringstream input(fileContents(scratch / file));
            std::ostringstream output, errors;
            EXPECT_EQ(runNetwork(options, input, output, errors), kBatchOk) << file << errors.str();
            std::string shown = output.str();
            if (cp1250) {
                EXPECT_NE(shown.find("\r\nK\xF3\xB3ko;"), std::string::npos) << file;
                shown = cp1250::decode(shown);
                for (std::size_t at; (at = shown.find("\r\n")) != std::string::npos;) shown.erase(at, 1);
            }
            EXPECT_EQ(shown, expected) << file << (cp1250 ? " --cp1250" : "");
        }
        NetworkWindow reader(platform, *catalogue, none);
        reader.open((scratch / file).string());
        ASSERT_EQ(reader.rowCount(), 1) << file;
        EXPECT_EQ(reader.row(0), window.row(0)) << file;
    }
}

// The window saves its parameters and the title blocks' texts beside the
// network; vexa-calc --parametry then gives the window's own results table
// and texts, and the window reads the project back to the same bytes.
TEST(NetworkRun, TheWindowsProjectGivesVexaCalcItsOwnTable) {
    const testing_support::ScratchFolder scratch;
    const fs::path examples = fs::path(VEXA_SOURCE_DIR) / "docs" / "examples";
    fs::copy_file(examples / "deszcz.csv", scratch / "deszcz.csv");
    fs::create_directory(scratch / "tabele");
    fs::copy_file(examples / "deszcz_tabela.csv", scratch / "tabele" / "tabela.csv");
    const auto catalogue = testing_support::bundledCatalogue();
    RecordingPlatform platform;
    NoOutputBackEnds none;
    NetworkWindow window(platform, *catalogue, none);
    window.open((scratch / "deszcz.csv").string());
    window.editParameter(0, "1,5");  // Przykrycie
    window.editParameter(8, "6");    // Czas spływu
    window.joinWaterSurfaces(true);
    platform.queueOpenFileName((scratch / "tabele" / "tabela.csv").string());
    window.chooseRainTable();
    const auto& manholes = window.manholes();
    const auto outlet = std::find_if(manholes.begin(), manholes.end(), [](const auto& m) { return m.outlet; });
    ASSERT_NE(outlet, manholes.end());
    window.editReceivingInvert(static_cast<int>(outlet - manholes.begin()), "95,5");
    ProjectData data;
    data.name = "Kanalizacja\tdeszczowa";  // one line
    data.heightDatum = "Kronsztadt 86";
    window.editProjectData(data);
    window.undo();  // one edit
    EXPECT_EQ(window.projectData(), ProjectData{});
    window.redo();
    ASSERT_TRUE(window.save());
    const std::string project = fileContents(scratch / "deszcz.vexa");
    EXPECT_EQ(project.substr(0, 30), "przykrycie=1,5\nspadek-min=0,5\n");
    EXPECT_NE(project.find("\npolaczenie=zwierciadla\ndeszcz-tabela=tabele/tabela.csv\ndno-wylotu=" + outlet->name +
                           "=95,5\nprojekt-nazwa=Kanalizacjadeszczowa\nuklad-wysokosci=Kronsztadt 86\n"
                           "kodowanie=utf-8\nkonce-wierszy=lf\n"),
              std::string::npos)
        << project;
    platform.queueSaveFileName((scratch / "okno.csv").string());
    window.exportTo(NetworkExport::ResultsTable);

    CommandLine line;
    std::vector<std::string> arguments{"vexa-calc", "--siec",      (scratch / "deszcz.csv").string(),
                                       "--cp1250",  "--parametry", (scratch / "deszcz.vexa").string()};
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    std::ostringstream refusal;
    ASSERT_FALSE(readCommandLine(static_cast<int>(argv.size()), argv.data(), line, refusal)) << refusal.str();
    line.network.batch.catalogue = fs::path(VEXA_SOURCE_DIR) / "pipe_vexa.dat";
    std::istringstream input(fileContents(scratch / "deszcz.csv"));
    std::ostringstream output, errors;
    ASSERT_EQ(runNetwork(line.network, input, output, errors), kBatchOk) << errors.str();
    EXPECT_EQ(output.str(), fileContents(scratch / "okno.csv"));
    EXPECT_EQ(line.network.project, window.projectData());

    // Opened again: the same parameters, nothing changed, the same bytes saved.
    NetworkWindow reader(platform, *catalogue, none);
    reader.open((scratch / "deszcz.csv").string());
    EXPECT_FALSE(reader.modified());
    EXPECT_EQ(reader.parameterText(0), "1,5");
    EXPECT_EQ(reader.projectData(), window.projectData());
    EXPECT_EQ(reader.rainTableName(), (scratch / "tabele" / "tabela.csv").generic_string());
    const std::string network = fileContents(scratch / "deszcz.csv");
    ASSERT_TRUE(reader.save());
    EXPECT_EQ(fileContents(scratch / "deszcz.vexa"), project);
    EXPECT_EQ(fileContents(scratch / "deszcz.csv"), network);
}

// Each note starts one unit past its limit: a ground as steep as the largest
// slope, a depth or a drop equal to its limit gives none.
TEST(NetworkRun, EachNoteBeginsJustPastItsLimit) {
    const auto notes = [](const std::string& lines, NetworkParameters parameters = {}) {
        std::vector<std::string> all;
        for (const auto& row : rows(designNetworkText(std::string(kNetworkHeadLine) + "\n" + lines, parameters).output))
            all.push_back(row.back());
        return std::vector<std::string>(all.begin() + 1, all.end());
    };
    EXPECT_EQ(notes("A;S1;S2;100;120;110;5;1;;;2;0;1;\n"), std::vector<std::string>{""});  // 100,0 per mille
    EXPECT_EQ(notes("A;S1;S2;100;120;109,999;5;1;;;2;0;1;\n"),
              std::vector<std::string>{"spadek terenu 100,1 ‰ > 100,0 ‰"});

    // K4 lies 6,896 m deep at A4, K3 drops 0,857 m into A3 (hand_worked.md).
    const std::string handWorked = fileContents(networkData("hand_worked.csv"));
    const std::string lines = handWorked.substr(handWorked.find('\n') + 1);
    NetworkParameters limits;
    limits.depthMax = 6896;
    limits.dropMax = 857;
    const std::vector<std::string> atTheLimits = notes(lines, limits);
    for (const std::string& note : atTheLimits) {
        EXPECT_EQ(note.find("zagłębienie 6,896"), std::string::npos) << note;
        EXPECT_EQ(note.find("studnia kaskadowa 0,857"), std::string::npos) << note;
    }
    limits.depthMax = 6895;
    limits.dropMax = 856;
    const std::vector<std::string> past = notes(lines, limits);
    EXPECT_NE(past[5].find("zagłębienie 6,896 m > 6,895 m"), std::string::npos) << past[5];
    EXPECT_NE(past[2].find("studnia kaskadowa 0,857 m"), std::string::npos) << past[2];
}

// The optimal pipe of class N chooses a PVC pipe of type 2 here; its levels
// are that pipe's, not those of the last candidate the search examined.
TEST(NetworkRun, AnOptimalPipeIsLaidAsThePlainTypeItChose) {
    const auto section = [](int type) {
        return designNetworkText(std::string(kNetworkHeadLine) + "\nA;S1;S2;50;110;109,8;40;" + std::to_string(type) +
                                 ";;;2;0;1;\n")
            .output;
    };
    const auto optimal = rows(section(10)), plain = rows(section(2));
    EXPECT_EQ(optimal[1][6], " DP-102-0315");
    EXPECT_EQ(optimal, plain);
}

// Type 3, 125 mm: Dz 125 and Dw 117,6 -> 118 make a crown of ceil(243 / 2) =
// 122; 4,5 per mille over 45 m is a fall of 202,5 -> 203 mm. The invert
// starts at 110000 - 1200 - 122 = 108678 (the lower end's 109800 - 1200 -
// 122 + 203 = 108681 is higher) and ends at 108475, 1203 below the crown.
// Over 44 m the ground asks for 4,6 per mille: a fall of 202,4 -> 202 mm,
// so the lower end's cover is 1202.
TEST(NetworkRun, TheCrownRoundsUpAndTheFallHalfUp) {
    const auto network =
        rows(designNetworkText(std::string(kNetworkHeadLine) + "\nA;S1;S2;45;110;109,8;5;3;125;;2;0;0;\n"
                                                               "B;T1;T2;44;110;109,8;5;3;125;;2;0;0;\n")
                 .output);
    EXPECT_EQ(network[1][9], "4,5");
    EXPECT_EQ(std::vector<std::string>(network[1].begin() + 15, network[1].begin() + 19),
              (std::vector<std::string>{"108,678", "108,475", "1,200", "1,203"}));
    EXPECT_EQ(network[2][9], "4,6");
    EXPECT_EQ(std::vector<std::string>(network[2].begin() + 15, network[2].begin() + 19),
              (std::vector<std::string>{"108,678", "108,476", "1,200", "1,202"}));
}

// A workbook asked for in a folder that does not exist: the table is not
// written; a program without workbooks says so before designing anything.
TEST(NetworkRun, AWorkbookThatCannotBeWrittenLeavesTheTableUnwritten) {
    struct WorkbooksOnly : NoOutputBackEnds {
        bool has(OutputFormat format) const override { return format == OutputFormat::Workbook; }
    } workbooks;
    NoOutputBackEnds none;
    OutputBackEnds* backEnds = &workbooks;
    NetworkRunOptions options;
    options.batch.catalogue = fs::path(VEXA_SOURCE_DIR) / "pipe_vexa.dat";
    options.batch.outputBackEnds = [&backEnds]() -> OutputBackEnds& { return *backEnds; };
    options.workbookFile = (fs::path(VEXA_TEST_DATA_DIR) / "no such folder" / "siec.xlsx").string();
    const auto run = [&] {
        std::istringstream input(fileContents(networkData("hand_worked.csv")));
        std::ostringstream output, errors;
        EXPECT_EQ(runNetwork(options, input, output, errors), kBatchFileProblem);
        EXPECT_EQ(output.str(), "");
        return errors.str();
    };
    EXPECT_EQ(run(), "vexa-calc: Nie można zapisać zbioru " + *options.workbookFile + ": nie ma takiego folderu\n");
    backEnds = &none;
    EXPECT_EQ(run(), "vexa-calc: Nie można zapisać zbioru " + *options.workbookFile +
                         ": skoroszyty Excel są niedostępne w tej wersji programu\n");
}

}  // namespace
}  // namespace vexa
