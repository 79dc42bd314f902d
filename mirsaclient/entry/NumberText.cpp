#include "mirsaclient/entry/NumberText.h"

#include <array>
#include <charconv>

namespace mirsa {
namespace {

std::string_view AfterBlanks(std::string_view text) {
  const std::size_t start = text.find_first_not_of(" \t\r\n\v\f");
  return start == std::string_view::npos ? std::string_view() : text.substr(start);
}

// from_chars takes no plus sign; after one, a minus sign ends the number.
std::string_view WithoutPlus(std::string_view text) {
  if (text.empty() || text.front() != '+') return text;
  text.remove_prefix(1);
  return !text.empty() && text.front() == '-' ? std::string_view() : text;
}

}  // namespace

double LeadingDecimal(std::string_view text) {
  text = WithoutPlus(AfterBlanks(text));
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() ? value : 0.0;
}

int LeadingWhole(std::string_view text) {
  text = WithoutPlus(AfterBlanks(text));
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() ? value : 0;
}

std::string TwoDecimals(double value) {
  std::array<char, 400> buffer{};  // room for the largest double in fixed notation
  const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                          std::chars_format::fixed, 2);
  return error == std::errc() ? std::string(buffer.data(), end) : std::string();
}

}  // namespace mirsa
