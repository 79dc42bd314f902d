#pragma once
// The text validators of the entry form: amounts, rates, digits and dates, and a character
// count. They take the text exactly as given (nothing is trimmed, so a blank makes a text
// invalid) and answer true for the empty text.

#include <string_view>

namespace mirsa {

// Set by the date checks before they call IsDate: 1 lets dates before June 2000 pass, 0 does
// not. 1 when the program starts.
extern int g_nEarlyDatesAllowed;
// Set to 1 by IsDate when it refuses a date only because it lies before June 2000; IsDate
// never clears it (the date-of-sanction checks read it and clear it). 0 when the program starts.
extern int g_nDateTooEarly;

int CountChar(std::string_view text, char c);

// Digits and at most one ".": "", ".", "007" and "12." are amounts; "1,5" and "12 " are not.
bool IsAmount(std::string_view text);
// An amount whose value is at most 100.
bool IsRate(std::string_view text);
bool IsDigits(std::string_view text);

// A date "dd/mm/yyyy" that exists in the calendar, lies not after today (platform clock) and,
// unless early dates are allowed, not before 01/06/2000.
bool IsDate(std::string_view text, int earlyDatesAllowed);
inline bool IsDate(std::string_view text) {
  return IsDate(text, g_nEarlyDatesAllowed);
}

// Back to the values of a program that has just started (tests).
void ResetDateCheckState();

}  // namespace mirsa
