#pragma once

#include <QColor>

#include "ui/color_button.h"

class QFont;
class QRect;
class QString;
class QWidget;

namespace tamberlyx {

class CColorLabel;

// A run-time label of a page: a visible child of `window` without an id of its own, in its
// font and text colour, with the teal background colour every run-time label is given.
CColorLabel* MakePageLabel(QWidget& window, const QString& text, const QRect& rect,
                           const QFont& font, const QColor& textColor = QColor(0, 0, 0));

// A check box of a page made the same way, black, unchecked, with the template id `id`. It has
// no keyboard path of its own: it takes the focus only when clicked.
CColorCheckBox* MakePageCheckBox(QWidget& window, const QString& text, const QRect& rect,
                                 const QFont& font, int id);

}  // namespace tamberlyx
