// A network's project file: read and written back as the same bytes, each
// value read as vexa-calc reads its option, and every fault named by its line.

#include "network/network_project.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "network/network_parameters.h"
#include "toolkit/cp1250.h"

namespace vexa {
namespace {

TEST(NetworkProject, ReadsItsValuesAndWritesTheSameBytes) {
    const std::string bytes = cp1250::encode(
        "przykrycie=1,20\r\nspadek-max=80\r\npolaczenie=zwierciadla\r\ndno-wylotu=W1=95,2\r\n"
        "dno-wylotu=Wylot ż=90\r\ndeszcz-tabela=tabele/deszcz.csv\r\nczas-splywu=7,5\r\nkodowanie=cp1250\r\n"
        "konce-wierszy=crlf\r\nprojekt-nazwa=Kanalizacja ul. Źródlanej\r\nuklad-wysokosci=Kronsztadt 86\r\n");
    const NetworkProject project = readNetworkProject(bytes);
    EXPECT_EQ(networkProjectBytes(project), bytes);

    NetworkParameters parameters;
    std::optional<std::string> rainTable;
    ProjectData data;
    applyProject(project, "/projekty/siec.vexa", parameters, rainTable, data);
    EXPECT_EQ(parameters.cover, 1200);
    EXPECT_EQ(parameters.slopeMax, 800);
    EXPECT_TRUE(parameters.joinWaterSurfaces);
    EXPECT_EQ(parameters.receivingInverts, (std::map<std::string, long long>{{"W1", 95200}, {"Wylot ż", 90000}}));
    EXPECT_EQ(parameters.runoffTime, 450'000);
    EXPECT_EQ(parameters.slopeMin, 5);  // not given: as it was
    EXPECT_EQ(rainTable, "/projekty/tabele/deszcz.csv");
    EXPECT_EQ(data.name, "Kanalizacja ul. Źródlanej");
    EXPECT_EQ(data.heightDatum, "Kronsztadt 86");
    EXPECT_EQ(data.investor, "");
    const auto form = projectNetworkForm(project);
    ASSERT_TRUE(form);
    EXPECT_TRUE(form->codePage1250 && form->crLf && !form->byteOrderMark);
}

TEST(NetworkProject, NamesTheLineOfEachFault) {
    const auto fault = [](const std::string& text) {
        try {
            NetworkParameters parameters;
            std::optional<std::string> rainTable;
            ProjectData data;
            applyProject(readNetworkProject(text), "siec.vexa", parameters, rainTable, data);
        } catch (const ProjectError& problem) {
            return std::string(problem.what());
        }
        return std::string("(read)");
    };
    EXPECT_EQ(fault("# uwaga\n\nprzykrycie\n"), "Wiersz 3: wiersz nie ma postaci klucz=wartość: \"przykrycie\"");
    EXPECT_EQ(fault("przykrycie=1\nglebokosc=5\n"), "Wiersz 2: nieznany klucz \"glebokosc\"");
    EXPECT_EQ(fault("kaskada=1\nkaskada=2\n"), "Wiersz 2: klucz \"kaskada\" występuje drugi raz");
    EXPECT_EQ(fault("przykrycie=1,2\nq-min=0,5\n"), "Wiersz 2: q-min \"0,5\" nie może być mniejsze od 1");
    EXPECT_EQ(fault("dno-wylotu=95\n"), "Wiersz 1: dno-wylotu \"95\" nie ma postaci NAZWA=RZĘDNA");
    EXPECT_EQ(fault("polaczenie=osie\n"), "Wiersz 1: polaczenie \"osie\" nie jest żadnym z: korony, zwierciadla");
    EXPECT_EQ(fault("kodowanie=latin2\n"),
              "Wiersz 1: kodowanie \"latin2\" nie jest żadnym z: cp1250, utf-8, utf-8-bom");
}

TEST(NetworkProject, KeepsAFileOfItsFolderRelative) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "a";
    const std::string project = (folder / "siec.vexa").string();
    const std::string elsewhere = (std::filesystem::temp_directory_path() / "c" / "deszcz.csv").generic_string();
    EXPECT_EQ(projectFileName((folder / "siec.csv").string()), project);
    EXPECT_EQ(pathInProject((folder / "b" / "deszcz.csv").string(), project), "b/deszcz.csv");
    EXPECT_EQ(pathInProject(elsewhere, project), elsewhere);
    EXPECT_EQ(pathFromProject("b/deszcz.csv", project), (folder / "b" / "deszcz.csv").generic_string());
    EXPECT_EQ(pathFromProject(elsewhere, project), elsewhere);
}

}  // namespace
}  // namespace vexa
