#pragma once

#include <QFont>
#include <optional>

#include "ui/fonts.h"

namespace tamberlyx {

// The five fonts every page makes the first time its window is created and keeps for the page
// object's life, with the measures of the four point fonts.
class PageFonts {
 public:
  // Makes the fonts if they do not exist yet; later calls keep the first ones.
  void Ensure(int dpi = ScreenDpiY());
  bool Made() const { return m_made.has_value(); }

  // All of these need Ensure() first.
  const QFont& Title() const { return m_made->title; }        // Arial 22 pt
  const QFont& Subtitle() const { return m_made->subtitle; }  // Arial 15 pt
  // Arial 11 pt: measures label widths; text of paragraphs and column headings.
  const QFont& Body() const { return m_made->body; }
  // Arial 10 pt: measures label widths; text of row captions.
  const QFont& Caption() const { return m_made->caption; }
  const QFont& Label() const { return m_made->label; }  // Arial, cell 15 px, bold
  const FontMeasure& TitleMeasure() const { return m_made->titleMeasure; }
  const FontMeasure& SubtitleMeasure() const { return m_made->subtitleMeasure; }
  const FontMeasure& BodyMeasure() const { return m_made->bodyMeasure; }
  const FontMeasure& CaptionMeasure() const { return m_made->captionMeasure; }

 private:
  struct Fonts {
    QFont title, subtitle, body, caption, label;
    FontMeasure titleMeasure, subtitleMeasure, bodyMeasure, captionMeasure;
  };
  std::optional<Fonts> m_made;
};

}  // namespace tamberlyx
