#include "ui/page_radio_button.h"

#include <QButtonGroup>
#include <QFont>
#include <QRect>
#include <memory>

#include "ui/control_id.h"
#include "ui/page_label.h"
#include "ui/wrapped_text.h"

namespace tamberlyx {

ColorRadioButton* MakePageRadioButton(QWidget& window, int id, const QString& text,
                                      const QRect& rect, const QFont& font) {
  auto* button = new ColorRadioButton(&window);
  button->setGeometry(rect);
  SetControlId(*button, id);
  button->setFont(font);
  SetWrappedButtonText(*button, text);
  button->setAccessibleName(text);  // the text as one line, not as it wraps on the page
  // Assistive technology sees a radio button only while it is auto-exclusive; a group of its own
  // that is not exclusive keeps it from unchecking its siblings, and keeps it a tab stop (Tab
  // passes over the unchecked buttons of an exclusive group).
  button->setAutoExclusive(true);
  auto* group = new QButtonGroup(button);
  group->setExclusive(false);
  group->addButton(button);
  button->setFocusPolicy(Qt::StrongFocus);
  button->SetTextColor(QColor(0, 0, 0));
  button->SetBackColor(kPageLabelBackColor);
  button->show();
  return button;
}

// Every way of pressing a button (mouse, Space, click()) reports `pressed` first and `released`
// after the check mark changed; whether it was checked at the press tells a click on the checked
// button. A toggle outside a press that takes the mark away (an assistive technology's action)
// counts as such a click too: the button is checked again and the switch runs again.
void OnCheckedOrClickedAgain(QAbstractButton& button, QObject& owner,
                             std::function<void()> onChecked) {
  struct Press {
    bool down = false;
    bool wasChecked = false;
  };
  auto press = std::make_shared<Press>();
  QObject::connect(&button, &QAbstractButton::pressed, &owner, [&button, press] {
    *press = {true, button.isChecked()};
  });
  QObject::connect(&button, &QAbstractButton::released, &owner, [press] { press->down = false; });
  QObject::connect(&button, &QAbstractButton::toggled, &owner, [press, onChecked](bool checked) {
    if (checked || !press->down) onChecked();
  });
  QObject::connect(&button, &QAbstractButton::clicked, &owner, [press, onChecked] {
    if (press->wasChecked) onChecked();
    press->wasChecked = false;
  });
}

}  // namespace tamberlyx
