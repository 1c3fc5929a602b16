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
  const QFont& Point11() const { return m_made->point11; }    // Arial 11 pt
  const QFont& Point10() const { return m_made->point10; }    // Arial 10 pt
  const QFont& Label() const { return m_made->label; }        // Arial, cell 15 px, bold
  const FontMeasure& TitleMeasure() const { return m_made->titleMeasure; }
  const FontMeasure& SubtitleMeasure() const { return m_made->subtitleMeasure; }
  const FontMeasure& Point11Measure() const { return m_made->point11Measure; }
  const FontMeasure& Point10Measure() const { return m_made->point10Measure; }

 private:
  struct Fonts {
    QFont title, subtitle, point11, point10, label;
    FontMeasure titleMeasure, subtitleMeasure, point11Measure, point10Measure;
  };
  std::optional<Fonts> m_made;
};

}  // namespace tamberlyx
