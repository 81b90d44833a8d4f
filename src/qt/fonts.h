// The window's fonts on a Linux desktop.
#pragma once

#include <QFont>

#include "window/control_table.h"

namespace np72::qt {

// The table's font at its pixel height; where the family is not installed
// (Tahoma, Arial rarely are), Liberation Sans, whose metrics come closest.
QFont ToQFont(const Font& font);

}  // namespace np72::qt
