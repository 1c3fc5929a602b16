#include "tests/gui/harness/search_actions.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "pages/password_dialog.h"
#include "pages/search_page.h"
#include "tests/gui/harness/gui_actions.h"
#include "ui/dialog_template.h"

namespace tamberlyx::test {
namespace {

void WaitUntil(const std::function<bool()>& done, const char* what) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > 5000) return ADD_FAILURE() << "gave up waiting for " << what, void();
    ProcessEvents(2);
  }
  ProcessEvents();
}

}  // namespace

void WaitForSearch(const SearchPage& page) {
  WaitUntil([&page] { return !page.Searching(); }, "the end of the search");
}

void AnswerPasswordDialog(const QString& password, bool cancel) {
  AnswerNextModal([password, cancel](QDialog& modal) {
    auto* dialog = qobject_cast<PasswordDialog*>(&modal);
    ASSERT_NE(dialog, nullptr) << "the modal dialog is not the password dialog";
    dialog->PasswordEdit()->setText(password);
    QTest::mouseClick(cancel ? dialog->CancelButton() : dialog->OkButton(), Qt::LeftButton);
  });
}

void PressSetupOnStep1(QWidget& step1, const QString& password) {
  WaitUntil([&step1] { return step1.isEnabled() && Button(step1, kIdOk)->isEnabled(); },
            "a device on Step 1");
  AnswerPasswordDialog(password);
  ClickButton(step1, kIdOk);
}

}  // namespace tamberlyx::test
