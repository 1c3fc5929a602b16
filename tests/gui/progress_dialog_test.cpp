// The "please wait" box: percent text, stepping, keys, and who enables the owner again.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "pages/progress_dialog.h"
#include "pages/services.h"
#include "pages/wizard.h"
#include "ui/main_window.h"

namespace tamberlyx {
namespace {

class ProgressDialogTest : public ::testing::Test {
 protected:
  void TearDown() override {
    m_progress.DestroyWindow();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  QWidget m_owner;
  ProgressDialog m_progress;
};

TEST_F(ProgressDialogTest, PercentTextFollowsTheStepsAndWraps) {
  ASSERT_TRUE(m_progress.OpenProgress(&m_owner));
  struct Expect {
    int steps;
    const char* text;
    int barValue;
  };
  int done = 0;
  for (const Expect e : {Expect{1, "10%", 10}, Expect{9, "90%", 90}, Expect{10, "100%", 100},
                         Expect{11, "10%", 10}, Expect{12, "20%", 20}}) {
    for (; done < e.steps; ++done) m_progress.StepProgress();
    EXPECT_EQ(m_progress.PercentControl()->text(), QLatin1String(e.text)) << e.steps;
    EXPECT_EQ(m_progress.Bar()->value(), e.barValue) << e.steps;
  }
  EXPECT_EQ(m_progress.PercentTextWrites(), 12);
}

TEST_F(ProgressDialogTest, StepReturnsThePreviousPosition) {
  m_progress.OpenProgress(&m_owner);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(m_progress.StepProgress(), i * 10);
  EXPECT_EQ(m_progress.StepProgress(), 100);
}

TEST_F(ProgressDialogTest, UnchangedPercentIsNeverRewritten) {
  m_progress.OpenProgress(&m_owner);
  struct Case {
    int position;
    const char* text;
    int writes;
  };
  for (const Case c : {Case{10, "10%", 1}, Case{10, "10%", 1}, Case{110, "10%", 1},
                       Case{100, "100%", 2}, Case{200, "0%", 3}, Case{0, "0%", 3}}) {
    m_progress.ShowPercent(c.position);
    EXPECT_EQ(m_progress.PercentControl()->text(), QLatin1String(c.text)) << c.position;
    EXPECT_EQ(m_progress.PercentTextWrites(), c.writes) << c.position;
  }
}

TEST_F(ProgressDialogTest, ShowsMessageAboveTheBarAndHidesCancelAndPercent) {
  m_progress.OpenProgress(&m_owner);
  m_progress.SetMessageText(QStringLiteral("Searching\nPlease wait..."));
  QDialog* box = m_progress.Window();
  EXPECT_TRUE(box->isVisible());
  EXPECT_TRUE(m_progress.Bar()->isVisible());
  EXPECT_LT(m_progress.MessageControl()->geometry().bottom(), m_progress.Bar()->y());
  EXPECT_FALSE(m_progress.PercentControl()->isVisible());
  EXPECT_FALSE(box->findChild<QPushButton*>()->isVisible());
  EXPECT_FALSE(box->windowFlags().testFlag(Qt::WindowTitleHint));
}

TEST_F(ProgressDialogTest, EscapeHidesButTheOwnerStaysDisabledUntilDestroy) {
  m_progress.OpenProgress(&m_owner);
  EXPECT_FALSE(m_owner.isEnabled());
  QTest::keyClick(m_progress.Window(), Qt::Key_Escape);
  EXPECT_FALSE(m_progress.Window()->isVisible());
  EXPECT_TRUE(m_progress.HasWindow());
  EXPECT_FALSE(m_owner.isEnabled());
  EXPECT_EQ(m_progress.StepProgress(), 0);  // the exchange goes on behind the hidden box
  m_progress.DestroyWindow();
  EXPECT_FALSE(m_progress.HasWindow());
  EXPECT_TRUE(m_owner.isEnabled());
}

TEST_F(ProgressDialogTest, EnterDoesNothing) {
  m_progress.OpenProgress(&m_owner);
  QTest::keyClick(m_progress.Window(), Qt::Key_Return);
  QTest::keyClick(m_progress.Window(), Qt::Key_Enter);
  EXPECT_TRUE(m_progress.Window()->isVisible());
  EXPECT_EQ(m_progress.Window()->result(), 0);
  EXPECT_FALSE(m_owner.isEnabled());
}

TEST_F(ProgressDialogTest, DestroyEnablesOnlyAnOwnerThisBoxDisabled) {
  m_progress.DestroyWindow();  // never opened
  EXPECT_TRUE(m_owner.isEnabled());

  m_owner.setEnabled(false);  // disabled by someone else
  m_progress.OpenProgress(&m_owner);
  m_progress.DestroyWindow();
  EXPECT_FALSE(m_owner.isEnabled());
  m_progress.DestroyWindow();
  EXPECT_FALSE(m_owner.isEnabled());
}

TEST_F(ProgressDialogTest, DisablesTheTopLevelWindowOfAChildOwner) {
  auto* button = new QPushButton(&m_owner);
  m_progress.OpenProgress(button);
  EXPECT_FALSE(m_owner.isEnabled());
  EXPECT_TRUE(m_progress.Window()->isEnabled());
  m_progress.DestroyWindow();
  EXPECT_TRUE(m_owner.isEnabled());
}

// Disabling the window cleared its focus, so after a search the list no longer took the arrow
// keys; the control that had the focus gets it back, unless it was disabled meanwhile.
TEST_F(ProgressDialogTest, TheOwnersFocusControlGetsTheFocusBack) {
  for (const bool disableIt : {false, true}) {
    QWidget window;
    auto* list = new QPushButton(&window);  // the control that had the focus
    new QPushButton(&window);
    window.show();
    QApplication::setActiveWindow(&window);
    list->setFocus();
    ASSERT_TRUE(list->hasFocus());
    m_progress.OpenProgress(list);
    EXPECT_FALSE(list->hasFocus());
    if (disableIt) list->setEnabled(false);
    m_progress.DestroyWindow();
    EXPECT_EQ(list->hasFocus(), !disableIt) << disableIt;
  }
}

TEST_F(ProgressDialogTest, WithoutOwnerDisablesTheMainWindow) {
  QWidget mainWindow;
  SetApplicationMainWindow(&mainWindow);
  m_progress.OpenProgress(nullptr);
  EXPECT_FALSE(mainWindow.isEnabled());
  m_progress.DestroyWindow();
  EXPECT_TRUE(mainWindow.isEnabled());
  SetApplicationMainWindow(nullptr);
}

TEST_F(ProgressDialogTest, StepDoesNothingOnceAReplyDestroyedTheWindow) {
  m_progress.OpenProgress(&m_owner);
  m_progress.StepProgress();
  QTimer::singleShot(0, [this] { m_progress.DestroyWindow(); });  // handled inside the pump
  EXPECT_EQ(m_progress.StepProgress(), 0);
  EXPECT_FALSE(m_progress.HasWindow());
  EXPECT_TRUE(m_owner.isEnabled());
}

TEST_F(ProgressDialogTest, ReopeningReleasesTheFirstBox) {
  m_progress.OpenProgress(&m_owner);
  QPointer<QDialog> first = m_progress.Window();
  m_progress.OpenProgress(&m_owner);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(first.isNull());
  m_progress.DestroyWindow();
  EXPECT_TRUE(m_owner.isEnabled());
}

TEST(ProgressDialog, DestructorDestroysTheWindowAndEnablesTheOwner) {
  QWidget owner;
  QPointer<QDialog> box;
  {
    ProgressDialog progress;
    progress.OpenProgress(&owner);
    box = progress.Window();
  }
  EXPECT_TRUE(box.isNull());
  EXPECT_TRUE(owner.isEnabled());
}

TEST(ProgressDialog, TheWizardsBoxesAreDistinctAndUseTheDefaultCaption) {
  const Services services;
  Wizard wizard(services);
  EXPECT_NE(&wizard.SearchProgress(), &wizard.PasswordProgress());
  EXPECT_NE(&wizard.PasswordProgress(), &wizard.SaveProgress());
  EXPECT_EQ(wizard.SaveProgress().CaptionId(), 105u);
  EXPECT_EQ(ProgressDialog(144).CaptionId(), 144u);
}

}  // namespace
}  // namespace tamberlyx
