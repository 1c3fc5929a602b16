#include "pages/switch_to_page.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QPointer>
#include <QScreen>

#include "app/welcome_template.h"
#include "pages/page_ids.h"
#include "pages/page_templates.h"
#include "tests/gui/harness/gui_actions.h"
#include "tests/gui/harness/shell_fixture.h"
#include "ui/window_placement.h"

namespace tamberlyx::test {
namespace {

using SwitchToPageTest = ShellFixture;

TEST_F(SwitchToPageTest, TargetWithAWindowIsOnlyShown) {
  GoForwardTo(3);
  QPointer<QDialog> step3 = m_wizard.Step3().Window();
  step3->hide();
  IpSettingsPage& current = m_wizard.Step2();
  ASSERT_TRUE(current.Create(kIpSettingsTemplateId, &m_welcome));
  int workDone = 0;

  EXPECT_FALSE(SwitchToPage(&current, m_wizard.Step3(), kDateTimeTemplateId, [&] {
    ++workDone;
    return true;
  }));

  EXPECT_EQ(workDone, 0);
  EXPECT_TRUE(current.HasWindow());
  EXPECT_EQ(m_wizard.Step3().Window(), step3.data());
  EXPECT_TRUE(step3->isVisible());
}

TEST_F(SwitchToPageTest, WorkRunsBeforeTheCurrentWindowGoes) {
  GoForwardTo(2);
  bool currentHadWindow = false;

  EXPECT_TRUE(SwitchToPage(&m_wizard.Step2(), m_wizard.Step3(), kDateTimeTemplateId,
                           [&] { return currentHadWindow = m_wizard.Step2().HasWindow(); }));

  EXPECT_TRUE(currentHadWindow);
  EXPECT_FALSE(m_wizard.Step2().HasWindow());
  ASSERT_TRUE(m_wizard.Step3().HasWindow());
  EXPECT_TRUE(m_wizard.Step3().Window()->isVisible());
}

TEST_F(SwitchToPageTest, NewWindowIsOwnedByAndCentredOverTheMainWindow) {
  m_welcome.move(40, 30);
  ProcessEvents();
  ClickButton(m_welcome, kIdSetup);

  QDialog* step1 = m_wizard.Step1().Window();
  ASSERT_NE(step1, nullptr);
  EXPECT_EQ(step1->parentWidget(), &m_welcome);
  EXPECT_EQ(step1->pos(), CentredPosition(m_welcome.frameGeometry(), step1->frameGeometry().size(),
                                          m_welcome.screen()->availableGeometry()));
}

TEST_F(SwitchToPageTest, ForeignTemplateMakesNoWindow) {
  GoForwardTo(1);
  EXPECT_FALSE(SwitchToPage(&m_wizard.Step1(), m_wizard.Step2(), kSaveTemplateId));
  EXPECT_FALSE(m_wizard.Step1().HasWindow());
  EXPECT_FALSE(m_wizard.Step2().HasWindow());
}

struct PlacementCase {
  const char* name;
  QRect over;
  QSize size;
  QRect workArea;
  QPoint expected;
};

class CentredPositionTest : public testing::TestWithParam<PlacementCase> {};

TEST_P(CentredPositionTest, CentresThenKeepsInsideTheWorkArea) {
  EXPECT_EQ(CentredPosition(GetParam().over, GetParam().size, GetParam().workArea),
            GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CentredPositionTest,
    testing::Values(
        // (100 + 661) / 2 - 561 / 2 = 380 - 280
        PlacementCase{"Centred", QRect(100, 50, 561, 357), QSize(561, 373), QRect(0, 0, 1920, 1080),
                      QPoint(100, 42)},
        // (-3 + 0) / 2 is -1, not -2
        PlacementCase{"TruncatesNegativeHalves", QRect(-3, -3, 3, 3), QSize(1, 1),
                      QRect(-100, -100, 200, 200), QPoint(-1, -1)},
        PlacementCase{"PushedLeftAndUp", QRect(1700, 900, 200, 150), QSize(400, 300),
                      QRect(0, 0, 1920, 1040), QPoint(1520, 740)},
        PlacementCase{"PushedRightAndDown", QRect(-150, -100, 200, 150), QSize(400, 300),
                      QRect(0, 24, 1920, 1056), QPoint(0, 24)},
        PlacementCase{"WiderThanTheWorkAreaStartsAtItsLeft", QRect(500, 0, 100, 100),
                      QSize(800, 50), QRect(10, 0, 600, 400), QPoint(10, 25)}),
    [](const testing::TestParamInfo<PlacementCase>& param) {
      return std::string(param.param.name);
    });

}  // namespace
}  // namespace tamberlyx::test
