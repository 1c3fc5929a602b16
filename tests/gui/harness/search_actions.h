#pragma once

#include <QString>

class QWidget;

namespace tamberlyx {
class SearchPage;
}

namespace tamberlyx::test {

// Lets the event loop run until the page's search is over (a few seconds at the most).
void WaitForSearch(const SearchPage& page);

// Answers the next password dialog: types `password` and presses OK, or presses Cancel when
// `cancel` is set. The dialog then runs its check as usual.
void AnswerPasswordDialog(const QString& password, bool cancel = false);

// On a Step 1 window: waits until "Setup" is usable (a device was found), presses it and
// passes the password dialog with `password`.
void PressSetupOnStep1(QWidget& step1, const QString& password);

}  // namespace tamberlyx::test
