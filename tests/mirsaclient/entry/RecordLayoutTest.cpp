#include "mirsaclient/entry/RecordLayout.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "mirsaclient/entry/DateBoxes.h"
#include "mirsaclient/entry/Districts.h"
#include "mirsaclient/entry/FormGroups.h"
#include "mirsaclient/entry/LabelColors.h"
#include "mirsaclient/entry/TextValidators.h"
#include "mirsaclient/resources/ApplicationFormIds.h"
#include "mirsaclient/shell/ProcessState.h"
#include "tests/mirsaclient/entry/EntryFixture.h"

namespace {

using namespace mirsa;

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields(1);
  for (char c : line) {
    if (c == '|')
      fields.emplace_back();
    else
      fields.back().push_back(c);
  }
  return fields;
}

std::string Join(const std::vector<std::string>& fields) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) line += (i ? "|" : "") + fields[i];
  return line;
}

// A complete new record of another maker, with both facilities.
std::vector<std::string> FullRecord() {
  return {"MAKER2",
          "12.5",
          "REF/2024/001",
          "SHAKTI TOOLS",
          "R`K SHARMA",
          "ABCDE1234F",
          "F",
          "12 MG ROAD",
          "PUNE",
          "411001",
          "MAHARASHTRA",
          "PUNE",
          "PART",
          "A KUMAR, B DAS",
          "SSI/99",
          "12/07/1995",
          "E",
          "50000",
          "0",
          "TALVO",
          "100000.5",
          "25000",
          "30000",
          "10000",
          "5000",
          "Y",
          "N",
          "METAL PRODUCTS",
          "12",
          "900000",
          "100000",
          "B",
          "80000",
          "01/04/2001",
          "13.5",
          "40000",
          "01/05/2001",
          "L",
          "35000",
          "6",
          "60",
          "20000",
          "02/04/2001",
          "14",
          "15000"};
}

class RecordLayout : public mirsa_test::EntryTest {
 protected:
  RecordLayout() {
    mirsa_test::CopyShippedDistricts();
    g_strUserId = "MAKER1";
    form.Create();
    EXPECT_TRUE(LoadStateList(form.control(IDC_STATE)));
    Clear();
  }

  // The form as its Clear leaves it: first items, New Unit and TC checked, the existing-unit
  // pair and the working-capital group cleared and disabled, empty date boxes.
  void Clear() {
    for (int id : {IDC_INDUSTRY_TYPE, IDC_CONSTITUTION, IDC_GENDER, IDC_STATE, IDC_SCHEME,
                   IDC_LAST_DISBURSEMENT})
      form.control(id).SetSelection(0);
    EXPECT_TRUE(LoadDistrictList(form.control(IDC_DISTRICT), form.GetDlgItemText(IDC_STATE)));
    form.control(IDC_DISTRICT).SetSelection(0);
    form.control(IDC_NEW_UNIT).SetChecked(true);
    ClearAndDisableExistingUnit(form);
    form.control(IDC_FACILITY_TC).SetChecked(true);
    ClearAndDisableWorkingCapital(form);
    for (int id : kDateBoxes) ResetDateBox(form.control(id));
  }

  void ChooseState(const std::string& name, const std::string& district) {
    ui::Control& states = form.control(IDC_STATE);
    states.SetSelection(states.FindItemExact(name));
    ui::Control& districts = form.control(IDC_DISTRICT);
    ASSERT_TRUE(LoadDistrictList(districts, states.text()));
    districts.SetSelection(districts.FindItemExact(district));
  }

