#include "catalogue/data_load.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "catalogue/catalogue_reader.h"
#include "support/files.h"
#include "support/recording_platform.h"
#include "toolkit/errors.h"
#include "toolkit/text_file.h"

namespace vexa {
namespace {

namespace fs = std::filesystem;

class DataLoadTest : public testing::Test {
protected:
    void placeCatalogue(const fs::path& source) { fs::copy_file(source, directory / "pipe_vexa.dat"); }

    bool load() {
        const auto fillLists = [this] { ++listFillings; };
        return DataLoad(*catalogue, platform, fillLists, dataFilePath(directory));
    }

    testing_support::ScratchFolder scratch;
    const fs::path& directory = scratch.path();
    RecordingPlatform platform;
    std::unique_ptr<Catalogue> catalogue = std::make_unique<Catalogue>();
    int listFillings = 0;
};

TEST_F(DataLoadTest, MissingFileIsReportedAndEndsTheProgram) {
    // A catalogue elsewhere (beside the program, say) does not count.
    EXPECT_FALSE(load());
    EXPECT_EQ(platform.errors(), std::vector<std::string>{"Brak zbioru \"pipe_vexa.dat\""});
    EXPECT_TRUE(platform.terminated());
    EXPECT_EQ(listFillings, 0);
    EXPECT_EQ(catalogue->ilosc_typow, 0);
}

TEST_F(DataLoadTest, ReadsTheFileFillsTheListsAndLinksTheOptimisationTable) {
    placeCatalogue(fs::path(VEXA_TEST_DATA_DIR) / "small_catalogue.dat");
    EXPECT_TRUE(DataLoad(
        *catalogue, platform,
        [this] {
            ++listFillings;
            EXPECT_EQ(catalogue->ilosc_typow, 7);         // read before the lists
            EXPECT_EQ(catalogue->tabopti.nr_typu[0], 0);  // linked after them
        },
        dataFilePath(directory)));
    EXPECT_EQ(listFillings, 1);
    EXPECT_TRUE(platform.events().empty());
    EXPECT_EQ(catalogue->type(2).nazwa, "Rura żółta próbna    klasa L");
    EXPECT_EQ(catalogue->type(6).klasa, "SDR");
    EXPECT_EQ(catalogue->type(6).diameter(9).kod, "PE-800-SDR");
    const auto& links = catalogue->tabopti.nr_typu;
    EXPECT_EQ(catalogue->tabopti.ilosc, 4);
    EXPECT_EQ(links[0], 1);
    EXPECT_EQ(links[1], 4);
    EXPECT_EQ(links[2], 5);
    EXPECT_EQ(links[3], 6);
    EXPECT_EQ(catalogue->sdrpp.wartosc[2], 27.6);
}

TEST_F(DataLoadTest, BrokenFileThrowsBeforeTheListsAreFilled) {
    std::ofstream(directory / "pipe_vexa.dat", std::ios::binary)
        << "Rurtyp A klasa N;\r\nDOUT,16.0\r\n\"Optymalizacja\"\r\n";
    EXPECT_THROW(load(), ConversionError);
    EXPECT_EQ(listFillings, 0);
    EXPECT_EQ(catalogue->ilosc_typow, 0);
    EXPECT_FALSE(platform.terminated());
}

TEST_F(DataLoadTest, UnreadableFileIsACatalogueError) {
    fs::create_directory(directory / "pipe_vexa.dat");  // exists, but no file to read
    EXPECT_THROW(load(), CatalogueError);
    EXPECT_EQ(listFillings, 0);
}

TEST(DataFilePath, JoinsTheDirectoryWithOneSeparator) {
    const auto joined = [](const char* directory) {
        const std::u8string path = dataFilePath(text_file::pathFromUtf8(directory)).generic_u8string();
        return std::string(path.begin(), path.end());
    };
    EXPECT_EQ(joined("/"), "/pipe_vexa.dat");
    EXPECT_EQ(joined("/home/inż"), "/home/inż/pipe_vexa.dat");
    EXPECT_EQ(joined("/home/inż/"), "/home/inż/pipe_vexa.dat");
}

}  // namespace
}  // namespace vexa
