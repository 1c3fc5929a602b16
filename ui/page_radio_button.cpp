#include "ui/page_radio_button.h"

#include <QFont>
#include <QRect>
#include <memory>

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
  button->setAccessibleName(text);  // the text as one line, not as it wraps on the page
  // Exclusive among its siblings, so assistive technology sees a radio button, not a check box.
  button->setAutoExclusive(true);
  button->setFocusPolicy(Qt::StrongFocus);
  button->SetTextColor(QColor(0, 0, 0));
  button->SetBackColor(kPageLabelBackColor);
  button->show();
  return button;
}

// Every way of pressing a button (mouse, Space, click()) reports `pressed` first; whether it was
// checked then tells a click that changes nothing from one that checks it.
void OnCheckedOrClickedAgain(QAbstractButton& button, QObject& owner,
                             std::function<void()> onChecked) {
  auto checkedAtPress = std::make_shared<bool>(false);
  QObject::connect(&button, &QAbstractButton::pressed, &owner,
                   [&button, checkedAtPress] { *checkedAtPress = button.isChecked(); });
  QObject::connect(&button, &QAbstractButton::toggled, &owner, [onChecked](bool checked) {
    if (checked) onChecked();
  });
  QObject::connect(&button, &QAbstractButton::clicked, &owner, [checkedAtPress, onChecked] {
    if (*checkedAtPress) onChecked();
    *checkedAtPress = false;
  });
}

}  // namespace tamberlyx
