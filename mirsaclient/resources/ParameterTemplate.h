#pragma once

#include "ui/DialogTemplate.h"

namespace mirsa {

// Dialog 135, parameter maintenance.
ui::DialogTemplate ParameterTemplate();

}  // namespace mirsa
