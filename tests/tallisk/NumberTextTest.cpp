#include "tallisk/records/NumberText.h"

#include <gtest/gtest.h>

#include "tallisk/fee/DateText.h"

namespace {

TEST(FormatNumber, WritesTheShortestPlainDecimal) {
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {0, "0"},
      {-0.0, "0"},
      {3189, "3189"},
      {9567, "9567"},
      {12.5, "12.5"},
      {0.05, "0.05"},
      {0.1 + 0.2, "0.3"},  // 15 significant digits at most
      {-1993.25, "-1993.25"},
      {2500000, "2500000"},
      {123456789012.345, "123456789012.345"},
      {1e15, "1000000000000000"},
      {1e20, "100000000000000000000"},  // never an exponent
      {1.0 / 3, "0.333333333333333"},
  };
  for (const auto& c : cases) EXPECT_EQ(tallisk::FormatNumber(c.value), c.text) << c.value;
}

TEST(ParseNumber, ReadsDecimalsAndRefusesTheRest) {
  EXPECT_EQ(tallisk::ParseNumber("250000"), 250000);
  EXPECT_EQ(tallisk::ParseNumber(" 12.5 "), 12.5);
  EXPECT_EQ(tallisk::ParseNumber("12."), 12);
  EXPECT_EQ(tallisk::ParseNumber(".5"), 0.5);
  EXPECT_EQ(tallisk::ParseNumber("-3"), -3);
  EXPECT_EQ(tallisk::ParseNumber("+3"), 3);
  EXPECT_EQ(tallisk::ParseNumber("1e3"), 1000);
  EXPECT_EQ(tallisk::ParseNumber("012.5"), 12.5);
  for (const char* no : {"", " ", ".", "-", "abc", "12a", "1.2.3", "1e", "1,000", "inf", "nan"})
    EXPECT_FALSE(tallisk::ParseNumber(no).has_value()) << no;
  EXPECT_EQ(tallisk::ParseNumber(tallisk::FormatNumber(1234567.891)), 1234567.891);
}

TEST(ParseDate, ReadsDayMonthYear) {
  using namespace std::chrono;
  EXPECT_EQ(tallisk::ParseDate("15/06/2003"), year{2003} / June / 15);
  EXPECT_EQ(tallisk::ParseDate("5/6/2003"), year{2003} / June / 5);
  EXPECT_EQ(tallisk::ParseDate(" 29/02/2004 "), year{2004} / February / 29);
  for (const char* no : {"", "29/02/2003", "31/04/2003", "15/13/2003", "15/06/03", "15-06-2003",
                         "2003/06/15", "15/06/2003x", "00/06/2003"})
    EXPECT_FALSE(tallisk::ParseDate(no).has_value()) << no;
  EXPECT_EQ(tallisk::MarchThirtyFirstText(2004), "March 31, 2004");
}

}  // namespace
