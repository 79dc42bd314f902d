#pragma once
// The colours the client's colour labels take (ui/ColorLabel.h).

#include "ui/Types.h"

namespace mirsa {

inline constexpr ui::Color kMandatoryLabelColor = ui::Rgb(245, 0, 0);
inline constexpr ui::Color kOptionalLabelColor = ui::Rgb(0, 0, 0);

}  // namespace mirsa
