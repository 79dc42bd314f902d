#include "tallisk/upload/PaymentDetails.h"

#include "tallisk/records/NumberText.h"

namespace tallisk {

std::optional<PaymentFault> CheckPayment(const PaymentDetails& payment,
                                         std::string_view totalFeeText) {
  if (Trimmed(payment.ddNumber).empty())
    return PaymentFault{PaymentBox::DDNumber, "Please Enter Demand Draft No"};
  if (Trimmed(payment.ddDate).empty())
    return PaymentFault{PaymentBox::DDDate, "Please Enter Demand Draft Date"};
  if (payment.amountPaid != totalFeeText) {
    return PaymentFault{PaymentBox::AmountPaid,
                        "Service Fee payable is Rs. " + std::string(totalFeeText)};
  }
  return std::nullopt;
}

std::string PaymentLine(const PaymentDetails& payment) {
  return "END|" + std::string(Trimmed(payment.ddNumber)) + "|" +
         std::string(Trimmed(payment.ddDate));
}

std::string RemoteName(std::string_view memberId, std::chrono::year_month_day date) {
  const unsigned day = static_cast<unsigned>(date.day());
  const unsigned month = static_cast<unsigned>(date.month());
  const std::string twoDigitMonth = (month < 10 ? "0" : "") + std::to_string(month);
  return std::string(memberId) + std::to_string(day) + twoDigitMonth +
         std::to_string(static_cast<int>(date.year())) + ".out";
}

}  // namespace tallisk
