#include "mirsaclient/resources/ApplicationFormTemplate.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "mirsaclient/entry/DateBoxes.h"
#include "mirsaclient/resources/ApplicationFormIds.h"
#include "tests/mirsaclient/entry/EntryFixture.h"

namespace {

using namespace mirsa;
using ui::ControlKind;

const ui::ControlTemplate* Find(const ui::DialogTemplate& t, int id) {
  for (const auto& c : t.controls)
    if (c.id == id) return &c;
  return nullptr;
}

// The label that stands just before a box in the template (group boxes between them aside).
std::string LabelBefore(const ui::DialogTemplate& t, int id) {
  std::string label;
  for (const auto& c : t.controls) {
    if (c.id == id) return label;
    if (c.kind == ControlKind::Label) label = c.text;
    if (c.kind != ControlKind::Label && c.kind != ControlKind::GroupBox) label.clear();
  }
  return "(no control " + std::to_string(id) + ")";
}

struct Box {
  int id;
  ControlKind kind;
  std::string label;  // the caption beside it, or the button's own text
  int maxLength = 0;
};

// The boxes of the record, with the labels and limits the form has always had.
const std::vector<Box> kBoxes = {
    {1069, ControlKind::Edit, "PLR   :", 5},
    {1034, ControlKind::Edit, "Bank Reference No :", 30},
    {1028, ControlKind::Edit, "Name :", 100},
    {1065, ControlKind::Edit, "Chief Promoter :", 100},
    {1066, ControlKind::Edit, "IT PAN :", 20},
    {1165, ControlKind::ComboBox, "Gender:"},
    {1095, ControlKind::MultiLineEdit, "Address :", 500},
    {1096, ControlKind::Edit, "City :", 100},
    {1097, ControlKind::Edit, "Pin :", 6},
    {1170, ControlKind::ComboBox, "State :"},
    {1171, ControlKind::ComboBox, "District :"},
    {1048, ControlKind::ComboBox, "Status:"},
    {1068, ControlKind::Edit, "Other Promoters\n Names(comma separated) ", 500},
    {1049, ControlKind::Edit, "SSI Regn. No  :", 25},
    {1177, ControlKind::MaskedEdit, "Date of Incorporation :\n(dd/mm/yyyy)"},
    {1051, ControlKind::RadioButton, "New Unit"},
    {1052, ControlKind::RadioButton, "Existing"},
    {1053, ControlKind::Edit, "Outstanding Loan Amount:", 16},
    {1054, ControlKind::Edit, "Defaults If Any :", 16},
    {1187, ControlKind::ComboBox, "Scheme Name :"},
    {1074, ControlKind::Edit, "Project Cost (Excluding WC Assessed)", 16},
    {1113, ControlKind::Edit, "Working capital Assessed  ", 16},
    {1114, ControlKind::Edit, "Promoter's Contribution", 16},
    {1115, ControlKind::Edit, "NEF(In Rs) :", 16},
    {1116, ControlKind::Edit, "Others(In Rs) :", 16},
    {1098, ControlKind::CheckBox, "Collateral Security Taken"},
    {1039, ControlKind::CheckBox, "Third Party Personal Guarantee Taken"},
    {1099, ControlKind::ComboBox, "Type of Industry :"},
    {1100, ControlKind::Edit, "No of People Employed :", 4},
    {1101, ControlKind::Edit, "Optimum Projected Sales TurnOver :", 16},
    {1102, ControlKind::Edit, "Optimum Projected Exports If Any :", 16},
    {1103, ControlKind::RadioButton, "TC"},
    {1104, ControlKind::RadioButton, "WC"},
    {1042, ControlKind::RadioButton, "Both"},
    {1029, ControlKind::Edit, "Amount Sanctioned(In Rs) :", 16},
    {1182, ControlKind::MaskedEdit, "Date of Sanction\n(In dd/mm/yyyy)"},
    {1106, ControlKind::Edit, "Interest Rate :", 6},
    {1107, ControlKind::Edit, "Amount Disbursed   (In Rs) :", 16},
    {1181, ControlKind::MaskedEdit, "Date of  Disbursement"},
    {1179, ControlKind::ComboBox, "Last Disbursement :"},
    {1118, ControlKind::Edit, "Outstanding \nTerm  Credit :", 16},
    {1109, ControlKind::Edit, "Moratorium Period\n(in months)", 3},
    {1043, ControlKind::Edit, "Repayment Period\n(in months)", 3},
    {1030, ControlKind::Edit, "Limit Sanctioned :", 16},
    {1110, ControlKind::MaskedEdit, "Date of Sanction:\n(In dd/mm/yyyy)"},
    {1035, ControlKind::Edit, "Interest Rate :", 6},
    {1040, ControlKind::Edit, "Outstanding Amount :", 16},
    {1081, ControlKind::Edit, "Project OutLay "},
    {1083, ControlKind::Edit, "Total(In Rs) :"},
    {1044, ControlKind::Edit, "Total Period\n(in months)"},
};

TEST(ApplicationFormTemplate, IsDialog131OnAScrollingPage) {
  const ui::DialogTemplate t = ApplicationFormTemplate();
  EXPECT_EQ(t.resourceId, 131);
  EXPECT_EQ(t.size, (ui::Size{496, 843}));
  EXPECT_FALSE(t.captionBar);
  EXPECT_TRUE(t.verticalScrollBar);
}

TEST(ApplicationFormTemplate, EveryBoxHasItsKindLabelAndLimit) {
  const ui::DialogTemplate t = ApplicationFormTemplate();
  for (const Box& box : kBoxes) {
    SCOPED_TRACE(box.id);
    const ui::ControlTemplate* c = Find(t, box.id);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->kind, box.kind);
    EXPECT_EQ(c->maxLength, box.maxLength);
    const bool ownText = box.kind == ControlKind::RadioButton || box.kind == ControlKind::CheckBox;
    EXPECT_EQ(ownText ? c->text : LabelBefore(t, box.id), box.label);
    if (c->kind == ControlKind::Edit || c->kind == ControlKind::MultiLineEdit) {
      EXPECT_TRUE(c->style.upperCase);
    }
    if (c->kind == ControlKind::MaskedEdit) {
      EXPECT_EQ(c->mask, "##/##/####");
    }
  }
}

