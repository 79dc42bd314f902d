#pragma once
// The colours of the form's labels: red marks a required box, black an optional one.

#include "ui/Types.h"

namespace mirsa {

inline constexpr ui::Color kRequiredLabelColor = ui::Rgb(245, 0, 0);
inline constexpr ui::Color kOptionalLabelColor = ui::Rgb(0, 0, 0);

}  // namespace mirsa
