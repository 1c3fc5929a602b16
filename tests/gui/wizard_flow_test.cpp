#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QPushButton>

#include "app/welcome_template.h"
#include "pages/page_ids.h"
#include "tests/gui/harness/gui_actions.h"
#include "tests/gui/harness/search_actions.h"
#include "tests/gui/harness/shell_fixture.h"

namespace tamberlyx::test {
namespace {

class WizardFlowTest : public ShellFixture {
 protected:
  // The page windows that exist right now.
  int PageWindows() {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (widget != &m_welcome && widget->parentWidget() == &m_welcome) ++count;
    }
    return count;
  }
};

TEST_F(WizardFlowTest, ForwardMovesReplaceOnePageByTheNext) {
  GoForwardTo(1);
  EXPECT_TRUE(m_wizard.Step1().Window()->isVisible());
  EXPECT_EQ(PageWindows(), 1);

  GoForwardTo(4);  // a new Setup, then OK, Next, Next

  EXPECT_FALSE(m_wizard.Step1().HasWindow());
  EXPECT_FALSE(m_wizard.Step2().HasWindow());
  EXPECT_FALSE(m_wizard.Step3().HasWindow());
  ASSERT_TRUE(m_wizard.Step4().HasWindow());
  EXPECT_TRUE(m_wizard.Step4().Window()->isVisible());
  EXPECT_TRUE(m_welcome.isVisible());
  EXPECT_EQ(PageWindows(), 1);
}

TEST_F(WizardFlowTest, SetupWhileStep1IsOpenMakesNoSecondWindow) {
  GoForwardTo(1);
  QPointer<QDialog> step1 = m_wizard.Step1().Window();

  ClickButton(m_welcome, kIdSetup);
  ProcessEvents();

  EXPECT_EQ(m_wizard.Step1().Window(), step1.data());
  EXPECT_EQ(PageWindows(), 1);
}

TEST_F(WizardFlowTest, SetupWhileALaterPageIsOpenOpensStep1Beside) {
  GoForwardTo(3);

  ClickButton(m_welcome, kIdSetup);
  ProcessEvents();

  EXPECT_TRUE(m_wizard.Step1().HasWindow());
  EXPECT_TRUE(m_wizard.Step3().HasWindow());
  EXPECT_EQ(PageWindows(), 2);
}

TEST_F(WizardFlowTest, OkTowardsAnOpenStep2KeepsStep1AndItsList) {
  GoForwardTo(2);
  ClickButton(m_welcome, kIdSetup);

  PressSetupOnStep1(*m_wizard.Step1().Window(), kFixturePassword);
  ProcessEvents();

  EXPECT_TRUE(m_wizard.Step1().HasWindow());
  EXPECT_TRUE(m_wizard.Step2().Window()->isActiveWindow());
  EXPECT_EQ(m_wizard.Devices().Size(), 1u);
}

TEST_F(WizardFlowTest, OkThatMakesStep2FreesTheDeviceList) {
  GoForwardTo(1);
  ASSERT_EQ(m_wizard.Devices().Size(), 1u);

  PressSetupOnStep1(*m_wizard.Step1().Window(), kFixturePassword);

  EXPECT_TRUE(m_wizard.Step2().HasWindow());
  EXPECT_TRUE(m_wizard.Devices().Empty());
}

TEST_F(WizardFlowTest, Step1ExitClosesThePageAndFreesTheList) {
  GoForwardTo(1);
  m_wizard.Devices().AppendDevice("sys.hostname=nas1", "192.168.0.10");

  ClickButton(*m_wizard.Step1().Window(), kIdSearchExit);
  ProcessEvents();

  EXPECT_FALSE(m_wizard.Step1().HasWindow());
  EXPECT_TRUE(m_wizard.Devices().Empty());
  EXPECT_EQ(PageWindows(), 0);
}

TEST_F(WizardFlowTest, BackGoesToThePreviousStepsOneObject) {
  GoForwardTo(4);

  ClickButton(*m_wizard.Step4().Window(), kIdSaveBack);
  ASSERT_TRUE(m_wizard.Step3().HasWindow());
  EXPECT_FALSE(m_wizard.Step4().HasWindow());
  ClickButton(*m_wizard.Step3().Window(), kIdDateTimeBack);
  ASSERT_TRUE(m_wizard.Step2().HasWindow());
  ClickButton(*m_wizard.Step2().Window(), kIdIpBack);
  ProcessEvents();

  EXPECT_TRUE(m_wizard.Step1().HasWindow());
  EXPECT_EQ(PageWindows(), 1);
}

TEST_F(WizardFlowTest, BackFromStep4ThenNextMakesStep4Anew) {
  GoForwardTo(4);
  QPointer<QDialog> firstStep4 = m_wizard.Step4().Window();

  ClickButton(*m_wizard.Step4().Window(), kIdSaveBack);
  ProcessEvents();
  EXPECT_TRUE(firstStep4.isNull());
  ClickButton(*m_wizard.Step3().Window(), kIdDateTimeNext);
  ProcessEvents();

  ASSERT_TRUE(m_wizard.Step4().HasWindow());
  EXPECT_TRUE(m_wizard.Step4().Window()->isVisible());
  EXPECT_FALSE(m_wizard.Step3().HasWindow());
}

TEST_F(WizardFlowTest, EscapeOnlyHidesAndAForwardMoveShowsItAgain) {
  GoForwardTo(3);
  QPointer<QDialog> step3 = m_wizard.Step3().Window();
  PressKey(*step3, Qt::Key_Escape);
  ProcessEvents();
  ASSERT_FALSE(step3.isNull());
  EXPECT_FALSE(step3->isVisible());
  EXPECT_TRUE(m_wizard.Step3().HasWindow());

  GoForwardTo(2);  // Setup and OK make new Step 1 and Step 2 windows
  ClickButton(*m_wizard.Step2().Window(), kIdIpNext);
  ProcessEvents();

  EXPECT_EQ(m_wizard.Step3().Window(), step3.data());
  EXPECT_TRUE(step3->isVisible());
  // The page whose button was pressed stays as it was.
  ASSERT_TRUE(m_wizard.Step2().HasWindow());
  EXPECT_TRUE(m_wizard.Step2().Window()->isVisible());
}

TEST_F(WizardFlowTest, CloseBoxHidesAPage) {
  GoForwardTo(2);
  QPointer<QDialog> step2 = m_wizard.Step2().Window();

  step2->close();
  ProcessEvents();

  ASSERT_FALSE(step2.isNull());
  EXPECT_FALSE(step2->isVisible());
  EXPECT_TRUE(m_wizard.Step2().HasWindow());
}

// Enter activates each page's default button.
struct EnterCase {
  int step;
  int defaultButton;
};

class EnterTest : public WizardFlowTest, public testing::WithParamInterface<EnterCase> {};

TEST_P(EnterTest, EnterPressesTheDefaultButton) {
  GoForwardTo(GetParam().step);
  const WizardPage* pages[] = {&m_wizard.Step1(), &m_wizard.Step2(), &m_wizard.Step3(),
                               &m_wizard.Step4()};
  QDialog* window = pages[GetParam().step - 1]->Window();
  ASSERT_NE(window, nullptr);
  QPushButton* button = Button(*window, GetParam().defaultButton);
  ASSERT_NE(button, nullptr);
  EXPECT_TRUE(button->isDefault());
  int clicks = 0;
  QObject::connect(button, &QPushButton::clicked, [&] { ++clicks; });
  if (GetParam().step == 1) AnswerPasswordDialog({}, /*cancel=*/true);
  if (GetParam().step == 4) AnswerNextModal([](QDialog& confirm) { confirm.reject(); });

  PressKey(*window, Qt::Key_Return);

  EXPECT_EQ(clicks, 1);
}

INSTANTIATE_TEST_SUITE_P(Pages, EnterTest,
                         testing::Values(EnterCase{1, kIdOk}, EnterCase{2, kIdIpNext},
                                         EnterCase{3, kIdDateTimeNext}, EnterCase{4, kIdSave}),
                         [](const testing::TestParamInfo<EnterCase>& param) {
                           return "Step" + std::to_string(param.param.step);
                         });

}  // namespace
}  // namespace tamberlyx::test
