// "Zapis", "Podgląd" and the notebook window driven as a user would, on the
// small test catalogue. The expected results were worked out with
// tools/reference_design.py; the notebook texts were typed from the design
// of the entry, apart from the code that builds them.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "catalogue/design_choices.h"
#include "design_window_fixture.h"
#include "support/files.h"
#include "windows/notebook_window.h"

namespace vexa {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

using testing_support::fileContents;

class Notebook : public testing_support::DesignWindowFixture {
protected:
    void SetUp() override { startWith(fs::path(VEXA_TEST_DATA_DIR) / "small_catalogue.dat"); }

    TForm2& notebook() { return program().Form2(); }
    const Lines& text() { return form().Memo1.Lines; }
    void press(Button& button) {
        act([&] { button.userClick(); });
    }
    // "Zapis"; `inWindow` is what the user does in the notebook window that
    // opens (nothing: it is closed by its frame).
    void save(const std::function<void()>& inWindow = {}) {
        platform.queueModalAction([inWindow](Form&) {
            if (inWindow) inWindow();
        });
        press(form().Zapisz);
    }
    void saveAndReturn() {
        save([this] { press(notebook().Powrot); });
    }
    void calculateAndSave(const std::string& flow, const std::string& slope) {
        calculate(flow, slope);
        saveAndReturn();
    }
    std::size_t windowsOpened() {
        return std::count_if(platform.events().begin(), platform.events().end(),
                             [](const auto& event) { return event.kind == RecordingPlatform::Kind::ModalWindow; });
    }

