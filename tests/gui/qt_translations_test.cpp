#include "platform/desktop/qt_translations.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

namespace tamberlyx {
namespace {

QString OkText() {
  QMessageBox box;
  box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
  return box.button(QMessageBox::Ok)->text() + "|" + box.button(QMessageBox::Cancel)->text();
}

// A Korean system used to get English standard buttons: Qt's own texts were never loaded.
TEST(QtTranslationsTest, StandardButtonsAreKoreanExactlyWhenThePagesAre) {
  ASSERT_TRUE(InstallQtTranslations(*qApp, false));
  EXPECT_EQ(OkText(), "OK|Cancel");
  ASSERT_TRUE(InstallQtTranslations(*qApp, true)) << "qt6-translations-l10n is missing";
  EXPECT_EQ(OkText(), QString::fromUtf8("확인|취소"));
  for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
    QCoreApplication::removeTranslator(translator);
    delete translator;
  }
  EXPECT_EQ(OkText(), "OK|Cancel");
}

}  // namespace
}  // namespace tamberlyx