TEST(ApplicationFormTemplate, OtherControlsAndLabels) {
  const ui::DialogTemplate t = ApplicationFormTemplate();
  const std::vector<std::pair<int, std::string>> texts = {
      {1167, "APPLICATION DETAILS "},
      {1168, "(Note:Red Color Fields are Mandatory)"},
      {1112, "Member Code : "},
      {1111, "Bank Name : "},
      {1055, "|<"},
      {1057, "<"},
      {1059, ">"},
      {1060, ">|"},
      {1061, "&Find"},
      {1064, ""},
      {1041, "&Clear"},
      {1056, "C&lose"},
      {1058, "&Save"},
      {1121, "Bank Reference No :"},
      {1123, "PLR   :"},
      {1128, "State :"},
      {1126, "Address :"},
      {1127, "City :"},
      {1146, "Pin :"},
      {1129, "District :"},
      {1125, "Chief Promoter :"},
      {1072, "Status:"},
      {1151, "Scheme Name :"},
      {1131, "Project Cost (Excluding WC Assessed)"},
      {1132, "Working capital Assessed  "},
      {1133, "Promoter's Contribution"},
      {1134, "NEF(In Rs) :"},
      {1135, "Others(In Rs) :"},
      {1136, "Type of Industry :"},
      {1137, "No of People Employed :"},
      {1138, "Optimum Projected Sales TurnOver :"},
      {1073, "Gender:"},
      {1124, "Name :"},
      {1142, "IT PAN :"},
      {1139, "Amount Sanctioned(In Rs) :"},
      {1140, "Date of Sanction\n(In dd/mm/yyyy)"},
      {1141, "Interest Rate :"},
      {1149, "Moratorium Period\n(in months)"},
      {1150, "Repayment Period\n(in months)"},
      {1143, "Limit Sanctioned :"},
      {1144, "Date of Sanction:\n(In dd/mm/yyyy)"},
      {1145, "Interest Rate :"},
      {1120, "Outstanding \nTerm  Credit :"},
      {1071, "Other Promoters\n Names(comma separated) "},
  };
  for (const auto& [id, text] : texts) {
    SCOPED_TRACE(id);
    const ui::ControlTemplate* c = Find(t, id);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->text, text);
  }
  std::set<int> ids;
  for (const auto& c : t.controls)
    if (c.id != 0) {
      EXPECT_TRUE(ids.insert(c.id).second) << "id " << c.id << " twice";
    }
}

