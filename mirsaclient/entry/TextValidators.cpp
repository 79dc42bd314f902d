#include "mirsaclient/entry/TextValidators.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <optional>

#include "platform/Clock.h"

namespace mirsa {

int g_nEarlyDatesAllowed = 1;
int g_nDateTooEarly = 0;

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The value of a text of digits; nothing for an empty or too long one.
std::optional<int> DigitsValue(std::string_view digits) {
  if (digits.empty() || !std::all_of(digits.begin(), digits.end(), IsDigit)) return std::nullopt;
  int value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return value;
}

}  // namespace

int CountChar(std::string_view text, char c) {
  return static_cast<int>(std::count(text.begin(), text.end(), c));
}

bool IsAmount(std::string_view text) {
  const int digits = static_cast<int>(std::count_if(text.begin(), text.end(), IsDigit));
  const int points = CountChar(text, '.');
  return points <= 1 && digits + points == static_cast<int>(text.size());
}

bool IsRate(std::string_view text) {
  if (text.empty()) return true;
  if (!IsAmount(text)) return false;
  // A lone point reads as 0, as the conversion of the platform reads it.
  double value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value <= 100.0;
}

bool IsDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), IsDigit);
}

bool IsDate(std::string_view text, int earlyDatesAllowed) {
  if (text.empty()) return true;
  if (CountChar(text, '/') != 2 || text.size() != 10) return false;

  // Day, month and year as written; each must be digits and name a day of the calendar.
  const std::size_t first = text.find('/');
  const std::size_t second = text.find('/', first + 1);
  const auto day = DigitsValue(text.substr(0, first));
  const auto month = DigitsValue(text.substr(first + 1, second - first - 1));
  const auto year = DigitsValue(text.substr(second + 1, 4));
  // The platform's calendar runs from the year 100.
  if (!day || !month || !year || second + 5 != text.size() || *year < 100) return false;
  const std::chrono::year_month_day date{std::chrono::year{*year},
                                         std::chrono::month{static_cast<unsigned>(*month)},
                                         std::chrono::day{static_cast<unsigned>(*day)}};
  if (!date.ok()) return false;

  if (earlyDatesAllowed == 0 && (*year < 2000 || (*year == 2000 && *month < 6))) {
    g_nDateTooEarly = 1;
    return false;
  }
  return date <= platform::Clock::Today();
}

void ResetDateCheckState() {
  g_nEarlyDatesAllowed = 1;
  g_nDateTooEarly = 0;
}

}  // namespace mirsa
