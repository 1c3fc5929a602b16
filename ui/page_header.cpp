#include "ui/page_header.h"

#include <QDialog>
#include <cmath>

#include "ui/color_label.h"
#include "ui/label_layout.h"
#include "ui/page_fonts.h"
#include "ui/page_label.h"
#include "ui/qt_text.h"

namespace tamberlyx {
namespace {

constexpr QColor kHeaderText(255, 255, 255);

double Scaled(double value, double scale) {
  return scale == 1.0 ? value : std::trunc(scale * value);
}

}  // namespace

ColorLabel* MakeHeaderLabel(QDialog& window, const PageFonts& fonts, const HeaderLabel& header) {
  const bool title = header.font == HeaderLabel::Font::kTitle;
  const FontMeasure& measure = title ? fonts.TitleMeasure() : fonts.SubtitleMeasure();
  const QString text = Text(header.textId);
  const LabelLayout layout(window.size());
  const double left = layout.X(header.left);
  const double top = layout.Y(header.top);
  const double width = Scaled(LabelLayout::TextWidth(text, 1, measure), header.widthScale);
  const double height = Scaled(measure.charHeight, header.heightScale);

  return MakePageLabel(window, text, LabelLayout::Truncated(left, top, left + width, top + height),
                       title ? fonts.Title() : fonts.Subtitle(), kHeaderText);
}

}  // namespace tamberlyx
