#include "qt/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace np72::qt {

namespace {

constexpr const char* kFallbackFamily = "Liberation Sans";

}  // namespace

QFont ToQFont(const Font& font) {
  const QString wanted = QString::fromUtf8(font.family);
  QFont result(QFontDatabase::families().contains(wanted) ? wanted : QString::fromLatin1(kFallbackFamily));
  result.setPixelSize(font.pixelHeight);
  return result;
}

}  // namespace np72::qt
