#include "toolkit/delimited_fields.h"

#include <gtest/gtest.h>

namespace vexa::delimited {
namespace {

using Fields = std::vector<std::string>;

TEST(DelimitedFields, FieldsWithTheSeparatorAQuoteOrALineBreakAreQuoted) {
    EXPECT_EQ(joined({"K1", "", "0,25"}), "K1;;0,25");
    EXPECT_EQ(joined({"K;1", " \"x", "a\r\nb", "c\nd"}), "\"K;1\";\" \"\"x\";\"a\r\nb\";\"c\nd\"");
}

TEST(DelimitedFields, SplitReadsBackWhatJoinWrote) {
    const Fields fields{"K;1", "\"Górny\" odcinek", "a \"b\" c", " \"x", "", "\";\"", "z"};
    EXPECT_EQ(split(joined(fields)), fields);
}

TEST(DelimitedFields, SplitKeepsTextAfterAClosingQuoteAndRefusesAnUnclosedOne) {
    EXPECT_EQ(split("\"a;b\"c;d"), (Fields{"a;bc", "d"}));
    EXPECT_EQ(split(""), (Fields{""}));
    EXPECT_EQ(split("a;"), (Fields{"a", ""}));
    try {
        split("x;\"a;b");
        FAIL() << "no error";
    } catch (const UnclosedQuote& problem) {
        EXPECT_EQ(problem.field(), 1);
        EXPECT_STREQ(problem.what(), "cudzysłów otwierający pole nr 2 nie jest zamknięty");
    }
}

TEST(DelimitedFields, RecordsRunOverLineEndsInsideQuotesOnlyAndSkipEmptyLines) {
    const std::vector<Record> read = records("a;\"b\r\nc\";d\r\n\r\ne;\"\"\ng\r");
    ASSERT_EQ(read.size(), 3U);
    EXPECT_EQ(read[0].line, 1);
    EXPECT_EQ(read[0].fields, (Fields{"a", "b\r\nc", "d"}));
    EXPECT_EQ(read[1].line, 4);
    EXPECT_EQ(read[1].fields, (Fields{"e", ""}));
    EXPECT_EQ(read[2].line, 5);
    EXPECT_EQ(read[2].fields, (Fields{"g"}));
    try {
        records("a\nb;\"c\nd");
        FAIL() << "no error";
    } catch (const UnclosedQuote& problem) {
        EXPECT_EQ(problem.line(), 2);
        EXPECT_EQ(problem.field(), 1);
    }
}

}  // namespace
}  // namespace vexa::delimited