    testing_support::ScratchFolder scratch;
    static constexpr int kPeHd = 2, kOptimalN = 7;  // type positions in the small catalogue
};

TEST_F(Notebook, OneSaveMakesTheHeaderAndAnEntryThatTheWindowSavesAsACodePage1250File) {
    pickSewage(sewage_kind::kDomestic);
    pickLosses(local_losses::kLarge);
    pickPipeCriterion(pipe_criterion::kGivenFilling);
    type(form().Bwyp, "60");
    minimise("1.5", "10");
    type(form().Bnazod, "Kanał Żółta 1");
    calculate("12.5", "5");
    const std::string file = (scratch / "notatnik.txt").string();
    save([&] {
        EXPECT_TRUE(notebook().Visible);
        EXPECT_EQ(notebook().bmem.Lines, text());
        platform.queueSaveFileName(file);
        press(notebook().Zapisz);
        press(notebook().Powrot);
        EXPECT_FALSE(notebook().Visible);
    });

    EXPECT_EQ(fileContents(file), fileContents(fs::path(VEXA_TEST_DATA_DIR) / "notebook_one_entry.txt"));
    EXPECT_EQ(text().size(), 23U);
    EXPECT_EQ(platform.lastSaveRequest().title, "Zapis notatnika w zbiorze typu *.txt");
    EXPECT_EQ(platform.lastSaveRequest().filter, "txt");
    EXPECT_EQ(platform.lastSaveRequest().defaultExtension, "txt");
    EXPECT_TRUE(platform.errors().empty());

    const Fwyn& record = program().Tw()[0];
    const Lines fields = {record.nazod.str(),     record.typrury.str(), record.sciek.str(),  record.przeplyw.str(),
                          record.spadek.str(),    record.krytdob.str(), record.nrkat.str(),  record.srednice.str(),
                          record.klasarury.str(), record.wspk.str(),    record.wypeln.str(), record.predkosc.str(),
                          record.naprez.str(),    record.krprzew.str(), record.krsam.str()};
    EXPECT_EQ(fields, (Lines{"Kanał Żółta 1", "PVC lita SN4         klasa N      k=0,75 mm", "bytowe", "12,5", "1,5",
                             "h/d=60%", " PVC4-250", "250 / 235,4", "N", "0,75", "60", "0,45", "0,97", "tak", "nie"}));
    EXPECT_EQ(state().twind, 2);
    EXPECT_EQ(state().odc_number, 2);
    EXPECT_FALSE(state().mempusty);
    EXPECT_FALSE(state().obliczone);
    EXPECT_EQ(form().Bnazod.Text, "Odcinek nr 2");
}

TEST_F(Notebook, RefusalsComeInTheirOrderAndChangeNothing) {
    press(form().Notatnik);
    press(form().Zapisz);
    type(form().Bnazod, "");
    press(form().Zapisz);
    EXPECT_EQ(platform.errors(), (Lines{"Notatnik jest jeszcze pusty", "Nie przeprowadzono nowych obliczeń",
                                        "Nie podano nazwy odcinka projektowego"}));
    type(form().Bnazod, "A");
    calculateAndSave("10", "5");
    press(form().Zapisz);  // the same calculation once more
    EXPECT_EQ(platform.errors().back(), "Nie przeprowadzono nowych obliczeń");
    EXPECT_EQ(windowsOpened(), 1U);
    EXPECT_EQ(text().size(), 23U);
    EXPECT_EQ(state().twind, 2);
}

TEST_F(Notebook, AChangedInputKeepsTheResultsOnScreenButNotForSaving) {
    const std::vector<std::function<void()>> changes = {
        [&] { type(form().Bqwe, "11"); },
        [&] { type(form().Bimin, "6"); },
        [&] { type(form().Bistart, "2"); },
        [&] { pickSlopeCriterion(slope_criterion::kMinimise); },
        [&] { pickPipeCriterion(pipe_criterion::kSelfCleaning); },
        [&] { pickSewage(sewage_kind::kDomestic); },
        [&] { pickLosses(local_losses::kLarge); },
        [&] { pickDiameter(form().ComboSred.Count() - 1); },
        [&] { pickType(1); },
    };
    for (std::size_t n = 0; n < changes.size(); ++n) {
        SetUp();  // a fresh program for each change
        calculate("10", "5");
        ASSERT_TRUE(state().obliczone) << "change " << n;
        const std::vector<std::string> shown = results();
        changes[n]();
        press(form().Zapisz);
        EXPECT_EQ(platform.errors().back(), "Nie przeprowadzono nowych obliczeń") << "change " << n;
        EXPECT_EQ(results(), shown) << "change " << n;
    }
    EXPECT_EQ(windowsOpened(), 0U);
    // The section's name is no input of the calculation.
    SetUp();
    calculate("10", "5");
    type(form().Bnazod, "Kolektor B");
    saveAndReturn();
    EXPECT_EQ(windowsOpened(), 1U);
}

TEST_F(Notebook, TheSlopeLineKeepsItsLineBreakWhenItIsCut) {
    calculate("10", "5," + std::string(70, '0'));
    saveAndReturn();
    ASSERT_EQ(text().size(), 23U);
    EXPECT_EQ(text()[2 + 9], "Zadany spadek     = 5," + std::string(66, '0'));  // 88 characters
    EXPECT_EQ(text()[2 + 10], "");
    EXPECT_EQ(text()[2 + 11], "Wyniki dla niezmienianego spadku:");
}

TEST_F(Notebook, TwentyCalculationsAreTakenAndTheTwentyFirstIsRefused) {
    for (int n = 1; n <= 20; ++n) {
        calculateAndSave(std::to_string(n + 5), "5");
        ASSERT_EQ(text().size(), 2U + 21U * n);
    }
    EXPECT_EQ(text()[2 + 19 * 21 + 1], "Odcinek projektowy \"Odcinek nr 20\"");
    EXPECT_EQ(program().Tw()[19].przeplyw.str(), "25");
    EXPECT_EQ(state().twind, 21);
    EXPECT_EQ(state().odc_number, 21);

    calculate("26", "5");
    type(form().Bnazod, "");
    press(form().Zapisz);  // capacity is checked first, before the name and the calculation
    EXPECT_EQ(platform.errors(), Lines{"Pojemność notatnika została wyczerpana ( 20 wyliczeń )"});
    EXPECT_EQ(windowsOpened(), 20U);
    EXPECT_EQ(text().size(), 2U + 21U * 20);
    EXPECT_EQ(state().twind, 21);
}

TEST_F(Notebook, WindowOpensOnACopyScrolledToTheNewestEntryAndOnlyPowrotRenamesTheSection) {
    calculateAndSave("10", "5");
    calculateAndSave("20", "5");
    calculate("30", "5");
    save([&] {
        EXPECT_EQ(notebook().bmem.Lines.size(), 2U + 3U * 21);
        EXPECT_EQ(notebook().bmem.pagesScrolledDown(), 4);  // one page per entry and one more
        EXPECT_EQ(notebook().Caption, "Notatnik");
        press(notebook().Powrot);
    });
    EXPECT_EQ(form().Bnazod.Text, "Odcinek nr 4");

    type(form().Bnazod, "Kolektor B");
    press(form().Notatnik);  // closed by its frame
    EXPECT_EQ(windowsOpened(), 4U);
    EXPECT_EQ(form().Bnazod.Text, "Kolektor B");
    EXPECT_EQ(notebook().bmem.Lines, text());
}

TEST_F(Notebook, KasowanieAnsweredNoKeepsEverythingAndYesClearsTheNotebook) {
    calculateAndSave("10", "5");
    calculate("20", "5");
    type(form().Bnazod, "Kolektor B");
    save([&] {
        platform.queueConfirmation(false);
        press(notebook().Memzer);
        EXPECT_TRUE(notebook().Visible);
        EXPECT_EQ(notebook().bmem.Lines.size(), 44U);
        EXPECT_EQ(form().Bnazod.Text, "Kolektor B");
        EXPECT_EQ(state().twind, 3);

        platform.queueConfirmation(true);
        press(notebook().Memzer);
        EXPECT_FALSE(notebook().Visible);
        EXPECT_TRUE(notebook().bmem.Lines.empty());
    });
    EXPECT_EQ(platform.events()[platform.events().size() - 1].text,
              "Czy napewno chcesz skasować cały notatnik i tabelę ?");
    EXPECT_TRUE(text().empty());
    EXPECT_TRUE(state().mempusty);
    EXPECT_EQ(state().twind, 1);
    EXPECT_EQ(state().odc_number, 1);
    EXPECT_EQ(form().Bnazod.Text, "Odcinek nr 1");

    press(form().Notatnik);
    EXPECT_EQ(platform.errors(), Lines{"Notatnik jest jeszcze pusty"});
    calculateAndSave("30", "5");  // the header comes back, the first record is overwritten
    EXPECT_EQ(text().size(), 23U);
    EXPECT_EQ(program().Tw()[0].przeplyw.str(), "30");
}

TEST_F(Notebook, FailedOrCancelledSaveLosesNothingAndKeepsTheWindowOpen) {
    calculate("10", "5");
    std::ofstream(scratch / "zwykly") << "x";
    const Lines unwritable = {(scratch / "brak" / "n.txt").string(), (scratch / "zwykly" / "n.txt").string()};
    save([&] {
        platform.queueSaveFileName(std::nullopt);
        press(notebook().Zapisz);
        for (const auto& file : unwritable) {
            platform.queueSaveFileName(file);
            press(notebook().Zapisz);
            EXPECT_EQ(platform.errors().back(), "Cannot create file " + file);
            EXPECT_TRUE(notebook().Visible);
        }
    });
    EXPECT_EQ(platform.errors().size(), 2U);
    EXPECT_EQ(notebook().bmem.Lines, text());
    EXPECT_EQ(state().twind, 2);
    EXPECT_EQ(std::distance(fs::directory_iterator(scratch.path()), fs::directory_iterator()), 1);
}

TEST_F(Notebook, EachPipeCriterionHasItsTextAndCode) {
    const struct {
        int item;
        const char* line;
        const char* code;
    } criteria[] = {
        {pipe_criterion::kNone, "Kryterium doboru:  brak", "brak"},
        {pipe_criterion::kSelfCleaningAndVentilation,
         "Kryterium doboru:  dobór dla samooczyszczania i przewietrzania:", "P i O"},
        {pipe_criterion::kSelfCleaning, "Kryterium doboru:  dobór dla samooczyszczania:", "O"},
        {pipe_criterion::kNormativeVentilation,
         "Kryterium doboru: dobór dla przewietrzania - normatywne h/d max:", "P"},
        {pipe_criterion::kGivenFilling,
         "Kryterium doboru:  dobór dla przewietrzania - zadane h/d max= 75,5 [%]:", "h/d=75,5%"},
    };
    for (const auto& criterion : criteria) {
        pickPipeCriterion(criterion.item);
        if (criterion.item == pipe_criterion::kGivenFilling) type(form().Bwyp, "75.5");
        calculateAndSave("10", "5");
        EXPECT_EQ(text()[text().size() - 21 + 7], criterion.line);
        EXPECT_EQ(program().Tw()[criterion.item].krytdob.str(), criterion.code);
    }
    EXPECT_EQ(text().back(), "Otrzymane wyniki spełniają kryteria samooczyszczania i przewietrzania.");
}

TEST_F(Notebook, OptimalPipeRunKeepsTheOptimalItemAndAnyDiameter) {
    pickType(kOptimalN);
    calculateAndSave("10", "5");
    const Lines entry(text().end() - 21, text().end());
    EXPECT_EQ(entry[3], "Typ rury :   Rura optymalna - klasa N");
    EXPECT_EQ(entry[4], "Średnica rury : dowolna");
    EXPECT_EQ(entry[12], "Średnice rury  Dz/Dw = 160 / 137 [mm] / [mm]");
    EXPECT_EQ(entry[13], "Nr katalogowy Ductora  KLX-160");
    EXPECT_EQ(program().Tw()[0].typrury.str(), "Rura optymalna - klasa N");
}

TEST_F(Notebook, FamilyListedByInnerDiameterWritesOneDiameter) {
    pickType(kPeHd);
    calculateAndSave("50", "3");
    EXPECT_EQ(text()[2 + 12], "Średnica rury   Dw = 300  [mm]");
    EXPECT_EQ(text()[2 + 4], "Średnica rury : dowolna");
}

TEST_F(Notebook, LongNamesStandInTheEntryUpToNinetyCharactersAndInTheRecordUpToFifteen) {
    type(form().Bnazod, "Kolektor Łąkowa 12a!");  // 20 characters
    calculateAndSave("10", "5");
    EXPECT_EQ(text()[3], "Odcinek projektowy \"Kolektor Łąkowa 12a!\"");
    EXPECT_EQ(program().Tw()[0].nazod.str(), "Kolektor Łąkowa");

    type(form().Bnazod, std::string(100, 'x'));
    calculateAndSave("10", "5");
    EXPECT_EQ(text()[2 + 21 + 1], "Odcinek projektowy \"" + std::string(70, 'x'));
}

}  // namespace
}  // namespace vexa
