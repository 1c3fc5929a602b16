#include "ui/page_radio_button.h"

#include <QFont>
#include <QRect>

#include "ui/control_id.h"
#include "ui/page_label.h"
#include "ui/wrapped_text.h"

namespace tamberlyx {

CColorRadioButton* MakePageRadioButton(QWidget& window, int id, const QString& text,
                                       const QRect& rect, const QFont& font) {
  auto* button = new CColorRadioButton(&window);
  button->setGeometry(rect);
  SetControlId(*button, id);
  button->setFont(font);
  SetWrappedButtonText(*button, text);
  button->setAutoExclusive(false);
  button->setFocusPolicy(Qt::ClickFocus);
  button->SetTextColor(QColor(0, 0, 0));
  button->SetBackColor(kPageLabelBackColor);
  button->show();
  return button;
}

}  // namespace tamberlyx
