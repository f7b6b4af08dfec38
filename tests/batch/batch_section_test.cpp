// One line of a batch read into a section, and written back as the same line.

#include "batch/batch_section.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

TEST(BatchSection, ALineReadsBackAsItWasWritten) {
    const BatchSection section = parseSection("\"Odcinek; \"\"1\"\"\";2;160;;1;0;12,5;5;1;5;100;1;");
    EXPECT_EQ(section.name, "Odcinek; \"1\"");
    EXPECT_EQ(section.type, 2);
    EXPECT_EQ(section.diameter, "160");
    EXPECT_EQ(section.slopeTo, "100");
    const BatchSection again = parseSection(sectionLine(section));
    EXPECT_EQ(again.name, section.name);
    EXPECT_EQ(sectionLine(again), sectionLine(section));
}

// What cannot be read says which field, without the line's number: the
// caller knows where the line stands.
TEST(BatchSection, AMalformedLineNamesItsField) {
    const auto problem = [](const std::string& line) {
        try {
            parseSection(line);
        } catch (const MalformedLine& malformed) {
            return std::pair{malformed.field(), std::string(malformed.what())};
        }
        return std::pair{-2, std::string("(read)")};
    };
    EXPECT_EQ(problem("\"abc;2;;;2;0;5;5"),
              (std::pair{0, std::string("pole Odcinek zaczyna się cudzysłowem, który nie jest zamknięty")}));
    EXPECT_EQ(problem("A;2;;;x;0;5;5"), (std::pair{4, std::string("pole Scieki \"x\" nie jest liczbą całkowitą")}));
    EXPECT_EQ(problem("A;2;;;2;0;5;5;0;;;1;;x"), (std::pair{-1, std::string("wiersz ma 14 pól, a najwyżej 13")}));
}

}  // namespace
}  // namespace vexa
