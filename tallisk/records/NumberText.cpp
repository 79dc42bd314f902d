#include "tallisk/records/NumberText.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace tallisk {
namespace {

constexpr int kSignificantDigits = 15;

bool IsDigit(char c) {
  return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

}  // namespace

std::string_view Trimmed(std::string_view text) {
  constexpr std::string_view kWhite = " \t\r\n\v\f";
  const auto first = text.find_first_not_of(kWhite);
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(kWhite);
  return text.substr(first, last - first + 1);
}

std::string FormatNumber(double value) {
  if (!std::isfinite(value)) return "0";
  if (value == 0.0) return "0";  // also -0
  // The 15 significant digits and the decimal exponent, e.g. "-3.18900000000000e+03".
  char scientific[40];
  std::snprintf(scientific, sizeof scientific, "%.*e", kSignificantDigits - 1, value);
  const std::string_view s(scientific);
  const bool negative = s.front() == '-';
  const std::size_t start = negative ? 1 : 0;
  const std::size_t e = s.find('e');
  std::string digits;
  for (std::size_t i = start; i < e; ++i)
    if (IsDigit(s[i])) digits.push_back(s[i]);
  const int exponent = std::atoi(scientific + e + 1);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  // Place the decimal point: the first digit stands for 10^exponent.
  const int integerDigits = exponent + 1;
  std::string plain;
  if (integerDigits <= 0) {
    plain = "0." + std::string(static_cast<std::size_t>(-integerDigits), '0') + digits;
  } else if (integerDigits >= static_cast<int>(digits.size())) {
    plain = digits + std::string(static_cast<std::size_t>(integerDigits) - digits.size(), '0');
  } else {
    plain = digits.substr(0, static_cast<std::size_t>(integerDigits)) + "." +
            digits.substr(static_cast<std::size_t>(integerDigits));
  }
  return negative ? "-" + plain : plain;
}

std::optional<double> ParseNumber(std::string_view text) {
  text = Trimmed(text);
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  const std::size_t numberStart = i;
  int digits = 0;
  while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return std::nullopt;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    const std::size_t expDigits = j;
    while (j < text.size() && IsDigit(text[j])) ++j;
    if (j == expDigits) return std::nullopt;
    i = j;
  }
  if (i != text.size()) return std::nullopt;
  // from_chars takes no "+" and no leading "."; hand it the unsigned part with a leading 0.
  std::string unsignedPart(text.substr(numberStart));
  if (unsignedPart.front() == '.') unsignedPart.insert(unsignedPart.begin(), '0');
  if (unsignedPart.back() == '.') unsignedPart.pop_back();
  double value = 0.0;
  const auto [end, ec] =
      std::from_chars(unsignedPart.data(), unsignedPart.data() + unsignedPart.size(), value);
  if (ec != std::errc() || end != unsignedPart.data() + unsignedPart.size()) return std::nullopt;
  return negative ? -value : value;
}

}  // namespace tallisk
