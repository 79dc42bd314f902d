#include "mirsaclient/entry/TextValidators.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/Clock.h"

namespace {

enum class Check { Amount, Rate, Digits, Date, EarlyDate };

struct Case {
  Check check;
  std::string text;
  bool valid;
  bool markedTooEarly = false;
};

void PrintTo(const Case& c, std::ostream* os) {
  constexpr const char* kNames[] = {"IsAmount", "IsRate", "IsDigits", "IsDate (no early dates)",
                                    "IsDate (early dates allowed)"};
  *os << kNames[static_cast<int>(c.check)] << "(\"" << c.text << "\")";
}

// "Today" is fixed at 15 March 2024 for every case.
class TextValidators : public ::testing::TestWithParam<Case> {
 protected:
  TextValidators() { mirsa::ResetDateCheckState(); }
  ~TextValidators() override { mirsa::ResetDateCheckState(); }
  platform::ScopedFixedClock clock{{.year = 2024, .month = 3, .day = 15, .hour = 10}};
};

TEST_P(TextValidators, AnswerAsTheFormExpects) {
  const Case& c = GetParam();
  bool valid = false;
  switch (c.check) {
    case Check::Amount:
      valid = mirsa::IsAmount(c.text);
      break;
    case Check::Rate:
      valid = mirsa::IsRate(c.text);
      break;
    case Check::Digits:
      valid = mirsa::IsDigits(c.text);
      break;
    case Check::Date:
      mirsa::g_nEarlyDatesAllowed = 0;
      valid = mirsa::IsDate(c.text);
      break;
    case Check::EarlyDate:
      mirsa::g_nEarlyDatesAllowed = 1;
      valid = mirsa::IsDate(c.text);
      break;
  }
  EXPECT_EQ(valid, c.valid);
  EXPECT_EQ(mirsa::g_nDateTooEarly, c.markedTooEarly ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TextValidators,
    ::testing::Values(
        Case{Check::Amount, "", true}, Case{Check::Amount, ".", true},
        Case{Check::Amount, "0", true}, Case{Check::Amount, "12.50", true},
        Case{Check::Amount, "007", true}, Case{Check::Amount, "12.", true},
        Case{Check::Amount, ".5", true}, Case{Check::Amount, "12.5.0", false},
        Case{Check::Amount, "12 ", false}, Case{Check::Amount, " 12", false},
        Case{Check::Amount, "1,5", false}, Case{Check::Amount, "A1", false},
        Case{Check::Amount, "-1", false}, Case{Check::Amount, "1e5", false},

        Case{Check::Rate, "", true}, Case{Check::Rate, "100", true},
        Case{Check::Rate, "100.00", true}, Case{Check::Rate, "13.25", true},
        Case{Check::Rate, ".", true}, Case{Check::Rate, "100.5", false},
        Case{Check::Rate, "100.01", false}, Case{Check::Rate, "101", false},
        Case{Check::Rate, "1,5", false}, Case{Check::Rate, "12 ", false},

        Case{Check::Digits, "", true}, Case{Check::Digits, "411001", true},
        Case{Check::Digits, "411 001", false}, Case{Check::Digits, "41100A", false},
        Case{Check::Digits, "4.5", false},

        Case{Check::EarlyDate, "", true}, Case{Check::EarlyDate, "31/05/2000", true},
        Case{Check::EarlyDate, "01/06/2000", true}, Case{Check::EarlyDate, "12/07/1995", true},
        Case{Check::EarlyDate, "15/03/2024", true}, Case{Check::EarlyDate, "29/02/2024", true},
        Case{Check::EarlyDate, "16/03/2024", false}, Case{Check::EarlyDate, "01/04/2024", false},
        Case{Check::EarlyDate, "01/01/2025", false}, Case{Check::EarlyDate, "29/02/2023", false},
        Case{Check::EarlyDate, "31/04/2001", false}, Case{Check::EarlyDate, "30/02/2001", false},
        Case{Check::EarlyDate, "01/13/2001", false}, Case{Check::EarlyDate, "00/01/2001", false},
        Case{Check::EarlyDate, "8/3/2000", false}, Case{Check::EarlyDate, "08-03-2000", false},
        Case{Check::EarlyDate, "1/12/20001", false}, Case{Check::EarlyDate, "__/__/____", false},
        Case{Check::EarlyDate, "12/05/____", false}, Case{Check::EarlyDate, "12/05/ 200", false},

        Case{Check::Date, "", true}, Case{Check::Date, "01/06/2000", true},
        Case{Check::Date, "15/03/2024", true}, Case{Check::Date, "31/05/2000", false, true},
        Case{Check::Date, "01/01/1999", false, true}, Case{Check::Date, "31/12/2000", true},
        Case{Check::Date, "16/03/2024", false}, Case{Check::Date, "31/04/1999", false}));

TEST(IsDate, TheMarkStaysUntilItsReaderClearsIt) {
  mirsa::ResetDateCheckState();
  platform::ScopedFixedClock clock({.year = 2024, .month = 3, .day = 15});
  EXPECT_FALSE(mirsa::IsDate("01/01/1999", 0));
  EXPECT_TRUE(mirsa::IsDate("01/01/2001", 0));
  EXPECT_EQ(mirsa::g_nDateTooEarly, 1);
  mirsa::ResetDateCheckState();
}

TEST(IsDate, TodayFollowsThePlatformClock) {
  platform::ScopedFixedClock clock({.year = 2024, .month = 3, .day = 15});
  EXPECT_FALSE(mirsa::IsDate("16/03/2024", 1));
  clock.Set({.year = 2024, .month = 3, .day = 16});
  EXPECT_TRUE(mirsa::IsDate("16/03/2024", 1));
}

TEST(CountChar, CountsEveryOccurrence) {
  EXPECT_EQ(mirsa::CountChar("A|B||C", '|'), 3);
  EXPECT_EQ(mirsa::CountChar("", '|'), 0);
  EXPECT_EQ(mirsa::CountChar("12/05/____", '/'), 2);
}

}  // namespace