  // The required boxes of a term-credit application; every optional box stays empty.
  void FillRequired() {
    form.SetDlgItemText(IDC_BANK_REFERENCE, "REF/2024/001");
    form.SetDlgItemText(IDC_PLR, "12.5");
    form.SetDlgItemText(IDC_UNIT_NAME, "SHAKTI TOOLS");
    form.SetDlgItemText(IDC_ADDRESS, "12 MG ROAD");
    form.SetDlgItemText(IDC_CITY, "PUNE");
    form.SetDlgItemText(IDC_PIN, "411001");
    ChooseState("MAHARASHTRA", "PUNE");
    form.SetDlgItemText(IDC_CHIEF_PROMOTER, "R K SHARMA");
    form.SetDlgItemText(IDC_IT_PAN, "ABCDE1234F");
    form.SetDlgItemText(IDC_PROJECT_COST, "100000");
    form.SetDlgItemText(IDC_WC_ASSESSED, "25000");
    form.SetDlgItemText(IDC_PROMOTERS_CONTRIBUTION, "30000");
    form.SetDlgItemText(IDC_NEF, "10000");
    form.SetDlgItemText(IDC_OTHER_EQUITY, "5000");
    form.SetDlgItemText(IDC_PEOPLE_EMPLOYED, "12");
    form.SetDlgItemText(IDC_PROJECTED_SALES, "900000");
    form.SetDlgItemText(IDC_TC_AMOUNT_SANCTIONED, "80000");
    form.SetDlgItemText(IDC_TC_SANCTION_DATE, "01/04/2001");
    form.SetDlgItemText(IDC_TC_INTEREST_RATE, "13.5");
    form.SetDlgItemText(IDC_MORATORIUM, "6");
    form.SetDlgItemText(IDC_REPAYMENT, "60");
  }

  std::string Build(char mode, std::string_view checker = {}) {
    state.mode = mode;
    return BuildRecordLine(form, state, checker);
  }

  RecordFormState state;
};

TEST_F(RecordLayout, ANewTermCreditRecordWithEveryOptionalBoxEmpty) {
  FillRequired();
  const std::string line = Build(kModeAdd);
  EXPECT_EQ(CountChar(line, '|'), 44);
  const auto f = Fields(line);
  ASSERT_EQ(f.size(), 45u);
  EXPECT_EQ(f[kFieldMakerId], "MAKER1");
  EXPECT_EQ(f[kFieldGender], "M");
  EXPECT_EQ(f[kFieldState], "MAHARASHTRA");
  EXPECT_EQ(f[kFieldDistrict], "PUNE");
  EXPECT_EQ(f[kFieldConstitution], "PROP");
  EXPECT_EQ(f[kFieldOtherPromoters], "");
  EXPECT_EQ(f[kFieldIncorporationDate], "") << "an empty date box is an empty field";
  EXPECT_EQ(f[kFieldExistence], "N");
  EXPECT_EQ(f[kFieldOutstandingLoan], "");
  EXPECT_EQ(f[kFieldDefaults], "");
  EXPECT_EQ(f[kFieldScheme], "TALVO");
  EXPECT_EQ(f[kFieldCollateral], "N");
  EXPECT_EQ(f[kFieldThirdPartyGuarantee], "N");
  EXPECT_EQ(f[kFieldIndustryType], "FOOD PRODUCTS");
  EXPECT_EQ(f[kFieldFacility], "T");
  EXPECT_EQ(f[kFieldTcSanctionDate], "01/04/2001");
  EXPECT_EQ(f[kFieldTcDisbursementDate], "");
  EXPECT_EQ(f[kFieldLastDisbursement], "R");
  for (int field = kFieldWcLimitSanctioned; field <= kFieldWcOutstanding; ++field)
    EXPECT_EQ(f[field], "") << field;
}

TEST_F(RecordLayout, ApostrophesOfCleanedBoxesBecomeBackquotesInTheLineAndTheBox) {
  FillRequired();
  driver.Replace(IDC_UNIT_NAME, "o'neil's tools", IDD_APPLICATION_FORM)
      .Replace(IDC_IT_PAN, "'abc'", IDD_APPLICATION_FORM)
      .Replace(IDC_OTHER_PROMOTERS, "d'souza", IDD_APPLICATION_FORM);
  driver.Play(form);
  form.SetDlgItemText(IDC_CITY, "  pune camp ");
  const auto f = Fields(Build(kModeAdd));
  EXPECT_EQ(f[kFieldUnitName], "O`NEIL`S TOOLS");
  EXPECT_EQ(form.GetDlgItemText(IDC_UNIT_NAME), "O`NEIL`S TOOLS");
  EXPECT_EQ(f[kFieldItPan], "`ABC`") << "first and last characters too";
  EXPECT_EQ(form.GetDlgItemText(IDC_IT_PAN), "`ABC`");
  EXPECT_EQ(f[kFieldOtherPromoters], "D'SOUZA") << "not a cleaned box";
  EXPECT_EQ(form.GetDlgItemText(IDC_OTHER_PROMOTERS), "D'SOUZA");
  EXPECT_EQ(f[kFieldCity], "PUNE CAMP") << "trimmed, and the whole line in upper case";
  EXPECT_EQ(form.GetDlgItemText(IDC_CITY), "pune camp") << "the box shows the trimmed text";
}

