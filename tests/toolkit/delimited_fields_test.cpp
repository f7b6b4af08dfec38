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

TEST(DelimitedFields, SplitKeepsTextAfterAClosingQuoteAndEndsAnUnclosedFieldAtTheLineEnd) {
    EXPECT_EQ(split("\"a;b\"c;d"), (Fields{"a;bc", "d"}));
    EXPECT_EQ(split("x;\"a;b"), (Fields{"x", "a;b"}));
    EXPECT_EQ(split(""), (Fields{""}));
    EXPECT_EQ(split("a;"), (Fields{"a", ""}));
}

}  // namespace
}  // namespace vexa::delimited
