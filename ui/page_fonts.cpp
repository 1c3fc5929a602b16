#include "ui/page_fonts.h"

namespace tamberlyx {
namespace {

constexpr int kTitlePoints = 22;
constexpr int kSubtitlePoints = 15;
constexpr int kLabelCellPixels = 15;

}  // namespace

void PageFonts::Ensure(int dpi) {
  if (m_made) return;
  Fonts fonts;
  fonts.title = ArialPointFont(kTitlePoints, dpi);
  fonts.subtitle = ArialPointFont(kSubtitlePoints, dpi);
  fonts.body = ArialPointFont(11, dpi);
  fonts.caption = ArialPointFont(10, dpi);
  fonts.label = ArialCellFont(kLabelCellPixels, QFont::Bold);
  fonts.titleMeasure = MeasureFont(fonts.title);
  fonts.subtitleMeasure = MeasureFont(fonts.subtitle);
  fonts.bodyMeasure = MeasureFont(fonts.body);
  fonts.captionMeasure = MeasureFont(fonts.caption);
  m_made = std::move(fonts);
}

}  // namespace tamberlyx
