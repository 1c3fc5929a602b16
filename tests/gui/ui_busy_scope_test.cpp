#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QSignalSpy>

#include "ui/busy_scope.h"

namespace tamberlyx::test {
namespace {

// A key pressed while the drive mapping held the event loop ended the program once the
// mapping returned: it reached the window that was showing by then.
TEST(BusyScopeTest, InputQueuedMeanwhileIsDroppedAndWindowsComeBack) {
  QPushButton button(QStringLiteral("Exit"));
  QWidget alreadyDisabled;
  alreadyDisabled.setEnabled(false);
  button.show();
  alreadyDisabled.show();
  QSignalSpy clicked(&button, &QPushButton::clicked);
  {
    const BusyScope busy;
    EXPECT_FALSE(button.isEnabled());
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
      QCoreApplication::postEvent(&button, new QKeyEvent(type, Qt::Key_Space, Qt::NoModifier));
    }
  }
  QCoreApplication::processEvents();
  EXPECT_EQ(clicked.count(), 0);
  EXPECT_TRUE(button.isEnabled());
  EXPECT_FALSE(alreadyDisabled.isEnabled());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace tamberlyx::test
