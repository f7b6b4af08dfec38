// vexa-calc --sprawdz-katalog on a catalogue of each kind the reader refuses:
// the check reports exactly what the reader says, and nothing on its output.

#include "cli/catalogue_check_run.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "catalogue/catalogue_reader.h"
#include "support/files.h"

namespace vexa {
namespace {

namespace fs = std::filesystem;

// What the reader itself says of `file`.
std::string readersRefusal(const fs::path& file) {
    auto catalogue = std::make_unique<Catalogue>();
    try {
        readCatalogueFile(file, *catalogue);
    } catch (const std::runtime_error& error) {
        return error.what();
    }
    return "(read without complaint)";
}

TEST(CatalogueCheckRun, EachRefusalOfTheReaderIsReportedInItsWords) {
    const std::string sections = "\"Optymalizacja\"\n\"SDR-PE\"\n\"SDR-PP\"\n\"Limit SDR\"\n630\n330\n";
    std::string tooManyTypes, tooManyDiameters = "Rurtyp A klasa N;\n", tooManyEntries = "\"Optymalizacja\"\n",
                              tooManySdrValues = "\"Optymalizacja\"\n\"SDR-PE\"\n";
    for (int n = 0; n < 41; ++n) tooManyTypes += "Rurtyp T" + std::to_string(n) + " klasa N;\n";
    for (int n = 0; n < 31; ++n) tooManyDiameters += "DOUT," + std::to_string(1000 + n) + "\n";
    for (int n = 0; n < 11; ++n) tooManyEntries += "\"E" + std::to_string(n) + "\"\n";
    for (int n = 0; n < 9; ++n) tooManySdrValues += "410\n";
    const struct {
        const char* name;
        std::string text;
    } broken[] = {
        {"ends early", "Rurtyp A klasa N;\n\"Optymalizacja\"\n"},
        {"malformed number", "Rurtyp A klasa N;\nDOUT,160.0\n" + sections},
        {"too many types", tooManyTypes + sections},
        {"too many diameters", tooManyDiameters + sections},
        {"too many optimisation entries", tooManyEntries + "\"SDR-PE\"\n\"SDR-PP\"\n\"Limit SDR\"\n630\n330\n"},
        {"too many SDR values", tooManySdrValues + "\"SDR-PP\"\n\"Limit SDR\"\n630\n330\n"},
        {"no SDR limits", "\"Optymalizacja\"\n\"SDR-PE\"\n\"SDR-PP\"\n\"Limit SDR\"\n630\n"},
        {"diameter not positive", "Rurtyp A klasa N;\nDOUT,1600\nDIN,0\n" + sections},
        {"data before the first type", "DOUT,1600\nRurtyp A klasa N;\n" + sections},
    };
    const testing_support::ScratchFolder folder;
    for (const auto& [name, text] : broken) {
        SCOPED_TRACE(name);
        const fs::path file = folder / "katalog.dat";
        std::ofstream(file, std::ios::binary) << text;
        BatchOptions options;
        options.catalogue = file;
        std::ostringstream output, errors;
        EXPECT_EQ(checkCatalogue(options, output, errors), kBatchFileProblem);
        EXPECT_EQ(output.str(), "");
        EXPECT_EQ(errors.str(), readersRefusal(file) + "\n");
    }
    // A folder where the file should be cannot be read.
    BatchOptions options;
    options.catalogue = folder.path();
    std::ostringstream output, errors;
    EXPECT_EQ(checkCatalogue(options, output, errors), kBatchFileProblem);
    EXPECT_EQ(errors.str(), readersRefusal(folder.path()) + "\n");
}

}  // namespace
}  // namespace vexa
