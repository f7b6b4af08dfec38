// The network window's reactions, without a display: edits designed at once,
// paste, undo, bad cells, the parameters, the profile of the selected row,
// files saved as they were read, and a changed network not lost on closing.

#include "network_window/network_window.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "network/network_table.h"
#include "support/catalogues.h"
#include "support/files.h"
#include "support/recording_platform.h"
#include "toolkit/cp1250.h"

namespace vexa {
namespace {

namespace fs = std::filesystem;
using testing_support::fileContents;

const fs::path kHandWorked = fs::path(VEXA_TEST_DATA_DIR) / "network" / "hand_worked.csv";

class NetworkWindowTest : public testing::Test {
protected:
    NetworkWindowTest() { window = std::make_unique<NetworkWindow>(platform, *catalogue, outputs); }

    std::vector<std::string> column(int result) const {
        std::vector<std::string> texts;
        for (int row = 0; row < window->rowCount(); ++row) texts.push_back(window->result(row, result));
        return texts;
    }

    std::unique_ptr<Catalogue> catalogue = testing_support::bundledCatalogue();
    RecordingPlatform platform;
    NoOutputBackEnds outputs;
    std::unique_ptr<NetworkWindow> window;
    testing_support::ScratchFolder scratch;
};

TEST_F(NetworkWindowTest, AnEditIsDesignedAtOnceDownstreamAndUndoTakesItBack) {
    window->open(kHandWorked.string());
    EXPECT_EQ(window->caption(), "Vexa - projekt sieci - hand_worked.csv");
    ASSERT_TRUE(window->designed());
    // Q of K1 K2 K3 B1 B2 K4 X2 X1, then DnoOd.
    EXPECT_EQ(column(0), (std::vector<std::string>{"0,4", "2,4", "41,4", "6", "9", "42,4", "205", "200"}));
    EXPECT_TRUE(window->rowMarked(0));  // "obliczono dla Q = 1 l/s"
    const int invertFrom = position(ResultColumn::DnoOd) - position(NetworkWindow::kFirstResult);
    window->joinWaterSurfaces(true);  // K2 fills deeper than K1 (hand_worked.md)
    EXPECT_EQ(column(invertFrom)[1], "108,440");
    window->joinWaterSurfaces(false);
    EXPECT_EQ(column(invertFrom)[1], "108,443");

    window->editCell(0, 6, "2,6");  // K1's inflow
    EXPECT_EQ(column(0), (std::vector<std::string>{"2,6", "4,6", "43,6", "6", "9", "44,6", "205", "200"}));
    EXPECT_FALSE(window->rowMarked(0));
    EXPECT_EQ(window->caption(), "Vexa - projekt sieci - hand_worked.csv *");

    window->undo();
    EXPECT_EQ(column(0)[5], "42,4");
    EXPECT_EQ(column(11)[0], "108,643");
    // The junction's two changes are edits too.
    window->undo();
    EXPECT_EQ(column(invertFrom)[1], "108,440");
    window->undo();
    EXPECT_FALSE(window->canUndo());
    EXPECT_FALSE(window->modified());

    // The results table as vexa-calc --cp1250 writes it.
    platform.queueSaveFileName((scratch / "wyniki.csv").string());
    window->exportTo(NetworkExport::ResultsTable);
    const std::string table = fileContents(scratch / "wyniki.csv");
    EXPECT_EQ(table.substr(0, table.find("\r\n")), networkResultsHead(false));
    EXPECT_NE(table.find("\r\nK4;A4;A5;50,000;42,4;200 / 192,2;"), std::string::npos);
}

// A bad cell leaves out its row and marks the section below it; every other
// section keeps its result, and nothing is exported until all is mended.
TEST_F(NetworkWindowTest, ABadCellLeavesOutItsRowAndKeepsWhatWasTyped) {
    window->open(kHandWorked.string());
    const int invertFrom = position(ResultColumn::DnoOd) - position(NetworkWindow::kFirstResult);
    const int notes = position(ResultColumn::Uwagi) - position(NetworkWindow::kFirstResult);
    const std::vector<std::string> inverts = column(invertFrom);
    window->editCell(2, 3, "7O");  // K3's length
    ASSERT_EQ(window->problems().size(), 1U);
    EXPECT_EQ(window->problems()[0], (NetworkWindow::Problem{"Wiersz 3, Długość [m]: \"7O\" nie jest liczbą", {2}, 3}));
    EXPECT_EQ(window->row(2)[3], "7O");
    ASSERT_TRUE(window->designed());
    EXPECT_EQ(column(0), (std::vector<std::string>{"0,4", "2,4", "", "6", "9", "42,4", "205", "200"}));
    EXPECT_TRUE(column(notes)[5].ends_with(", dopływ z odcinka K3 bez wyniku")) << column(notes)[5];
    window->selectRow(5);  // K4's profile starts below the row left out
    ASSERT_TRUE(window->selectedProfile());
    EXPECT_EQ(window->selectedProfile()->title, "Profil podłużny A4 - A5");

    window->editCell(3, 6, "-6");  // B1's inflow
    EXPECT_EQ(window->rowProblems(3), std::vector<std::size_t>{1});
    EXPECT_EQ(window->problems()[1].message, "Wiersz 4: dopływ nie może być ujemny");
    EXPECT_FALSE(window->complete());
    window->exportTo(NetworkExport::ProfilesPdf);
    EXPECT_EQ(platform.errors().back(),
              "Sieć nie jest zaprojektowana w całości. Pierwszy z 2 błędów: Wiersz 3, Długość [m]: \"7O\" nie jest "
              "liczbą");

    window->editCell(2, 3, "70");
    window->editCell(3, 6, "6");
    EXPECT_TRUE(window->problems().empty());
    EXPECT_TRUE(window->complete());
    EXPECT_EQ(column(invertFrom), inverts);

    window->editParameter(1, "0,4");  // Spadek najmniejszy
    EXPECT_EQ(window->problems().front().message, "Spadek najmniejszy [‰]: \"0,4\" nie może być mniejsze od 0,5");
    EXPECT_FALSE(window->designed());
    window->editParameter(1, "0,5");
    window->editParameter(3, "5");  // Przepływ najmniejszy
    EXPECT_TRUE(window->designed());
    EXPECT_EQ(column(position(ResultColumn::Uwagi) - position(NetworkWindow::kFirstResult))[0],
              "obliczono dla Q = 5 l/s");

    // The largest slope may equal the smallest, not fall below it.
    window->editParameter(1, "1,0");
    window->editParameter(2, "1,0");
    EXPECT_TRUE(window->designed());
    window->editParameter(2, "0,9");
    EXPECT_EQ(window->problems().front().message,
              "Spadek największy [‰]: \"0,9\" nie może być mniejsze od najmniejszego spadku (1)");
}

TEST_F(NetworkWindowTest, RowsPastedFromASpreadsheetJoinTheNetwork) {
    window->paste(0, 0,
                  "K1\tA1\tA2\t50\t110\t109,8\t5\t1\t\t\t2\t0\t1\t\r\n"
                  "K2\tA2\tA3\t60\t109,8\t109,5\t2\t1\t\t\t2\t0\t1\t\r\n");
    EXPECT_EQ(window->rowCount(), 2);
    ASSERT_TRUE(window->designed());
    EXPECT_EQ(column(0), (std::vector<std::string>{"5", "7"}));
    window->selectRow(1);
    ASSERT_TRUE(window->selectedProfile());
    EXPECT_EQ(window->selectedProfile()->title, "Profil podłużny A1 - A3");
    EXPECT_EQ(window->selectedPath(), (std::vector<int>{0, 1}));
    ASSERT_TRUE(window->selectedPlacement());
    EXPECT_EQ(window->selectedPlacement()->section, 1U);  // K2, after K1 on the sheet
    EXPECT_GT(window->selectedPlacement()->fromX, 70);

    window->insertRows(1, 1);  // an empty row is no section
    EXPECT_TRUE(window->designed());
    window->deleteRows({2, 0});  // K2 and K1, not the empty row between them
    EXPECT_EQ(window->rowCount(), 1);
    EXPECT_EQ(window->selectedRow(), -1);
    window->undo();
    EXPECT_EQ(window->row(2)[0], "K2");

    // A spreadsheet quotes a cell holding quotes, tabs or line breaks.
    window->paste(3, 0, "\"K \"\"3\"\"\"\tA3\tA4\t10\t109,5\t109,4\r\n");
    EXPECT_EQ(window->row(3)[0], "K \"3\"");
    EXPECT_EQ(window->row(3)[1], "A3");
    EXPECT_EQ(window->rowCount(), 4);
}

TEST_F(NetworkWindowTest, AFileIsSavedAsItWasRead) {
    // In code page 1250 with CR LF, as a spreadsheet saves it, with a Polish name.
    std::string text = fileContents(kHandWorked);
    text.replace(text.find("K1;"), 3, "Kółko;");
    std::string bytes;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find('\n', start);
        bytes += cp1250::encode(text.substr(start, end - start)) + "\r\n";
        start = end + 1;
    }
    const fs::path original = scratch / "siec.csv";
    std::ofstream(original, std::ios::binary) << bytes;

