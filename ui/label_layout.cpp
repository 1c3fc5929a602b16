#include "ui/label_layout.h"

#include <QList>

namespace tamberlyx {
namespace {

constexpr int kAsciiLimit = 0x80;
constexpr unsigned char kContinuationMask = 0xC0;
constexpr unsigned char kContinuationBits = 0x80;

}  // namespace

int TextUnits(const QString& text) {
  int units = 0;
  for (const char32_t c : text.toUcs4()) units += c < kAsciiLimit ? 1 : 2;
  return units;
}

int TextUnits(std::string_view utf8) {
  int units = 0;
  for (const char byte : utf8) {
    const auto b = static_cast<unsigned char>(byte);
    if (b < kAsciiLimit) {
      ++units;
    } else if ((b & kContinuationMask) != kContinuationBits) {
      units += 2;  // the lead byte of a multi-byte character
    }
  }
  return units;
}

double LabelLayout::TextWidth(const QString& text, double extraChars, const FontMeasure& measure) {
  return (TextUnits(text) + extraChars) * measure.averageCharWidth;
}

QRect LabelLayout::Truncated(double left, double top, double right, double bottom) {
  const int l = static_cast<int>(left);
  const int t = static_cast<int>(top);
  return QRect(l, t, static_cast<int>(right) - l, static_cast<int>(bottom) - t);
}

QRect LabelLayout::TextLabel(double fx, double fy, const QString& text, double extraChars,
                             const FontMeasure& widthFont, double height) const {
  const double left = X(fx);
  const double top = Y(fy);
  return Truncated(left, top, left + TextWidth(text, extraChars, widthFont), top + height);
}

}  // namespace tamberlyx