TEST_F(RecordLayout, ALineBreakInTheAddressBecomesABlank) {
  FillRequired();
  driver.Replace(IDC_ADDRESS, "12 mg road\npune\n", IDD_APPLICATION_FORM);
  driver.Play(form);
  ASSERT_EQ(form.GetDlgItemText(IDC_ADDRESS), "12 MG ROAD\r\nPUNE\r\n");
  const std::string line = Build(kModeAdd);
  EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos);
  EXPECT_EQ(CountChar(line, '|'), 44);
  EXPECT_EQ(Fields(line)[kFieldAddress], "12 MG ROAD PUNE");
  EXPECT_EQ(form.GetDlgItemText(IDC_ADDRESS), "12 MG ROAD PUNE") << "the box shows what is stored";

  form.SetDlgItemText(IDC_OTHER_PROMOTERS, "A KUMAR\nB DAS");  // pasted into a one-line box
  EXPECT_EQ(Fields(Build(kModeAdd))[kFieldOtherPromoters], "A KUMAR B DAS");
}

TEST_F(RecordLayout, ARecordReadBackIsBuiltAgainUnchanged) {
  for (const std::string facility : {"B", "T", "W"}) {
    SCOPED_TRACE(facility);
    std::vector<std::string> fields = FullRecord();
    fields[kFieldFacility] = facility;
    if (facility == "T")
      for (int i = kFieldWcLimitSanctioned; i <= kFieldWcOutstanding; ++i) fields[i] = "";
    if (facility == "W") {
      for (int i = kFieldTcAmountSanctioned; i <= kFieldRepayment; ++i) fields[i] = "";
      fields[kFieldLastDisbursement] = "R";
    }
    const std::string line = Join(fields);
    ASSERT_TRUE(FillFromRecordLine(form, line, state));
    EXPECT_EQ(state.makerId, "MAKER2");
    EXPECT_EQ(Build(kModeModify), line);
  }
}

TEST_F(RecordLayout, FillingSetsTheCodedBoxes) {
  ASSERT_TRUE(FillFromRecordLine(form, Join(FullRecord()), state));
  EXPECT_EQ(form.GetDlgItemText(IDC_GENDER), "FEMALE");
  EXPECT_EQ(form.GetDlgItemText(IDC_STATE), "MAHARASHTRA");
  EXPECT_EQ(form.GetDlgItemText(IDC_DISTRICT), "PUNE");
  EXPECT_EQ(form.control(IDC_CONSTITUTION).selection(), 1);
  EXPECT_TRUE(form.control(IDC_OTHER_PROMOTERS).enabled());
  EXPECT_EQ(form.control(IDC_LABEL_OTHER_PROMOTERS).textColor(), kRequiredLabelColor);
  EXPECT_EQ(form.GetDlgItemText(IDC_INCORPORATION_DATE), "12/07/1995");
  EXPECT_TRUE(form.control(IDC_EXISTING_UNIT).checked());
  EXPECT_FALSE(form.control(IDC_NEW_UNIT).checked());
  EXPECT_TRUE(form.control(IDC_COLLATERAL).checked());
  EXPECT_FALSE(form.control(IDC_THIRD_PARTY_GUARANTEE).checked());
  EXPECT_EQ(form.GetDlgItemText(IDC_INDUSTRY_TYPE), "METAL PRODUCTS");
  EXPECT_TRUE(form.control(IDC_FACILITY_BOTH).checked());
  EXPECT_TRUE(state.facility.both);
  EXPECT_FALSE(state.facility.termCredit || state.facility.workingCapital);
  EXPECT_EQ(form.GetDlgItemText(IDC_LAST_DISBURSEMENT), "YES");
  EXPECT_EQ(form.GetDlgItemText(IDC_PROJECT_OUTLAY), "125000.50");
  EXPECT_EQ(form.GetDlgItemText(IDC_EQUITY_TOTAL), "15000.00");
  EXPECT_EQ(form.GetDlgItemText(IDC_TOTAL_PERIOD), "66");

  // A proprietary unit, a lower-case last disbursement code, unknown codes.
  auto fields = FullRecord();
  fields[kFieldConstitution] = "prop";
  fields[kFieldLastDisbursement] = "l";
  fields[kFieldGender] = "X";
  fields[kFieldCollateral] = "?";
  fields[kFieldExistence] = "?";
  ASSERT_TRUE(FillFromRecordLine(form, Join(fields), state));
  EXPECT_EQ(form.control(IDC_CONSTITUTION).selection(), 0);
  EXPECT_EQ(form.control(IDC_LABEL_OTHER_PROMOTERS).textColor(), kOptionalLabelColor);
  EXPECT_EQ(form.GetDlgItemText(IDC_LAST_DISBURSEMENT), "YES");
  EXPECT_EQ(form.GetDlgItemText(IDC_GENDER), "FEMALE") << "left as it was";
  EXPECT_TRUE(form.control(IDC_COLLATERAL).checked()) << "left as it was";
  EXPECT_TRUE(form.control(IDC_EXISTING_UNIT).checked()) << "left as it was";
  fields[kFieldConstitution] = "XYZ";
  form.EnableDlgItem(IDC_OTHER_PROMOTERS, false);
  ASSERT_TRUE(FillFromRecordLine(form, Join(fields), state));
  EXPECT_EQ(form.control(IDC_CONSTITUTION).selection(), 0) << "left as it was";
  EXPECT_FALSE(form.control(IDC_OTHER_PROMOTERS).enabled());
}