TEST(ApplicationFormTemplate, CombosHoldTheirItems) {
  const ui::DialogTemplate t = ApplicationFormTemplate();
  using Items = std::vector<std::string>;
  EXPECT_EQ(Find(t, 1165)->items, (Items{"MALE", "FEMALE"}));
  EXPECT_EQ(Find(t, 1048)->items, (Items{"PROPRIETARY ", "PARTNERSHIP ", "PRIVATE LIMITED ",
                                         "PUBLIC LIMITED ", "OTHERS"}));
  EXPECT_EQ(Find(t, 1187)->items, (Items{"TALVO"}));
  EXPECT_EQ(Find(t, 1179)->items, (Items{"NO", "YES"}));
  const Items& industries = Find(t, 1099)->items;
  ASSERT_EQ(industries.size(), 23u);
  EXPECT_EQ(industries[0], "FOOD PRODUCTS");
  EXPECT_EQ(industries[8], "LEATHER AND FUR PR");
  EXPECT_EQ(industries[22], "SERVICES (INDUSTRY RELATED)");
  EXPECT_FALSE(Find(t, 1099)->style.sorted);
  EXPECT_TRUE(Find(t, 1170)->style.sorted);
  EXPECT_TRUE(Find(t, 1171)->style.sorted);
  EXPECT_TRUE(Find(t, 1170)->items.empty()) << "filled from the districts file";
}

TEST(ApplicationFormTemplate, StylesOfTheBoxes) {
  const ui::DialogTemplate t = ApplicationFormTemplate();
  for (int id : {1097, 1100, 1109, 1043}) EXPECT_TRUE(Find(t, id)->style.digitsOnly) << id;
  for (int id : {1081, 1083, 1044}) {
    EXPECT_TRUE(Find(t, id)->style.readOnly) << id;
    EXPECT_FALSE(Find(t, id)->style.tabStop) << id;
  }
  EXPECT_TRUE(Find(t, 1095)->style.wantReturn);
  EXPECT_EQ(Find(t, 1051)->style.group, Find(t, 1052)->style.group);
  EXPECT_EQ(Find(t, 1103)->style.group, Find(t, 1042)->style.group);
  EXPECT_NE(Find(t, 1051)->style.group, Find(t, 1103)->style.group);
}

TEST(ApplicationFormTemplate, ControlsStandInTheEntryOrder) {
  const std::vector<int> entryOrder = {1034, 1069, 1028, 1095, 1096, 1097, 1170, 1171, 1049, 1177,
                                       1065, 1066, 1165, 1048, 1068, 1051, 1052, 1053, 1054, 1187,
                                       1074, 1113, 1081, 1114, 1115, 1116, 1083, 1098, 1039, 1099,
                                       1100, 1101, 1102, 1103, 1104, 1042, 1029, 1182, 1106, 1107,
                                       1181, 1179, 1118, 1109, 1043, 1044, 1030, 1110, 1035, 1040};
  std::vector<int> order;
  std::vector<int> buttons;
  for (const auto& c : ApplicationFormTemplate().controls) {
    if (c.kind == ControlKind::PushButton)
      buttons.push_back(c.id);
    else if (c.kind != ControlKind::Label && c.kind != ControlKind::GroupBox) {
      EXPECT_TRUE(buttons.empty()) << "box " << c.id << " after the buttons";
      order.push_back(c.id);
    }
  }
  EXPECT_EQ(order, entryOrder);
  EXPECT_EQ(buttons.size(), 8u);
}

bool Inside(const ui::Rect& inner, const ui::Rect& outer) {
  return inner.x >= outer.x && inner.y >= outer.y &&
         inner.x + inner.width <= outer.x + outer.width &&
         inner.y + inner.height <= outer.y + outer.height;
}

