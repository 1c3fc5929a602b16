#pragma once

#include "ui/color_button.h"

class QFont;
class QRect;
class QString;

namespace tamberlyx {

// A run-time radio button of a page, black on the teal background colour of the run-time
// labels, with its own id, its text wrapped to its width. It starts a group of its own: checking
// it unchecks no other button, so the page sets its buttons after every click. No tab stop.
CColorRadioButton* MakePageRadioButton(QWidget& window, int id, const QString& text,
                                       const QRect& rect, const QFont& font);

}  // namespace tamberlyx
