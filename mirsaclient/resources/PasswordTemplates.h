#pragma once

#include "ui/DialogTemplate.h"

namespace mirsa {

// Dialog 136, change password.
ui::DialogTemplate ChangePasswordTemplate();
// Dialog 152, the checker's password.
ui::DialogTemplate CheckerPasswordTemplate();

}  // namespace mirsa
