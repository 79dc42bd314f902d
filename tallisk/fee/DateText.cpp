#include "tallisk/fee/DateText.h"

#include <cctype>

#include "tallisk/records/NumberText.h"

namespace tallisk {
namespace {

// Reads 1 to `maxDigits` digits at `text[at]`, then moves `at` past them.
std::optional<int> ReadNumber(std::string_view text, std::size_t& at, std::size_t minDigits,
                              std::size_t maxDigits) {
  int value = 0;
  std::size_t n = 0;
  while (at < text.size() && n < maxDigits && std::isdigit(static_cast<unsigned char>(text[at]))) {
    value = value * 10 + (text[at++] - '0');
    ++n;
  }
  if (n < minDigits) return std::nullopt;
  return value;
}

}  // namespace

std::optional<std::chrono::year_month_day> ParseDate(std::string_view text) {
  text = Trimmed(text);
  std::size_t at = 0;
  const auto day = ReadNumber(text, at, 1, 2);
  if (!day || at >= text.size() || text[at++] != '/') return std::nullopt;
  const auto month = ReadNumber(text, at, 1, 2);
  if (!month || at >= text.size() || text[at++] != '/') return std::nullopt;
  const auto year = ReadNumber(text, at, 4, 4);
  if (!year || at != text.size()) return std::nullopt;
  const std::chrono::year_month_day date{std::chrono::year{*year},
                                         std::chrono::month{static_cast<unsigned>(*month)},
                                         std::chrono::day{static_cast<unsigned>(*day)}};
  if (!date.ok()) return std::nullopt;
  return date;
}

std::chrono::year_month_day MarchThirtyFirst(int year) {
  return std::chrono::year{year} / std::chrono::March / 31;
}

std::string MarchThirtyFirstText(int year) {
  return "March 31, " + std::to_string(year);
}

}  // namespace tallisk
