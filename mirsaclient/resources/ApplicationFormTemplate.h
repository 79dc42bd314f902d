#pragma once
// Dialog 131, the application entry form: no caption bar, a vertical scroll bar, a page of
// 496 by 843 dialog units that scrolls in its window. The controls stand in the form's entry
// (tab) order; each box follows its label.

#include <array>

#include "ui/DialogTemplate.h"

namespace mirsa {

// The masked date boxes: "#" is a digit place, shown with the prompt "_" while empty.
inline constexpr const char* kDateMask = "##/##/####";
inline constexpr const char* kDateMaskCleared = "  /  /    ";  // set, then kDateMask again
inline constexpr const char* kEmptyDateText = "__/__/____";

// Radio button groups.
inline constexpr int kExistenceGroup = 1;  // New Unit, Existing
inline constexpr int kFacilityGroup = 2;   // TC, WC, Both

// Combo items, in the order the form lists them.
inline constexpr std::array<const char*, 2> kGenderItems = {"MALE", "FEMALE"};
inline constexpr std::array<const char*, 5> kConstitutionItems = {
    "PROPRIETARY ", "PARTNERSHIP ", "PRIVATE LIMITED ", "PUBLIC LIMITED ", "OTHERS"};
inline constexpr std::array<const char*, 1> kSchemeItems = {"TALVO"};
inline constexpr std::array<const char*, 2> kLastDisbursementItems = {"NO", "YES"};
inline constexpr std::array<const char*, 23> kIndustryTypeItems = {
    "FOOD PRODUCTS",
    "BEVERAGES, TOBACCO ETC.",
    "COTTON TEXTILES",
    "WOOL, SILK ETC.",
    "JUTE TEXTILES",
    "TEXTILE PRODUCTS",
    "WOOD, FURNITURE",
    "PAPER AND PRINTING",
    "LEATHER AND FUR PR",
    "CHEMICALS ETC.",
    "RUBBER, PETROLEUM ETC.",
    "NON-METALLIC PRODUCTS",
    "BASIC METAL INDUSTRIES",
    "METAL PRODUCTS",
    "NON-ELECTRICAL MACHINERY, TOOLS AND PARTS",
    "ELECTRICAL MACHINERY",
    "TRANSPORT EQUIPMENT",
    "OTHER MANUFACTURING",
    "REPAIRING SERVICES FOR CAPITAL GOODS",
    "REPAIRING SERVICES EXCEPT CAPITAL GOODS",
    "INFORMATION TECHNOLOGY",
    "SOFTWARE",
    "SERVICES (INDUSTRY RELATED)",
};

ui::DialogTemplate ApplicationFormTemplate();

}  // namespace mirsa
