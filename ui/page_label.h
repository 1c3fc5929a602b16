#pragma once

#include <QColor>

class QFont;
class QRect;
class QString;
class QWidget;

namespace tamberlyx {

class CColorLabel;

// The background colour every run-time label and button of a page is given.
inline constexpr QColor kPageLabelBackColor(0, 128, 128);

// A run-time label of a page: a visible child of `window` without an id of its own, in its
// font and text colour, with the teal background colour.
CColorLabel* MakePageLabel(QWidget& window, const QString& text, const QRect& rect,
                           const QFont& font, const QColor& textColor = QColor(0, 0, 0));

}  // namespace tamberlyx
