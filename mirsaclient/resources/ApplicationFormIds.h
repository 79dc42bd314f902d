#pragma once
// Dialog 131, the application entry form: its control ids.

namespace mirsa {

inline constexpr int IDD_APPLICATION_FORM = 131;

// Titles and lender's details.
inline constexpr int IDC_TITLE = 1167;        // "APPLICATION DETAILS "
inline constexpr int IDC_MEMBER_CODE = 1112;  // "Member Code : " and the member code
inline constexpr int IDC_BANK_NAME = 1111;    // "Bank Name : " and the bank name
inline constexpr int IDC_NOTE = 1168;         // "(Note:Red Color Fields are Mandatory)"

// Data boxes, by record field.
inline constexpr int IDC_PLR = 1069;                     // field 1
inline constexpr int IDC_BANK_REFERENCE = 1034;          // field 2
inline constexpr int IDC_UNIT_NAME = 1028;               // field 3
inline constexpr int IDC_CHIEF_PROMOTER = 1065;          // field 4
inline constexpr int IDC_IT_PAN = 1066;                  // field 5
inline constexpr int IDC_GENDER = 1165;                  // field 6
inline constexpr int IDC_ADDRESS = 1095;                 // field 7
inline constexpr int IDC_CITY = 1096;                    // field 8
inline constexpr int IDC_PIN = 1097;                     // field 9
inline constexpr int IDC_STATE = 1170;                   // field 10
inline constexpr int IDC_DISTRICT = 1171;                // field 11
inline constexpr int IDC_CONSTITUTION = 1048;            // field 12
inline constexpr int IDC_OTHER_PROMOTERS = 1068;         // field 13
inline constexpr int IDC_SSI_REGISTRATION = 1049;        // field 14
inline constexpr int IDC_INCORPORATION_DATE = 1177;      // field 15
inline constexpr int IDC_NEW_UNIT = 1051;                // field 16
inline constexpr int IDC_EXISTING_UNIT = 1052;           // field 16
inline constexpr int IDC_OUTSTANDING_LOAN = 1053;        // field 17
inline constexpr int IDC_DEFAULTS = 1054;                // field 18
inline constexpr int IDC_SCHEME = 1187;                  // field 19
inline constexpr int IDC_PROJECT_COST = 1074;            // field 20
inline constexpr int IDC_WC_ASSESSED = 1113;             // field 21
inline constexpr int IDC_PROMOTERS_CONTRIBUTION = 1114;  // field 22
inline constexpr int IDC_NEF = 1115;                     // field 23
inline constexpr int IDC_OTHER_EQUITY = 1116;            // field 24
inline constexpr int IDC_COLLATERAL = 1098;              // field 25
inline constexpr int IDC_THIRD_PARTY_GUARANTEE = 1039;   // field 26
inline constexpr int IDC_INDUSTRY_TYPE = 1099;           // field 27
inline constexpr int IDC_PEOPLE_EMPLOYED = 1100;         // field 28
inline constexpr int IDC_PROJECTED_SALES = 1101;         // field 29
inline constexpr int IDC_PROJECTED_EXPORTS = 1102;       // field 30
inline constexpr int IDC_FACILITY_TC = 1103;             // field 31
inline constexpr int IDC_FACILITY_WC = 1104;             // field 31
inline constexpr int IDC_FACILITY_BOTH = 1042;           // field 31
inline constexpr int IDC_TC_AMOUNT_SANCTIONED = 1029;    // field 32
inline constexpr int IDC_TC_SANCTION_DATE = 1182;        // field 33
inline constexpr int IDC_TC_INTEREST_RATE = 1106;        // field 34
inline constexpr int IDC_TC_AMOUNT_DISBURSED = 1107;     // field 35
inline constexpr int IDC_TC_DISBURSEMENT_DATE = 1181;    // field 36
inline constexpr int IDC_LAST_DISBURSEMENT = 1179;       // field 37
inline constexpr int IDC_TC_OUTSTANDING = 1118;          // field 38
inline constexpr int IDC_MORATORIUM = 1109;              // field 39
inline constexpr int IDC_REPAYMENT = 1043;               // field 40
inline constexpr int IDC_WC_LIMIT_SANCTIONED = 1030;     // field 41
inline constexpr int IDC_WC_SANCTION_DATE = 1110;        // field 42
inline constexpr int IDC_WC_INTEREST_RATE = 1035;        // field 43
inline constexpr int IDC_WC_OUTSTANDING = 1040;          // field 44

// Values shown but not stored (read-only, skipped by the focus).
inline constexpr int IDC_PROJECT_OUTLAY = 1081;  // field 20 + field 21
inline constexpr int IDC_EQUITY_TOTAL = 1083;    // field 23 + field 24
inline constexpr int IDC_TOTAL_PERIOD = 1044;    // field 39 + field 40

// Labels whose colour changes (red marks a required box).
inline constexpr int IDC_LABEL_BANK_REFERENCE = 1121;
inline constexpr int IDC_LABEL_PLR = 1123;
inline constexpr int IDC_LABEL_UNIT_NAME = 1124;
inline constexpr int IDC_LABEL_CHIEF_PROMOTER = 1125;
inline constexpr int IDC_LABEL_ADDRESS = 1126;
inline constexpr int IDC_LABEL_CITY = 1127;
inline constexpr int IDC_LABEL_STATE = 1128;
inline constexpr int IDC_LABEL_DISTRICT = 1129;
inline constexpr int IDC_LABEL_PIN = 1146;
inline constexpr int IDC_LABEL_IT_PAN = 1142;
inline constexpr int IDC_LABEL_GENDER = 1073;
inline constexpr int IDC_LABEL_CONSTITUTION = 1072;
inline constexpr int IDC_LABEL_OTHER_PROMOTERS = 1071;
inline constexpr int IDC_LABEL_SCHEME = 1151;
inline constexpr int IDC_LABEL_PROJECT_COST = 1131;
inline constexpr int IDC_LABEL_WC_ASSESSED = 1132;
inline constexpr int IDC_LABEL_PROMOTERS_CONTRIBUTION = 1133;
inline constexpr int IDC_LABEL_NEF = 1134;
inline constexpr int IDC_LABEL_OTHER_EQUITY = 1135;
inline constexpr int IDC_LABEL_INDUSTRY_TYPE = 1136;
inline constexpr int IDC_LABEL_PEOPLE_EMPLOYED = 1137;
inline constexpr int IDC_LABEL_PROJECTED_SALES = 1138;
inline constexpr int IDC_LABEL_TC_AMOUNT_SANCTIONED = 1139;
inline constexpr int IDC_LABEL_TC_SANCTION_DATE = 1140;
inline constexpr int IDC_LABEL_TC_INTEREST_RATE = 1141;
inline constexpr int IDC_LABEL_TC_OUTSTANDING = 1120;
inline constexpr int IDC_LABEL_MORATORIUM = 1149;
inline constexpr int IDC_LABEL_REPAYMENT = 1150;
inline constexpr int IDC_LABEL_WC_LIMIT_SANCTIONED = 1143;
inline constexpr int IDC_LABEL_WC_SANCTION_DATE = 1144;
inline constexpr int IDC_LABEL_WC_INTEREST_RATE = 1145;

// Record buttons, Find, the record counter and the form's own buttons.
inline constexpr int IDC_FIRST_RECORD = 1055;     // "|<"
inline constexpr int IDC_PREVIOUS_RECORD = 1057;  // "<"
inline constexpr int IDC_NEXT_RECORD = 1059;      // ">"
inline constexpr int IDC_LAST_RECORD = 1060;      // ">|"
inline constexpr int IDC_FIND = 1061;             // "&Find"
inline constexpr int IDC_RECORD_COUNTER = 1064;   // "Record (%d) of (%d)"
inline constexpr int IDC_CLEAR = 1041;            // "&Clear", changed per mode
inline constexpr int IDC_CLOSE = 1056;            // "C&lose"
inline constexpr int IDC_SAVE = 1058;             // "&Save", changed per mode

}  // namespace mirsa
