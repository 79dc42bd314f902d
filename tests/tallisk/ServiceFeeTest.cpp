#include "tallisk/fee/ServiceFee.h"

#include <gtest/gtest.h>

#include "tallisk/fee/CoverStatus.h"
#include "tallisk/fee/DateText.h"

namespace {

using tallisk::FeeInputs;

const auto kAsOn = tallisk::MarchThirtyFirst(2004);

struct FeeCase {
  const char* what;
  FeeInputs inputs;
  int days;
  double fee;
};

class ServiceFeeTable : public ::testing::TestWithParam<FeeCase> {};

TEST_P(ServiceFeeTable, GivesTheDaysAndTheFee) {
  const FeeCase& c = GetParam();
  EXPECT_EQ(tallisk::CoveredDays(c.inputs.coverStartDate, kAsOn), c.days) << c.what;
  EXPECT_EQ(tallisk::ServiceFee(c.inputs, kAsOn), c.fee) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Fees, ServiceFeeTable,
    ::testing::Values(
        FeeCase{"part of the year", {500000, 250000, 200000, 150000, "15/06/2003"}, 291, 3189},
        FeeCase{"366 days count as 365", {500000, 250000, 200000, 150000, "01/04/2003"}, 366, 4000},
        FeeCase{"a cover of more than a year",
                {500000, 250000, 200000, 150000, "01/01/2001"},
                1186,
                4000},
        FeeCase{"outstanding above sanctioned is charged on the sanctioned amounts",
                {100000, 300000, 50000, 80000, "01/04/2003"},
                366,
                1500},
        FeeCase{"the amount is capped at 25 lakh",
                {2000000, 2000000, 1000000, 1000000, "01/04/2003"},
                366,
                25000},
        FeeCase{"a cover that starts on the as-on date runs one day",
                {500000, 250000, 200000, 150000, "31/03/2004"},
                1,
                11},
        FeeCase{"an empty cover date", {500000, 250000, 200000, 150000, ""}, 0, 0},
        FeeCase{"a blank cover date", {500000, 250000, 200000, 150000, "   "}, 0, 0},
        FeeCase{"a date that cannot be read", {500000, 250000, 200000, 150000, "31/02/2003"}, 0, 0},
        FeeCase{"a cover that starts the day after the as-on date",
                {500000, 250000, 200000, 150000, "01/04/2004"},
                0,
                0},
        FeeCase{"a cover that starts later still gives no negative fee",
                {500000, 250000, 200000, 150000, "15/05/2004"},
                -44,
                0},
        FeeCase{"half a rupee goes down to the even neighbour",
                {300000, 250050, 0, 0, "01/04/2003"},
                366,
                2500},
        FeeCase{"half a rupee goes up to the even neighbour",
                {300000, 250150, 0, 0, "01/04/2003"},
                366,
                2502}));

TEST(RoundHalfToEven, SendsHalvesToTheEvenNeighbour) {
  EXPECT_EQ(tallisk::RoundHalfToEven(2500.5), 2500);
  EXPECT_EQ(tallisk::RoundHalfToEven(2501.5), 2502);
  EXPECT_EQ(tallisk::RoundHalfToEven(2500.49), 2500);
  EXPECT_EQ(tallisk::RoundHalfToEven(2500.51), 2501);
  EXPECT_EQ(tallisk::RoundHalfToEven(3189.041), 3189);
}

TEST(CoverStatus, HasTwoWordings) {
  EXPECT_EQ(tallisk::CoverStatusOnEntry("", 2004),
            "Guarantee Cover not started as on March 31, 2004");
  EXPECT_EQ(tallisk::CoverStatusOnEntry("15/06/2003", 2004),
            "Guarantee Cover started on 15/06/2003");
  EXPECT_EQ(tallisk::CoverStatusOfRecord("", 2004),
            "Guarantee Cover not Started as on March 31, 2004");
  EXPECT_EQ(tallisk::CoverStatusOfRecord("5/6/2003", 2004), "Guarantee Cover Started on 5/6/2003");
}

}  // namespace