TEST_F(RecordLayout, AFacilityClearsAndDisablesTheOtherGroup) {
  auto fields = FullRecord();
  fields[kFieldFacility] = "W";
  form.SetDlgItemText(IDC_TC_AMOUNT_SANCTIONED, "5");
  form.control(IDC_LAST_DISBURSEMENT).SetSelection(1);
  for (int i = kFieldTcAmountSanctioned; i <= kFieldRepayment; ++i) fields[i] = "";
  ASSERT_TRUE(FillFromRecordLine(form, Join(fields), state));
  EXPECT_TRUE(form.control(IDC_FACILITY_WC).checked());
  EXPECT_FALSE(form.control(IDC_FACILITY_TC).checked());
  EXPECT_TRUE(state.facility.workingCapital);
  EXPECT_EQ(form.GetDlgItemText(IDC_TC_AMOUNT_SANCTIONED), "");
  EXPECT_FALSE(form.control(IDC_TC_AMOUNT_SANCTIONED).enabled());
  EXPECT_FALSE(form.control(IDC_TC_SANCTION_DATE).enabled());
  EXPECT_EQ(form.control(IDC_TC_SANCTION_DATE).backColor(), ui::Rgb(200, 200, 200));
  EXPECT_EQ(form.GetDlgItemText(IDC_TC_SANCTION_DATE), "__/__/____");
  EXPECT_EQ(form.GetDlgItemText(IDC_LAST_DISBURSEMENT), "NO");

  fields = FullRecord();
  fields[kFieldFacility] = "T";
  for (int i = kFieldWcLimitSanctioned; i <= kFieldWcOutstanding; ++i) fields[i] = "";
  form.EnableDlgItem(IDC_WC_LIMIT_SANCTIONED, true);
  ASSERT_TRUE(FillFromRecordLine(form, Join(fields), state));
  EXPECT_TRUE(state.facility.termCredit);
  EXPECT_FALSE(state.facility.workingCapital);
  EXPECT_FALSE(form.control(IDC_WC_LIMIT_SANCTIONED).enabled());
  EXPECT_EQ(form.GetDlgItemText(IDC_WC_SANCTION_DATE), "__/__/____");
}

TEST_F(RecordLayout, VerifyingGivesACheckedRecordOfTheMakerAndTheChecker) {
  g_strUserId = "CHECKER";
  const std::vector<std::string> fields = FullRecord();
  ASSERT_TRUE(FillFromRecordLine(form, Join(fields), state));
  const std::string line = Build(kModeVerify, g_strUserId);
  EXPECT_EQ(CountChar(line, '|'), 45);
  std::vector<std::string> expected = fields;
  expected.insert(expected.begin() + 1, "CHECKER");
  EXPECT_EQ(line, Join(expected));
}

