#include <gtest/gtest.h>

#include <cstring>

#include "persistence/text.h"

namespace {

struct DecimalCase {
    const char* text;
    bool found;
    int32_t value;
};

class DecimalConversion : public testing::TestWithParam<DecimalCase> {};

TEST_P(DecimalConversion, ReadsAsTheCLibraryDoes) {
    int32_t value = -99;
    EXPECT_EQ(scanDecimal(GetParam().text, &value), GetParam().found) << GetParam().text;
    EXPECT_EQ(value, GetParam().value) << GetParam().text;
    EXPECT_EQ(decimalValue(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Texts, DecimalConversion,
                         testing::Values(DecimalCase{"75", true, 75}, DecimalCase{"", false, 0},
                                         DecimalCase{"  \t 42", true, 42},
                                         DecimalCase{"-3", true, -3}, DecimalCase{"+8", true, 8},
                                         DecimalCase{"12abc", true, 12},
                                         DecimalCase{"abc", false, 0}, DecimalCase{"-", false, 0},
                                         DecimalCase{"+ 5", false, 0}, DecimalCase{"0x1F", true, 0},
                                         DecimalCase{"2147483647", true, 2147483647},
                                         DecimalCase{"2147483648", true, 2147483647},
                                         DecimalCase{"99999999999999999999999", true, 2147483647},
                                         DecimalCase{"-2147483648", true, INT32_MIN},
                                         DecimalCase{"-99999999999999999999", true, INT32_MIN},
                                         DecimalCase{"00000000000000000000007", true, 7}));

TEST(CopyText, CutsToTheCapacityAndTerminates) {
    char buffer[6];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(copyText(buffer, sizeof buffer, "abcdefghij"), 5);
    EXPECT_STREQ(buffer, "abcde");
    EXPECT_EQ(copyText(buffer, sizeof buffer, "ab"), 2);
    EXPECT_STREQ(buffer, "ab");
    EXPECT_EQ(copyText(buffer, 1, "ab"), 0);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(copyText(buffer, sizeof buffer, nullptr), 0);
    EXPECT_STREQ(buffer, "");
}

}  // namespace
