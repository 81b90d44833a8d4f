// The tool's icon: a pressure dial with the indicator's green below it.
#pragma once

#include <QImage>

namespace np72::qt {

QImage DrawAppIcon(int size);

}  // namespace np72::qt
