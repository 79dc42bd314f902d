#pragma once
// The demand draft with which the branch pays the year's service fee: the checks its details
// pass before the upload, the line that ends the output file sent with it, and the name the
// file gets on the trust's server.

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace tallisk {

struct PaymentDetails {
  std::string ddNumber;
  std::string ddDate;
  std::string amountPaid;  // as typed
};

// Which box a refused payment is about.
enum class PaymentBox { DDNumber, DDDate, AmountPaid };

struct PaymentFault {
  PaymentBox box;
  std::string message;
};

// The first fault of the details, in the order the branch is told of them; nothing when the
// upload may go on. The amount paid must be exactly the text of the total fee ("9567.00" is
// not "9567").
std::optional<PaymentFault> CheckPayment(const PaymentDetails& payment,
                                         std::string_view totalFeeText);

// "END|<DD number>|<DD date>", both trimmed.
std::string PaymentLine(const PaymentDetails& payment);

// The member ID, the day without a leading zero, the month in two digits, the year and ".out":
// for 001200340056 on 5 March 2004, "0012003400565032004.out".
std::string RemoteName(std::string_view memberId, std::chrono::year_month_day date);

}  // namespace tallisk
