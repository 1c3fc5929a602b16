#pragma once

#include <functional>

#include "ui/color_button.h"

class QAbstractButton;
class QFont;
class QObject;
class QRect;
class QString;

namespace tamberlyx {

// A run-time radio button of a page, black on the teal background colour of the run-time
// labels, with its own id, its text wrapped to its width, named by its text and reached by Tab.
// The page keeps its buttons set itself after every switch.
ColorRadioButton* MakePageRadioButton(QWidget& window, int id, const QString& text,
                                      const QRect& rect, const QFont& font);

// Runs `onChecked` whenever `button` becomes checked, whatever checked it (mouse, Space, an
// assistive technology's action, the program), and when it is clicked while already checked.
// `onChecked` runs in the context of `owner`.
void OnCheckedOrClickedAgain(QAbstractButton& button, QObject& owner,
                             std::function<void()> onChecked);

}  // namespace tamberlyx
