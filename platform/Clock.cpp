#include "platform/Clock.h"

#include <ctime>

namespace platform {
namespace {

// The fixed time of a test; empty in the programs. Process-wide like the system clock itself.
std::optional<LocalDateTime>& FixedTime() {
  static std::optional<LocalDateTime> fixed;
  return fixed;
}

}  // namespace

LocalDateTime Clock::Now() {
  if (FixedTime()) return *FixedTime();
  const std::time_t t = std::time(nullptr);
  std::tm tm{};
  localtime_r(&t, &tm);
  return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

std::chrono::year_month_day Clock::Today() {
  const LocalDateTime now = Now();
  return std::chrono::year_month_day{std::chrono::year{now.year},
                                     std::chrono::month{static_cast<unsigned>(now.month)},
                                     std::chrono::day{static_cast<unsigned>(now.day)}};
}

ScopedFixedClock::ScopedFixedClock(LocalDateTime fixed) : previous_(FixedTime()) {
  FixedTime() = fixed;
}

ScopedFixedClock::~ScopedFixedClock() {
  FixedTime() = previous_;
}

void ScopedFixedClock::Set(LocalDateTime fixed) {
  FixedTime() = fixed;
}

}  // namespace platform