    window->open(original.string());
    EXPECT_EQ(window->row(0)[0], "Kółko");
    platform.queueSaveFileName((scratch / "kopia.csv").string());
    EXPECT_TRUE(window->saveAs());
    EXPECT_EQ(fileContents(scratch / "kopia.csv"), bytes);
    EXPECT_EQ(window->caption(), "Vexa - projekt sieci - kopia.csv");

    // Undone back to what was saved, the network is no longer changed.
    window->editCell(0, 0, "Kółko→");
    window->undo();
    EXPECT_FALSE(window->modified());
    // A character the code page lacks is named with its cell, and nothing is written.
    window->editCell(0, 0, "Kółko→");
    EXPECT_FALSE(window->save());
    EXPECT_EQ(
        platform.errors().back(),
        "Wiersz 1, Odcinek: znak \"→\" nie występuje w stronie kodowej 1250 zbioru sieci i nie może być zapisany");
    EXPECT_EQ(fileContents(scratch / "kopia.csv"), bytes);
}

TEST_F(NetworkWindowTest, AFileThatIsNoNetworkIsRefusedAndTheTableKept) {
    window->open(kHandWorked.string());
    const fs::path batch = fs::path(VEXA_TEST_DATA_DIR) / "network" / "hand_worked_lines.csv";
    window->open(batch.string());
    EXPECT_EQ(platform.errors().back(), "Zbiór \"" + batch.string() +
                                            "\" nie jest siecią: Wiersz 1: pierwszy wiersz sieci musi brzmieć \"" +
                                            kNetworkHeadLine + "\" albo \"" + kNetworkHeadLineWithoutCatchments + "\"");
    EXPECT_EQ(window->rowCount(), 8);
    EXPECT_EQ(window->caption(), "Vexa - projekt sieci - hand_worked.csv");
}

TEST_F(NetworkWindowTest, AChangedNetworkIsNotDroppedWithoutAsking) {
    window->editCell(0, 0, "K1");
    platform.queueAnswer(Answer::Cancel);
    EXPECT_FALSE(window->mayClose());
    platform.queueAnswer(Answer::Yes);
    platform.queueSaveFileName(std::nullopt);  // the save dialog is cancelled: still open
    EXPECT_FALSE(window->mayClose());
    platform.queueAnswer(Answer::No);
    EXPECT_TRUE(window->mayClose());
    EXPECT_EQ(platform.events().front(),
              (RecordingPlatform::Event{RecordingPlatform::Kind::Question, "Zapisać zmiany w sieci?"}));
}

// Saved, undone, edited anew: a change, asked about before closing; undone
// and redone back to what was saved: none.
TEST_F(NetworkWindowTest, AnEditAfterSavingAndUndoingIsNotLost) {
    const fs::path file = scratch / "siec.csv";
    fs::copy_file(kHandWorked, file);
    window->open(file.string());
    window->editCell(0, 6, "2,6");
    ASSERT_TRUE(window->save());
    window->undo();
    window->editCell(1, 6, "3");
    EXPECT_TRUE(window->modified());
    EXPECT_EQ(window->caption(), "Vexa - projekt sieci - siec.csv *");
    platform.queueAnswer(Answer::Cancel);
    EXPECT_FALSE(window->mayClose());

    window->undo();
    EXPECT_TRUE(window->modified());  // the saved edit was undone
    EXPECT_FALSE(window->canUndo());
    window->redo();
    EXPECT_EQ(window->row(1)[6], "3");

    ASSERT_TRUE(window->save());
    window->editCell(2, 6, "31");
    window->undo();  // back to what the file holds
    EXPECT_FALSE(window->modified());
    window->redo();
    EXPECT_TRUE(window->modified());
}

// Only the newest edits can be undone; the first one stays.
TEST_F(NetworkWindowTest, UndoReachesBackAHundredEdits) {
    for (std::size_t n = 0; n <= NetworkWindow::kUndoSteps; ++n) window->editCell(0, 0, "K" + std::to_string(n));
    std::size_t undone = 0;
    for (; window->canUndo(); ++undone) window->undo();
    EXPECT_EQ(undone, NetworkWindow::kUndoSteps);
    EXPECT_EQ(window->row(0)[0], "K0");
    EXPECT_TRUE(window->modified());
}

// An edit computes the sections whose lines it changed: here X1's ground,
// which changes X1's slope range and no other section's line.
TEST_F(NetworkWindowTest, AnEditComputesOnlyTheSectionsItChanged) {
    window->open(kHandWorked.string());
    const std::size_t opened = window->sectionsCalculated();
    EXPECT_EQ(opened, 8U);
    window->editCell(7, 4, "109,5");
    EXPECT_EQ(window->sectionsCalculated(), opened + 1);
    window->undo();
    EXPECT_EQ(window->sectionsCalculated(), opened + 1);
}

// A cell holds one line: line breaks and tabs typed or pasted are dropped,
// so the file written reads back row for row.
TEST_F(NetworkWindowTest, ACellNeverHoldsALineBreak) {
    window->open(kHandWorked.string());
    window->editCell(0, 0, "K\r\n1\t");
    EXPECT_EQ(window->row(0)[0], "K1");
    window->paste(1, 0, "\"K\n2\"\tA\x01\x32\n");
    EXPECT_EQ(window->row(1)[0], "K2");
    EXPECT_EQ(window->row(1)[1], "A2");
    EXPECT_EQ(window->rowCount(), 8);
}

TEST_F(NetworkWindowTest, CellsAreCopiedAsASpreadsheetPastesThemAndCutOrClearedInOneStep) {
    window->open(kHandWorked.string());
    window->editCell(0, 0, "K \"1\"");
    const std::vector<NetworkWindow::Cell> block{{0, 0}, {0, 1}, {1, 1}, {1, NetworkWindow::kInputCount}};
    EXPECT_EQ(window->copy(block),
              "\"K \"\"1\"\"\"\tA1" + std::string(15, '\t') + "\n\tA2" + std::string(15, '\t') + "2,4\n");
    // The block the cells span, the cells not given empty.
    EXPECT_EQ(window->cut({{0, 0}, {0, 1}, {5, 3}}),
              "\"K \"\"1\"\"\"\tA1\t\t\n\t\t\t\n\t\t\t\n\t\t\t\n\t\t\t\n\t\t\t50\n");
    EXPECT_EQ(window->row(0)[0], "");
    EXPECT_EQ(window->row(5)[3], "");
    EXPECT_EQ(window->row(5)[0], "K4");
    window->undo();
    EXPECT_EQ(window->row(0)[1], "A1");
    EXPECT_EQ(window->row(5)[3], "50");
    window->clearCells({{2, 6}, {2, NetworkWindow::kInputCount + 1}});  // a result cell is no input
    EXPECT_EQ(window->row(2)[6], "");
    EXPECT_EQ(column(0)[2], "11,4");  // K3's Q without its own inflow
}

TEST_F(NetworkWindowTest, APasteWiderThanTheInputColumnsSaysWhatItLeftOut) {
    window->paste(0, 14, "1\t0,75\t42,4\t200 / 192,2\n");
    EXPECT_EQ(window->row(0)[14], "1");
    EXPECT_EQ(window->row(0)[15], "0,75");
    ASSERT_FALSE(platform.messages().empty());
    EXPECT_EQ(platform.messages().back(),
              "Pominięto kolumny 3–4 wklejonego tekstu: wykraczają poza ostatnią kolumnę danych sieci \"ψ\".");
    window->paste(1, 15, "0,8\tx\n");
    EXPECT_EQ(platform.messages().back(),
              "Pominięto kolumnę 2 wklejonego tekstu: wykracza poza ostatnią kolumnę danych sieci \"ψ\".");
}

// The save dialog offers both encodings, the file's own first chosen; the
// other is written as programs write it.
TEST_F(NetworkWindowTest, ANetworkIsSavedInTheEncodingChosen) {
    window->editCell(0, 0, "Kółko");
    EXPECT_EQ(window->fileEncoding(), "Kodowanie zbioru: strona kodowa 1250, CR LF");
    platform.queueSaveFileName((scratch / "nowa.csv").string());
    ASSERT_TRUE(window->saveAs());
    EXPECT_EQ(platform.lastSaveKinds().size(), 2U);
    EXPECT_EQ(platform.lastPreselectedKind(), 1);
    // Without a catchment, the head line of files before catchments.
    EXPECT_EQ(fileContents(scratch / "nowa.csv"),
              std::string(kNetworkHeadLineWithoutCatchments) + "\r\nK\xF3\xB3ko;;;;;;;;;;;;;\r\n");

    platform.queueSaveFileKind(0);
    platform.queueSaveFileName((scratch / "utf8.csv").string());
    ASSERT_TRUE(window->saveAs());
    window->editCell(0, position(InputColumn::Psi), "0,9");
    EXPECT_TRUE(window->save());
    EXPECT_EQ(fileContents(scratch / "utf8.csv"), std::string(kNetworkHeadLine) + "\nKółko;;;;;;;;;;;;;;;0,9\n");
    EXPECT_EQ(window->fileEncoding(), "Kodowanie zbioru: UTF-8, LF");
    window->editCell(0, 0, "Kółko→");  // UTF-8 holds it
    EXPECT_TRUE(window->save());

    // A UTF-8 file saved in the code page gets its CR LF.
    window->open(kHandWorked.string());
    platform.queueSaveFileKind(1);
    platform.queueSaveFileName((scratch / "cp1250.csv").string());
    ASSERT_TRUE(window->saveAs());
    EXPECT_EQ(fileContents(scratch / "cp1250.csv").substr(0, std::string(kNetworkHeadLineWithoutCatchments).size() + 2),
              std::string(kNetworkHeadLineWithoutCatchments) + "\r\n");
    EXPECT_EQ(window->fileEncoding(), "Kodowanie zbioru: strona kodowa 1250, CR LF");
}

// A rain network in the window gives vexa-calc's table, with the rain's
// parameters and the engineer's table; a network without catchments leaves
// the rain's columns empty.
TEST_F(NetworkWindowTest, ARainNetworkIsDesignedWithTheRainChosen) {
    const fs::path examples = fs::path(VEXA_SOURCE_DIR) / "docs" / "examples";
    const auto rainColumn = [&](ResultColumn result) {
        return column(position(result) - position(NetworkWindow::kFirstResult));
    };
    window->open(kHandWorked.string());
    EXPECT_EQ(rainColumn(ResultColumn::Qdeszcz)[0], "");

    window->open((examples / "deszcz.csv").string());
    EXPECT_EQ(rainColumn(ResultColumn::td)[6], "15,08");
    // A file with the catchment's columns, all of them empty, is saved as it was read.
    const std::string dry = std::string(kNetworkHeadLine) + "\nK1;A1;A2;50;110;109,8;0,4;1;;;2;0;3;;;\n";
    std::ofstream(scratch / "sucha.csv", std::ios::binary) << dry;
    window->open((scratch / "sucha.csv").string());
    ASSERT_TRUE(window->save());
    EXPECT_EQ(fileContents(scratch / "sucha.csv"), dry);
    window->open((examples / "deszcz.csv").string());
    platform.queueSaveFileName((scratch / "wyniki.csv").string());
    window->exportTo(NetworkExport::ResultsTable);
    EXPECT_EQ(fileContents(scratch / "wyniki.csv").substr(0, networkResultsHead(true).size() + 2),
              networkResultsHead(true) + "\r\n");
    platform.queueSaveFileName((scratch / "deszcz.inp").string());
    window->exportTo(NetworkExport::SwmmModel);
    EXPECT_EQ(fileContents(scratch / "deszcz.inp").substr(0, 46),
              "[TITLE]\r\n;;Project Title/Notes\r\nVexa: deszcz\r\n");
    window->editParameter(8, "6");                        // Czas spływu [min]
    EXPECT_EQ(rainColumn(ResultColumn::td)[6], "16,21");  // as vexa-calc --czas-splywu 6
    window->editParameter(8, "5");

    platform.queueOpenFileName((scratch / "nie ma.csv").string());
    window->chooseRainTable();
    EXPECT_FALSE(window->rainTableName());
    platform.queueOpenFileName((examples / "deszcz.csv").string());
    window->chooseRainTable();
    EXPECT_EQ(platform.errors().back(),
              "Zbiór \"" + (examples / "deszcz.csv").string() +
                  "\" nie jest tabelą deszczu: Wiersz 1: wiersz tabeli deszczu musi mieć postać \"t;q\"");
    platform.queueOpenFileName((examples / "deszcz_tabela.csv").string());
    window->chooseRainTable();
    EXPECT_EQ(window->rainTableName(), (examples / "deszcz_tabela.csv").string());
    EXPECT_EQ(rainColumn(ResultColumn::q)[6], "110,1");
    EXPECT_EQ(rainColumn(ResultColumn::Q)[6], "197,746");
    window->useRainFormula();
    EXPECT_FALSE(window->rainTableName());
    EXPECT_EQ(rainColumn(ResultColumn::q)[6], "96,5");
    EXPECT_TRUE(window->modified());  // the rain's choices are edits of the project
}

// A manhole is edited once for every row that names it, each edit one step;
// a name is found in any case, and cells are filled down as in a spreadsheet.
TEST_F(NetworkWindowTest, AManholeIsEditedOnceForEveryRowThatNamesIt) {
    window->open(kHandWorked.string());
    const auto& manholes = window->manholes();
    ASSERT_EQ(manholes.size(), 10u);  // A1..A4, B1, B2, A5, C2, C3, C1: as the rows first name them
    EXPECT_EQ(manholes[2].name, "A3");
    EXPECT_EQ(manholes[2].ground, "109,50");
    EXPECT_FALSE(manholes[2].outlet);
    EXPECT_TRUE(manholes[6].outlet);
    EXPECT_EQ(manholes[6].name, "A5");

    window->editManholeGround(2, "109,60");  // A3: the end of K2 and B2, the start of K3
    EXPECT_EQ(window->row(1)[5], "109,60");
    EXPECT_EQ(window->row(2)[4], "109,60");
    EXPECT_EQ(window->row(4)[5], "109,60");
    ASSERT_TRUE(window->designed());
    window->undo();  // one step
    EXPECT_EQ(window->row(1)[5], "109,50");
    EXPECT_EQ(window->row(4)[5], "109,50");
    EXPECT_FALSE(window->canUndo());

    window->editReceivingInvert(2, "100");  // not an outlet: nothing
    EXPECT_FALSE(window->canUndo());
    window->editReceivingInvert(6, "101");
    const int uwagi = position(ResultColumn::Uwagi) - position(NetworkWindow::kFirstResult);
    EXPECT_NE(window->result(5, uwagi).find("poniżej dna odbiornika 101,000 m"), std::string::npos);
    window->renameManhole(6, "W1");
    EXPECT_EQ(window->row(5)[2], "W1");
    EXPECT_EQ(window->manholes()[6].receivingInvert, "101");  // the outlet's sewer goes with its name
    window->renameManhole(6, "A4");
    EXPECT_EQ(platform.errors().back(),
              "Studnia \"A4\" jest już w sieci: studnie łączy się, wpisując nazwę w tabeli odcinków");
    window->undo();
    EXPECT_EQ(window->row(5)[2], "A5");
    EXPECT_EQ(window->manholes()[6].receivingInvert, "101");
    window->editReceivingInvert(6, "1O1");
    EXPECT_FALSE(window->designed());
    EXPECT_EQ(window->parameterProblem(), "Dno odbiornika wylotu \"A5\": \"1O1\" nie jest liczbą");
    window->paste(8, 0, "K5\tA5\tA6\t50\t99\t98,5\t\t1\t\t\t2\t0\t1\n");  // A5 no outlet now: its level not read
    EXPECT_FALSE(window->parameterProblem());
    EXPECT_TRUE(window->designed());
    window->undo();

    EXPECT_EQ(window->findRow("a3", -1), 1);  // K2 ends in A3
    EXPECT_EQ(window->findRow("a3", 1), 2);
    EXPECT_EQ(window->findRow("x1", 7), 7);  // round past the end to itself
    EXPECT_FALSE(window->findRow("Z", -1));
    EXPECT_EQ(window->findManhole("c", 0), 7);
    EXPECT_EQ(window->findManhole("c", 9), 7);

    // K1's criterion down to K2 and B1, not K3 between them; one cell of SDR alone.
    window->fillDown({{3, 12}, {0, 12}, {1, 12}, {1, 9}});
    EXPECT_EQ(window->row(1)[12], "3");
    EXPECT_EQ(window->row(2)[12], "1");
    EXPECT_EQ(window->row(3)[12], "3");
    window->undo();
    EXPECT_EQ(window->row(1)[12], "1");
    EXPECT_EQ(window->row(3)[12], "1");
}

// A project file with faults keeps what it can give: a value as typed, the
// lines it cannot read said.
TEST_F(NetworkWindowTest, AProjectWithFaultsKeepsWhatItCanGive) {
    fs::copy_file(kHandWorked, scratch / "siec.csv");
    std::ofstream(scratch / "siec.vexa") << "przykrycie=1,5\nglebokosc=5\nspadek-min=x\npolaczenie=osie\n";
    window->open((scratch / "siec.csv").string());
    EXPECT_EQ(platform.errors().back(), "Zbiór \"" + (scratch / "siec.vexa").string() +
                                            "\":\nWiersz 2: nieznany klucz \"glebokosc\"\nWiersz 4: polaczenie "
                                            "\"osie\" nie jest żadnym z: korony, zwierciadla");
    EXPECT_EQ(window->parameterText(0), "1,5");
    EXPECT_EQ(window->parameterProblem(), "Spadek najmniejszy [‰]: \"x\" nie jest liczbą");
    EXPECT_FALSE(window->modified());
}

// A long design reports its progress every 500 sections and can be cancelled.
TEST_F(NetworkWindowTest, ALongDesignCanBeCancelled) {
    std::string chain;
    for (int n = 1; n <= 600; ++n)
        chain += "K" + std::to_string(n) + "\tS" + std::to_string(n) + "\tS" + std::to_string(n + 1) +
                 "\t10\t100\t100\t1\t1\n";
    platform.cancelCalculationAtReport(1);
    window->paste(0, 0, chain);
    EXPECT_EQ(platform.progressReports(), std::vector<std::string>{"Odcinek 500 z 600"});
    EXPECT_FALSE(window->designed());
    ASSERT_FALSE(window->problems().empty());
    EXPECT_EQ(window->problems().front().message, kCalculationCancelled);
}

}  // namespace
}  // namespace vexa
