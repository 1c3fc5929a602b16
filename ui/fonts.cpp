#include "ui/fonts.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>
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
  const QFontMetrics metrics(font);
  return FontMeasure{static_cast<double>(metrics.averageCharWidth()),
                     static_cast<double>(metrics.ascent() + metrics.descent())};
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
