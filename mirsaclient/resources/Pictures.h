#pragma once
// The client's bitmaps.

#include "ui/Types.h"

namespace mirsa {

inline constexpr int IDB_MAIN_PICTURE = 148;  // shown centred on the main view
inline constexpr int kMainPictureWidth = 304;
inline constexpr int kMainPictureHeight = 254;

const ui::Picture& MainPicture();

}  // namespace mirsa
