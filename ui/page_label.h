#pragma once

#include <QColor>
#include <QFont>
#include <QRect>

#include "ui/color_button.h"
#include "ui/control_id.h"

class QString;
class QWidget;

namespace tamberlyx {

class ColorLabel;

// The background colour every run-time label and button of a page is given.
inline constexpr QColor kPageLabelBackColor(0, 128, 128);

// Gives a freshly made colour control of a page its place, id, font and colours, and shows it.
template <class Control>
Control* PlacePageControl(Control* control, int id, const QRect& rect, const QFont& font,
                          const QColor& textColor) {
  control->setGeometry(rect);
  SetControlId(*control, id);
  control->setFont(font);
  control->SetTextColor(textColor);
  control->SetBackColor(kPageLabelBackColor);
  control->show();
  return control;
}

// A run-time label of a page: a visible child of `window` without an id of its own, in its
// font and text colour, with the teal background colour.
ColorLabel* MakePageLabel(QWidget& window, const QString& text, const QRect& rect,
                          const QFont& font, const QColor& textColor = QColor(0, 0, 0));

// A check box of a page made the same way, black, unchecked, with the template id `id`, reached
// by Tab and named by its text.
ColorCheckBox* MakePageCheckBox(QWidget& window, const QString& text, const QRect& rect,
                                const QFont& font, int id);

}  // namespace tamberlyx
