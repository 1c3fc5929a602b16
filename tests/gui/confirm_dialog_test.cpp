// The question before a save: which keys and buttons answer OK and which Cancel.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "pages/confirm_dialog.h"

namespace tamberlyx {
namespace {

TEST(ConfirmDialog, KeysAndButtonsGiveTheirAnswer) {
  struct Case {
    const char* name;
    std::function<void(ConfirmDialog&)> answer;
    int result;
  };
  const std::vector<Case> cases = {
      {"Enter", [](ConfirmDialog& d) { QTest::keyClick(&d, Qt::Key_Return); }, QDialog::Accepted},
      {"OK", [](ConfirmDialog& d) { QTest::mouseClick(d.OkButton(), Qt::LeftButton); },
       QDialog::Accepted},
      {"Escape", [](ConfirmDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); }, QDialog::Rejected},
      {"Cancel", [](ConfirmDialog& d) { QTest::mouseClick(d.CancelButton(), Qt::LeftButton); },
       QDialog::Rejected},
  };
  for (const Case& c : cases) {
    ConfirmDialog dialog;
    QTimer::singleShot(0, &dialog, [&] { c.answer(dialog); });
    EXPECT_EQ(dialog.exec(), c.result) << c.name;
  }
}

TEST(ConfirmDialog, OkIsTheDefaultAndTheBoxHasNoTitleBar) {
  ConfirmDialog dialog;
  EXPECT_TRUE(dialog.OkButton()->isDefault());
  EXPECT_FALSE(dialog.CancelButton()->isDefault());
  EXPECT_LT(dialog.OkButton()->x(), dialog.CancelButton()->x());
  EXPECT_FALSE(dialog.windowFlags().testFlag(Qt::WindowTitleHint));
  EXPECT_FALSE(dialog.Question()->text().isEmpty());
}

}  // namespace
}  // namespace tamberlyx
