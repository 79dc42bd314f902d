// The entry form's payment: the button that shows and hides the payment frame, and Upload,
// which checks the demand draft's details, ends the output file with the payment line and sends
// it to the trust's FTP server.
#include <filesystem>

#include "platform/Clock.h"
#include "tallisk/MsgBox.h"
#include "tallisk/records/PeriodicalDataLayout.h"
#include "tallisk/records/frmPeriodicalData.h"
#include "tallisk/upload/PaymentDetails.h"

namespace tallisk {

using namespace periodical;

namespace {

std::string_view BoxOf(PaymentBox box) {
  switch (box) {
    case PaymentBox::DDNumber:
      return txtDDNo;
    case PaymentBox::DDDate:
      return txtDDDate;
    case PaymentBox::AmountPaid:
      break;
  }
  return txtAmtPaid;
}

}  // namespace

void frmPeriodicalData::WirePayment() {
  On(cmdPmtDetails, ui::Event::Click, [this] { OnPmtDetails(); });
  On(cmdUpload, ui::Event::Click, [this] { OnUpload(); });
}

void frmPeriodicalData::ShowPaymentFrame(bool show) {
  for (const auto& c : controls())
    if (c->id() == kFraPayment || c->container() == kFraPayment) c->SetVisible(show);
}

void frmPeriodicalData::OnPmtDetails() {
  ShowPaymentFrame(!C(fraPayment).visible());
}

void frmPeriodicalData::PaymentActivated() {
  // A new upload may be made once the form is shown again; not while one still runs.
  if (upload_.busy()) return;
  uploadIssued_ = false;
  Enable(cmdUpload, true);
}

void frmPeriodicalData::OnUpload() {
  if (uploadIssued_ || upload_.busy()) return;
  const PaymentDetails payment{T(txtDDNo), T(txtDDDate), T(txtAmtPaid)};
  if (const auto fault = CheckPayment(payment, T(lblTotalFee))) {
    MsgBox(toolkit(), fault->message);
    Set(BoxOf(fault->box), "");
    SetFocus(BoxOf(fault->box));
    return;
  }

  // Upload stays disabled from here on, until the form is shown again.
  Enable(cmdUpload, false);
  const platform::InetResult& cd = upload_.ChangeToTrustFolder();
  if (!cd.succeeded()) {
    MsgBox(toolkit(), UploadFailureMessage(cd, false));
    return;
  }
  if (!WriteOutputFile(PaymentLine(payment))) {
    MsgBox(toolkit(), "The output file could not be written.\r\nThe file was not uploaded.");
    return;
  }
  const std::string remoteName = RemoteName(FormMemberId(), platform::Clock::Today());
  const std::filesystem::path local = std::filesystem::absolute(files_->outputFile(FormMemberId()));
  uploadIssued_ = true;
  const platform::InetResult& put = upload_.PutOutputFile(local, remoteName);
  // Success is told only when the server confirmed that it took the file, and once; the output
  // file keeps its payment line either way.
  if (put.succeeded()) {
    MsgBox(toolkit(), "File Uploaded Successfully");
  } else {
    MsgBox(toolkit(), UploadFailureMessage(put, true));
  }
}

}  // namespace tallisk
