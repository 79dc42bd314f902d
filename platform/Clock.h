#pragma once
// "Now" for the programs. They never read the system time directly, so that tests can fix the
// date and the time (fee year, "as on" date, file names, checks against future dates).

#include <chrono>
#include <optional>

namespace platform {

struct LocalDateTime {
  int year = 1970;
  int month = 1;  // 1 to 12
  int day = 1;    // 1 to 31
  int hour = 0;
  int minute = 0;
  int second = 0;
};

class Clock {
 public:
  // The local date and time: the system's, or the one a test has set.
  static LocalDateTime Now();
  static std::chrono::year_month_day Today();
};

// Fixes the clock for the life of the object (tests).
class ScopedFixedClock {
 public:
  explicit ScopedFixedClock(LocalDateTime fixed);
  ScopedFixedClock(const ScopedFixedClock&) = delete;
  ScopedFixedClock& operator=(const ScopedFixedClock&) = delete;
  ~ScopedFixedClock();
  void Set(LocalDateTime fixed);

 private:
  std::optional<LocalDateTime> previous_;
};

}  // namespace platform