TEST_F(RecordLayout, ModifyingKeepsTheMakerOfTheRecordAndAddingTakesTheUser) {
  ASSERT_TRUE(FillFromRecordLine(form, Join(FullRecord()), state));
  EXPECT_EQ(Fields(Build(kModeModify))[0], "MAKER2");
  EXPECT_EQ(Fields(Build(kModeAdd))[0], "MAKER1");
  g_strUserId = "CHECKER";
  EXPECT_EQ(Fields(Build(kModeModify, "CHECKER"))[0], "MAKER2") << "the checker's own edits";
}

TEST_F(RecordLayout, ShownTotalsOfTheTextExamples) {
  auto fields = FullRecord();
  fields[kFieldProjectCost] = "100000.5";
  fields[kFieldWcAssessed] = "";
  fields[kFieldNef] = "1500.5";
  fields[kFieldOtherEquity] = "ABC";
  ASSERT_TRUE(FillFromRecordLine(form, Join(fields), state));
  EXPECT_EQ(form.GetDlgItemText(IDC_TOTAL_PERIOD), "66");
  EXPECT_EQ(form.GetDlgItemText(IDC_PROJECT_OUTLAY), "100000.50");
  EXPECT_EQ(form.GetDlgItemText(IDC_EQUITY_TOTAL), "1500.50") << "a text without a number is 0";

  form.SetDlgItemText(IDC_PROJECT_COST, "1500.5");
  form.SetDlgItemText(IDC_WC_ASSESSED, "200");
  ShowProjectOutlay(form);
  EXPECT_EQ(form.GetDlgItemText(IDC_PROJECT_OUTLAY), "1700.50");
  form.SetDlgItemText(IDC_MORATORIUM, "");
  form.SetDlgItemText(IDC_REPAYMENT, "");
  ShowTotalPeriod(form);
  EXPECT_EQ(form.GetDlgItemText(IDC_TOTAL_PERIOD), "0");
}

TEST_F(RecordLayout, AStateStoredInLowerCaseIsFoundAgain) {
  auto fields = FullRecord();
  fields[kFieldState] = "maharashtra";
  fields[kFieldDistrict] = "pune";
  ASSERT_TRUE(FillFromRecordLine(form, Join(fields), state));
  EXPECT_EQ(form.GetDlgItemText(IDC_STATE), "MAHARASHTRA");
  EXPECT_EQ(form.GetDlgItemText(IDC_DISTRICT), "PUNE");
  EXPECT_EQ(Fields(Build(kModeModify))[kFieldState], "MAHARASHTRA");
}

TEST_F(RecordLayout, AStateNoLongerInTheFileIsLeftUnselected) {
  auto fields = FullRecord();
  fields[kFieldState] = "ATLANTIS";
  ASSERT_TRUE(FillFromRecordLine(form, Join(fields), state));
  EXPECT_EQ(form.control(IDC_STATE).selection(), -1);
  EXPECT_TRUE(form.control(IDC_DISTRICT).items().empty());
  EXPECT_EQ(form.GetDlgItemText(IDC_PROJECT_COST), "100000.5") << "the rest is read";
}

TEST_F(RecordLayout, WithoutTheDistrictsFileTheRestOfTheRecordIsNotRead) {
  std::filesystem::remove("DISTRICTS.TXT");
  form.SetDlgItemText(IDC_PROJECT_COST, "999");
  form.SetDlgItemText(IDC_WC_OUTSTANDING, "7");
  driver.Answer({.text = "Unable to retrieve District for state",
                 .caption = "TALVO-Client",
                 .icon = ui::Icon::None,
                 .buttons = ui::Buttons::Ok});
  EXPECT_FALSE(FillFromRecordLine(form, Join(FullRecord()), state));
  EXPECT_TRUE(driver.scriptDone());
  EXPECT_EQ(form.GetDlgItemText(IDC_PIN), "411001") << "fields up to the state are read";
  EXPECT_EQ(form.GetDlgItemText(IDC_STATE), "MAHARASHTRA");
  EXPECT_EQ(form.control(IDC_CONSTITUTION).selection(), 0);
  EXPECT_EQ(form.GetDlgItemText(IDC_PROJECT_COST), "999");
  EXPECT_EQ(form.GetDlgItemText(IDC_WC_OUTSTANDING), "7");
}

}  // namespace
