#include "ui/dialog_units.h"

#include <cmath>

namespace tamberlyx {
namespace {

constexpr double kPagePixelsWide = 559;
constexpr double kPagePixelsHigh = 354;

}  // namespace

DialogUnits DialogUnits::PageFont() {
  return DialogUnits(4 * kPagePixelsWide / kPageWidthUnits, 8 * kPagePixelsHigh / kPageHeightUnits);
}

DialogUnits DialogUnits::SystemFont() {
  return DialogUnits(8, 16);
}

int DialogUnits::X(int units) const {
  return static_cast<int>(std::lround(units * m_baseX / 4));
}

int DialogUnits::Y(int units) const {
  return static_cast<int>(std::lround(units * m_baseY / 8));
}

QSize DialogUnits::Size(int width, int height) const {
  return QSize(X(width), Y(height));
}

QRect DialogUnits::Rect(int x, int y, int width, int height) const {
  const int left = X(x);
  const int top = Y(y);
  return QRect(left, top, X(x + width) - left, Y(y + height) - top);
}

}  // namespace tamberlyx
