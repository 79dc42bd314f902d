#pragma once
// Letter case of plain ASCII text, as the programs compare ids and names.

#include <string>
#include <string_view>

namespace ui {

std::string ToUpper(std::string_view text);
std::string ToLower(std::string_view text);
bool EqualIgnoringCase(std::string_view a, std::string_view b);
bool LessIgnoringCase(std::string_view a, std::string_view b);

}  // namespace ui
