#pragma once

#include <QRect>
#include <QSize>

namespace tamberlyx {

// Every page template is this large; the base units of the page font are chosen from it.
inline constexpr int kPageWidthUnits = 278;
inline constexpr int kPageHeightUnits = 155;

// Dialog-template coordinates: pixels = dialog units × base unit / 4 horizontally and / 8
// vertically, rounded, where the base units belong to the template's dialog font.
class DialogUnits {
 public:
  // Comic Sans MS 10, the font of the welcome dialog and the pages: a 278 × 155 page is exactly
  // as large as its 559 × 354 picture.
  static DialogUnits PageFont();
  // The "System" font of the progress and confirmation boxes: 8 × 16 pixel base units.
  static DialogUnits SystemFont();

  DialogUnits(double baseX, double baseY) : m_baseX(baseX), m_baseY(baseY) {}

  int X(int units) const;
  int Y(int units) const;
  QSize Size(int width, int height) const;
  // A template rectangle: left, top, width, height in dialog units.
  QRect Rect(int x, int y, int width, int height) const;

 private:
  double m_baseX;
  double m_baseY;
};

}  // namespace tamberlyx
