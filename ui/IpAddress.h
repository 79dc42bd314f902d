#pragma once
// The IPv4 address control: four fields, each blank or a number from 0 to 255. Its text is the
// dotted form of the four fields ("10.1.2.3"); a blank field shows as nothing between its dots
// ("10..2."), and a control whose four fields are all blank has the empty text.
//
// Typing follows the rules of such a control: only digits and '.' are taken; a field holds at
// most three digits and never more than 255 (a digit that would break this is refused); a
// field that reaches three digits moves the caret to the next one, and so does '.' typed after
// the digits of a field; Backspace at the start of a field goes on into the field before it.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "ui/Types.h"

namespace ui {

class Control;

inline constexpr int kIpAddressFields = 4;
inline constexpr int kIpFieldMaximum = 255;

// Each field's digits, or "" when the field is blank.
using IpAddressFields = std::array<std::string, kIpAddressFields>;

// Reads a text as the control would take it when it is set: up to four parts between dots,
// each part's leading digits as its number (cut to 255, leading zeros dropped), the rest
// blank.
IpAddressFields ParseIpAddress(std::string_view text);
std::string FormatIpAddress(const IpAddressFields& fields);
// The text the control holds after it has been set to `text`.
std::string NormalizeIpAddress(std::string_view text);

// Reading the control.
bool IsIpAddressBlank(const Control& box);
// The number of one field (0 to 3); nothing when it is blank.
std::optional<int> IpAddressField(const Control& box, int field);

// One key press of the user in the focused control (called by the dialog).
void EditIpAddress(Control& box, const Key& key);

}  // namespace ui
