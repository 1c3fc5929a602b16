#pragma once

class QDialog;

namespace tamberlyx {

class ColorLabel;
class PageFonts;

// One of the two white labels on a page's red band: the step number (title font) or the page
// title (subtitle font). Left and top are fractions of the client area; the width is
// (n + 1) average character widths and the height one character height, each scaled and then
// truncated where the page asks for it (a scale of 1 leaves the value unrounded).
struct HeaderLabel {
  enum class Font { kTitle, kSubtitle };

  unsigned textId = 0;
  double left = 0;
  double top = 0;
  Font font = Font::kTitle;
  double widthScale = 1.0;
  double heightScale = 1.0;
};

// The two header labels of a page, in the order they are made.
struct PageHeader {
  HeaderLabel stepNumber;
  HeaderLabel title;
};

// Makes the label as a visible child of `window` in the current language, white, with the
// teal background colour every run-time label is given.
ColorLabel* MakeHeaderLabel(QDialog& window, const PageFonts& fonts, const HeaderLabel& header);

}  // namespace tamberlyx
