// The question before a save: which keys and buttons answer OK and which Cancel.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "pages/confirm_dlg.h"

namespace tamberlyx {
namespace {

TEST(ConfirmDlg, KeysAndButtonsGiveTheirAnswer) {
  struct Case {
    const char* name;
    std::function<void(CConfirmDlg&)> answer;
    int result;
  };
  const std::vector<Case> cases = {
      {"Enter", [](CConfirmDlg& d) { QTest::keyClick(&d, Qt::Key_Return); }, QDialog::Accepted},
      {"OK", [](CConfirmDlg& d) { QTest::mouseClick(d.OkButton(), Qt::LeftButton); },
       QDialog::Accepted},
      {"Escape", [](CConfirmDlg& d) { QTest::keyClick(&d, Qt::Key_Escape); }, QDialog::Rejected},
      {"Cancel", [](CConfirmDlg& d) { QTest::mouseClick(d.CancelButton(), Qt::LeftButton); },
       QDialog::Rejected},
  };
  for (const Case& c : cases) {
    CConfirmDlg dialog;
    QTimer::singleShot(0, &dialog, [&] { c.answer(dialog); });
    EXPECT_EQ(dialog.exec(), c.result) << c.name;
  }
}

TEST(ConfirmDlg, OkIsTheDefaultAndTheBoxHasNoTitleBar) {
  CConfirmDlg dialog;
  EXPECT_TRUE(dialog.OkButton()->isDefault());
  EXPECT_FALSE(dialog.CancelButton()->isDefault());
  EXPECT_LT(dialog.OkButton()->x(), dialog.CancelButton()->x());
  EXPECT_FALSE(dialog.windowFlags().testFlag(Qt::WindowTitleHint));
  EXPECT_FALSE(dialog.Question()->text().isEmpty());
}

}  // namespace
}  // namespace tamberlyx
