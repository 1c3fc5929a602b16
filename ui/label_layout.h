#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <string_view>

#include "ui/fonts.h"

namespace tamberlyx {

// The length that sizes a label: one unit per ASCII character, two per other character
// (a Korean syllable took two bytes in the original double-byte encoding).
int TextUnits(const QString& text);
int TextUnits(std::string_view utf8);

// Placement of a page's run-time labels: edges in real numbers from fractions of the client
// area, each edge truncated toward zero only when the rectangle is made.
class LabelLayout {
 public:
  explicit LabelLayout(QSize client) : m_width(client.width()), m_height(client.height()) {}

  double W() const { return m_width; }
  double H() const { return m_height; }
  double X(double fractionOfWidth) const { return fractionOfWidth * m_width; }
  double Y(double fractionOfHeight) const { return fractionOfHeight * m_height; }

  // (TextUnits(text) + extraChars) average character widths of the measuring font.
  static double TextWidth(const QString& text, double extraChars, const FontMeasure& measure);

  // Each edge truncated toward zero; right and bottom are exclusive, as in the pixel grid.
  static QRect Truncated(double left, double top, double right, double bottom);

  // The common label: left = fx W, top = fy H, right = left + TextWidth, bottom = top + height.
  QRect TextLabel(double fx, double fy, const QString& text, double extraChars,
                  const FontMeasure& widthFont, double height) const;

 private:
  double m_width;
  double m_height;
};

}  // namespace tamberlyx
