#include "tallisk/fee/CoverStatus.h"

#include "tallisk/fee/DateText.h"
#include "tallisk/records/NumberText.h"

namespace tallisk {

std::string CoverStatusOnEntry(std::string_view coverDate, int year) {
  if (Trimmed(coverDate).empty())
    return "Guarantee Cover not started as on " + MarchThirtyFirstText(year);
  return "Guarantee Cover started on " + std::string(coverDate);
}

std::string CoverStatusOfRecord(std::string_view coverDate, int year) {
  if (Trimmed(coverDate).empty())
    return "Guarantee Cover not Started as on " + MarchThirtyFirstText(year);
  return "Guarantee Cover Started on " + std::string(coverDate);
}

}  // namespace tallisk
