#pragma once

#include <QFont>

namespace tamberlyx {

// Average character width and character height (ascent + descent) of a font, in pixels.
struct FontMeasure {
  double averageCharWidth = 0;
  double charHeight = 0;
};

FontMeasure MeasureFont(const QFont& font);

// The vertical resolution of the primary screen in dots per inch (96 when there is no screen).
int ScreenDpiY();

// trunc(dpi × points × 10 / 720): a point size as a character height in pixels.
int PointsToPixelHeight(int points, int dpi);

// Arial whose character height (em size, without internal leading) is the given point size on
// the given screen.
QFont ArialPointFont(int points, int dpi = ScreenDpiY());

// Arial whose cell height (ascent + descent) is the given number of pixels, with a weight.
// The pages' label font is ArialCellFont(15, QFont::Bold).
QFont ArialCellFont(int cellPixels, QFont::Weight weight = QFont::Bold);

}  // namespace tamberlyx
