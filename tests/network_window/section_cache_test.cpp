// Sections already designed are not designed again.

#include "network_window/section_cache.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

class CountingCalculator : public SectionCalculator {
public:
    BatchResult run(const BatchSection& section) override {
        ++runs;
        BatchResult result;
        result.message = section.flow;
        return result;
    }
    int runs = 0;
};

TEST(SectionCache, ALineRunsOnceAndAnyChangedFieldRunsAgain) {
    BatchSection section = parseSection("\"Odcinek; \"\"1\"\"\";2;;;1;0;12,5;5;1;5;100;1;");
    CountingCalculator calculator;
    SectionCache cache(calculator);
    EXPECT_EQ(cache.run(section).message, "12,5");
    EXPECT_EQ(cache.run(section).message, "12,5");
    EXPECT_EQ(calculator.runs, 1);
    section.slopeFrom = "5,1";
    cache.run(section);
    EXPECT_EQ(calculator.runs, 2);
}

}  // namespace
}  // namespace vexa
