#pragma once

#include "ui/DialogTemplate.h"

namespace mirsa {

ui::DialogTemplate LoginTemplate();

}  // namespace mirsa
