#include <gtest/gtest.h>

#include "store/text_to_int.h"

namespace {

struct Case {
  const char* text;
  int32_t expected;
};

void PrintTo(const Case& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class TextToIntCase : public testing::TestWithParam<Case> {};

TEST_P(TextToIntCase, ReadsAsTheEditRuleSays) {
  EXPECT_EQ(TextToInt(GetParam().text, 999), GetParam().expected) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Table, TextToIntCase,
    testing::Values(Case{"0", 0}, Case{"255", 255}, Case{"00042", 42}, Case{"   17", 17},
                    Case{"-5", -5}, Case{"+5", 5}, Case{"  -12", -12},
                    Case{"2147483647", 2147483647}, Case{"-2147483648", INT32_MIN},
                    Case{"2147483648", 999}, Case{"-2147483649", 999},
                    Case{"99999999999999999999", 999}, Case{"$FF", 255}, Case{"xff", 255},
                    Case{"X1A", 26}, Case{"0x10", 16}, Case{"0X10", 16}, Case{"-$10", -16},
                    Case{"$FFFFFFFF", -1}, Case{"$80000000", INT32_MIN},
                    Case{"$100000000", 999}, Case{"$000000001", 1}, Case{"-0x1", -1},
                    Case{"", 999}, Case{" ", 999}, Case{"-", 999}, Case{"+", 999},
                    Case{"$", 999}, Case{"0x", 999}, Case{"12 ", 999}, Case{"1 2", 999},
                    Case{"12a", 999}, Case{"abc", 999}, Case{"1.5", 999}, Case{"\t5", 999},
                    Case{"--5", 999}, Case{"$G", 999}, Case{"0", 0}, Case{"4294967295", 999}));

TEST(TextToInt, DefaultIsTheCallersChoice) {
  EXPECT_EQ(TextToInt("", 1), 1);
  EXPECT_EQ(TextToInt("x", -7), -7);
}

}  // namespace
