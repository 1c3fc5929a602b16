#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QPushButton>

#include "app/welcome_template.h"
#include "pages/page_ids.h"
#include "pages/page_templates.h"
#include "pages/switch_to_page.h"
#include "tests/gui/harness/gui_actions.h"
#include "tests/gui/harness/search_actions.h"
#include "tests/gui/harness/shell_fixture.h"
#include "ui/color_label.h"

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
  WizardPage& Page(int step) {
    WizardPage* pages[] = {&m_wizard.Step1(), &m_wizard.Step2(), &m_wizard.Step3(),
                           &m_wizard.Step4()};
    return *pages[step - 1];
  }
  // Every page window there is belongs to one of the wizard's four page objects.
  int WindowsOfOtherPageObjects() {
    int others = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (widget == &m_welcome || widget->parentWidget() != &m_welcome) continue;
      bool own = false;
      for (int step = 1; step <= 4; ++step) own = own || Page(step).Window() == widget;
      if (!own) ++others;
    }
    return others;
  }
  // The fixture's device in the buffers, its password accepted, with no search.
  void SelectWithoutSearch(const std::string& settings) {
    SharedBuffers& buffers = m_wizard.Buffers();
    buffers.currentSettings = buffers.newSettings = settings;
    buffers.selectedDeviceIp = kFixtureDevice;
    m_wizard.SetVerifiedDevice(SelectedDevice(buffers));
  }
};

// Measured: ten page objects in a run; Back opened windows of copies that nothing else knew.
TEST_F(WizardFlowTest, OneRunMovesBetweenFourPageObjectsOnly) {
  const std::function<void()> tour[] = {
      [&] { GoForwardTo(4); },
      [&] { ClickButton(*m_wizard.Step4().Window(), kIdSaveBack); },
      [&] { ClickButton(*m_wizard.Step3().Window(), kIdDateTimeBack); },
      [&] { ClickButton(*m_wizard.Step2().Window(), kIdIpBack); },
      [&] { PressSetupOnStep1(*m_wizard.Step1().Window(), kFixturePassword); },
      [&] { ClickButton(*m_wizard.Step2().Window(), kIdIpNext); },
      [&] { ClickButton(m_welcome, kIdSetup); },
      [&] { WaitForSearch(m_wizard.Step1()); },
      [&] { ClickButton(*m_wizard.Step3().Window(), kIdDateTimeBack); },  // read again: Step 2
      [&] { ClickButton(*m_wizard.Step2().Window(), kIdIpBack); },
      [&] { PressKey(*m_wizard.Step1().Window(), Qt::Key_Escape); },
      [&] { ClickButton(*m_wizard.Step2().Window(), kIdIpNext); },
      [&] { ClickButton(*m_wizard.Step3().Window(), kIdDateTimeNext); },
      [&] { ClickButton(*m_wizard.Step4().Window(), kIdSaveBack); },
  };
  int move = 0;
  for (const auto& step : tour) {
    SCOPED_TRACE(move++);
    step();
    ProcessEvents();
    EXPECT_EQ(WindowsOfOtherPageObjects(), 0);
    EXPECT_GE(PageWindows(), 1);
  }
}

// Changed by one object per step: the previous step's one object may have a window (a page
// hidden with Escape, or one opened by a second pass); Back then only shows it and stays.
TEST_F(WizardFlowTest, BackTowardsAPreviousStepWithAWindowOnlyShowsIt) {
  for (const int from : {3, 4}) {
    SCOPED_TRACE(from);
    SelectWithoutSearch("sys.hostname=nas&nwk.bootproto=dhcp&date=2008/04/11&time=09:05:00");
    ASSERT_TRUE(SwitchToPage(nullptr, Page(from - 1), Page(from - 1).TemplateId()));
    QPointer<QDialog> previous = Page(from - 1).Window();
    PressKey(*previous, Qt::Key_Escape);
    ASSERT_TRUE(SwitchToPage(nullptr, Page(from), Page(from).TemplateId()));

    ClickButton(*Page(from).Window(), from == 3 ? kIdDateTimeBack : kIdSaveBack);
    ProcessEvents();

    EXPECT_EQ(Page(from - 1).Window(), previous.data());
    EXPECT_TRUE(previous->isVisible());
    EXPECT_TRUE(Page(from).HasWindow());
    EXPECT_EQ(PageWindows(), 2);
    EXPECT_TRUE(m_services.Messages().Shown().empty());
    Page(from - 1).DestroyWindow();
    Page(from).DestroyWindow();
  }
}

// Changed by one object per step: Back on Step 2 towards the Step 1 that Setup opened beside
// it (shown or hidden) only shows that one; no second Step 1 and no second search.
TEST_F(WizardFlowTest, BackFromStep2TowardsAnOpenStep1OnlyShowsIt) {
  for (const bool hidden : {false, true}) {
    SCOPED_TRACE(hidden);
    GoForwardTo(2);
    ClickButton(m_welcome, kIdSetup);
    WaitForSearch(m_wizard.Step1());
    QPointer<QDialog> step1 = m_wizard.Step1().Window();
    if (hidden) PressKey(*step1, Qt::Key_Escape);
    m_services.Network().ClearSent();

    ClickButton(*m_wizard.Step2().Window(), kIdIpBack);
    ProcessEvents();

    EXPECT_EQ(m_wizard.Step1().Window(), step1.data());
    EXPECT_TRUE(step1->isVisible());
    EXPECT_FALSE(m_wizard.Step1().Searching());
    EXPECT_TRUE(m_services.Network().Sent().empty());
    EXPECT_TRUE(m_wizard.Step2().HasWindow());
    m_wizard.Step1().DestroyWindow();
    m_wizard.Step2().DestroyWindow();
  }
}

// Changed: Step 4 kept open while Step 2 and 3 wrote the working copy again (one Step 3 object
// now reaches it). Save used to say another device was selected; now the page shows what it
// would send, and sends nothing until Save is pressed again.
TEST_F(WizardFlowTest, SaveOnAStep4ShowingOlderEntriesShowsTheNewOnes) {
  SelectWithoutSearch("sys.hostname=nas&nwk.bootproto=dhcp");
  ASSERT_TRUE(SwitchToPage(nullptr, m_wizard.Step4(), kSaveTemplateId));
  QPointer<QDialog> before = m_wizard.Step4().Window();
  m_wizard.Buffers().newSettings = "sys.hostname=office&nwk.bootproto=dhcp";

  ClickButton(*before, kIdSave);
  ProcessEvents();

  ASSERT_TRUE(m_wizard.Step4().HasWindow());
  EXPECT_NE(m_wizard.Step4().Window(), before.data());
  EXPECT_EQ(m_wizard.Step4().NewValues()[0]->text(), "office");
  EXPECT_TRUE(m_services.Messages().Shown().empty());
  EXPECT_TRUE(m_services.Network().Sent().empty());
}

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