bool Overlap(const ui::Rect& a, const ui::Rect& b) {
  return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

TEST(ApplicationFormTemplate, LayoutFitsThePageWithoutOverlaps) {
  const ui::DialogTemplate t = ApplicationFormTemplate();
  const ui::Rect page{0, 0, t.size.width, t.size.height};
  for (std::size_t i = 0; i < t.controls.size(); ++i) {
    const ui::ControlTemplate& a = t.controls[i];
    SCOPED_TRACE(a.id != 0 ? std::to_string(a.id) : a.text);
    EXPECT_TRUE(Inside(a.rect, page));
    EXPECT_GT(a.rect.width, 0);
    EXPECT_GT(a.rect.height, 0);
    for (std::size_t j = i + 1; j < t.controls.size(); ++j) {
      const ui::ControlTemplate& b = t.controls[j];
      const bool aGroup = a.kind == ControlKind::GroupBox, bGroup = b.kind == ControlKind::GroupBox;
      if (aGroup && bGroup) {
        // Frames are nested or apart.
        EXPECT_TRUE(!Overlap(a.rect, b.rect) || Inside(a.rect, b.rect) || Inside(b.rect, a.rect))
            << a.text << " / " << b.text;
      } else if (aGroup || bGroup) {
        // A control inside a frame lies wholly inside it.
        const ui::Rect& frame = aGroup ? a.rect : b.rect;
        const ui::Rect& other = aGroup ? b.rect : a.rect;
        EXPECT_TRUE(!Overlap(frame, other) || Inside(other, frame)) << b.id << " " << b.text;
      } else {
        EXPECT_FALSE(Overlap(a.rect, b.rect)) << "overlaps " << b.id << " " << b.text;
      }
    }
  }
}

class ApplicationFormWindow : public mirsa_test::EntryTest {};

TEST_F(ApplicationFormWindow, TabbingFollowsTheEntryOrderAndSkipsTheTotals) {
  form.control(IDC_NEW_UNIT).SetChecked(true);
  form.control(IDC_FACILITY_TC).SetChecked(true);
  form.Create();
  std::vector<int> visited;
  for (ui::Control* c = form.focus(); c && visited.size() < 60; c = form.focus()) {
    if (!visited.empty() && c->id() == visited.front()) break;
    visited.push_back(c->id());
    form.Tab();
  }
  // One stop per radio group: its checked button.
  const std::vector<int> expected = {
      1034, 1069, 1028, 1095, 1096, 1097, 1170, 1171, 1049, 1177, 1065, 1066, 1165,
      1048, 1068, 1051, 1053, 1054, 1187, 1074, 1113, 1114, 1115, 1116, 1098, 1039,
      1099, 1100, 1101, 1102, 1103, 1029, 1182, 1106, 1107, 1181, 1179, 1118, 1109,
      1043, 1030, 1110, 1035, 1040, 1055, 1057, 1059, 1060, 1061, 1058, 1041, 1056};
  EXPECT_EQ(visited, expected);
}

TEST_F(ApplicationFormWindow, TheScriptedDriverTypesIntoTheBoxes) {
  form.Create();
  driver.Type(IDC_UNIT_NAME, "acme works", IDD_APPLICATION_FORM)
      .Type(IDC_PIN, "41a1001x9", IDD_APPLICATION_FORM)
      .Type(IDC_PLR, "12.50000", IDD_APPLICATION_FORM)
      .Type(IDC_ADDRESS, "1 MG ROAD\nPUNE", IDD_APPLICATION_FORM)
      .Choose(IDC_CONSTITUTION, 2, IDD_APPLICATION_FORM)
      .Type(IDC_PROJECT_OUTLAY, "5", IDD_APPLICATION_FORM);
  driver.Play(form);
  EXPECT_EQ(form.GetDlgItemText(IDC_UNIT_NAME), "ACME WORKS") << "upper case as typed";
  EXPECT_EQ(form.GetDlgItemText(IDC_PIN), "411001") << "digits only, six at most";
  EXPECT_EQ(form.GetDlgItemText(IDC_PLR), "12.50");
  EXPECT_EQ(form.GetDlgItemText(IDC_ADDRESS), "1 MG ROAD\r\nPUNE");
  EXPECT_EQ(form.GetDlgItemText(IDC_CONSTITUTION), "PRIVATE LIMITED ");
  EXPECT_EQ(form.GetDlgItemText(IDC_PROJECT_OUTLAY), "") << "the totals are read-only";
}

TEST_F(ApplicationFormWindow, DateBoxesAreMaskedAndBeepOnARefusedKey) {
  BeepOnRefusedDateKeys(form);
  form.Create();
  for (int id : kDateBoxes) EXPECT_EQ(form.GetDlgItemText(id), "__/__/____") << id;
  driver.Type(IDC_TC_SANCTION_DATE, "01/0x6/2001", IDD_APPLICATION_FORM);
  driver.Play(form);
  ui::Control& box = form.control(IDC_TC_SANCTION_DATE);
  EXPECT_EQ(box.text(), "01/06/2001");
  EXPECT_EQ(driver.sounds(), (std::vector<ui::Tone>{{430, 500}})) << "only 'x' is refused";
  EXPECT_FALSE(IsDateBoxEmpty(box));

  ResetDateBox(box);
  EXPECT_EQ(box.text(), "__/__/____");
  EXPECT_TRUE(IsDateBoxEmpty(box));

  EnableDateBox(box, false);
  EXPECT_FALSE(box.enabled());
  EXPECT_EQ(box.backColor(), ui::Rgb(200, 200, 200));
  EnableDateBox(box, true);
  EXPECT_TRUE(box.enabled());
  EXPECT_EQ(box.backColor(), ui::Rgb(255, 255, 255));
}

}  // namespace
