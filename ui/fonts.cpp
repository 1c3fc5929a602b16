#include "ui/fonts.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>
#include <array>
#include <cmath>

namespace tamberlyx {
namespace {

constexpr int kDefaultDpi = 96;

QFont Arial() {
  QFont font(QStringLiteral("Arial"));
  font.setStyleHint(QFont::SansSerif);
  return font;
}

}  // namespace

FontMeasure MeasureFont(const QFont& font) {
  // The classic average: lower-case letters and space weighted by their frequency in English
  // text, rounded to whole pixels. The font's own table value is often an average over every
  // glyph, far wider than the letters the labels were laid out for.
  static constexpr std::array<int, 27> kWeights = {64, 14, 27, 35, 100, 20, 14, 42, 63,
                                                   3,  6,  35, 20, 56,  56, 17, 4,  49,
                                                   56, 71, 31, 10, 18,  3,  18, 2,  166};
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz ";
  const QFontMetricsF metrics(font);
  double weighted = 0;
  for (std::size_t i = 0; i < kWeights.size(); ++i) {
    weighted += kWeights[i] * metrics.horizontalAdvance(QLatin1Char(kLetters[i]));
  }
  const QFontMetrics whole(font);
  return FontMeasure{std::round(weighted / 1000),
                     static_cast<double>(whole.ascent() + whole.descent())};
}

int ScreenDpiY() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? static_cast<int>(std::lround(screen->logicalDotsPerInchY())) : kDefaultDpi;
}

int PointsToPixelHeight(int points, int dpi) {
  return dpi * points * 10 / 720;
}

QFont ArialPointFont(int points, int dpi) {
  QFont font = Arial();
  font.setPixelSize(PointsToPixelHeight(points, dpi));
  return font;
}

QFont ArialCellFont(int cellPixels, QFont::Weight weight) {
  // The cell is ascent + descent; find the em size that gives it from the face's own ratio.
  constexpr int kProbePixels = 1000;
  QFont font = Arial();
  font.setWeight(weight);
  font.setPixelSize(kProbePixels);
  const QFontMetricsF probe(font);
  const double cellPerEm = (probe.ascent() + probe.descent()) / kProbePixels;
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(cellPixels / cellPerEm))));
  return font;
}

}  // namespace tamberlyx
