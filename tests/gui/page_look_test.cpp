#include <gtest/gtest.h>

#include <QDialog>
#include <QDir>
#include <QImage>
#include <QPushButton>

#include "app/welcome_template.h"
#include "pages/page_ids.h"
#include "tests/gui/harness/gui_actions.h"
#include "tests/gui/harness/shell_fixture.h"
#include "ui/color_label.h"
#include "ui/fonts.h"
#include "ui/main_window.h"
#include "ui/skin_pictures.h"

namespace tamberlyx::test {
namespace {

constexpr QSize kPagePictureSize(559, 354);
constexpr int kRedBandRows = 48;

class PageLookTest : public ShellFixture {
 protected:
  WizardPage& Page(int step) {
    WizardPage* pages[] = {&m_wizard.Step1(), &m_wizard.Step2(), &m_wizard.Step3(),
                           &m_wizard.Step4()};
    return *pages[step - 1];
  }
};

struct PageCase {
  int step;
  const char* caption;
  const char* stepNumber;
  const char* englishTitle;
  const char* koreanTitle;
};

class PageHeaderTest : public PageLookTest, public testing::WithParamInterface<PageCase> {};

TEST_P(PageHeaderTest, ShowsTemplateAndWhiteHeaderOnTheRedBand) {
  GoForwardTo(GetParam().step);
  const WizardPage& page = Page(GetParam().step);
  QDialog& window = *page.Window();

  EXPECT_EQ(window.windowTitle(), GetParam().caption);
  EXPECT_EQ(window.size(), kPagePictureSize);
  for (ColorLabel* label : {page.StepNumberLabel(), page.TitleLabel()}) {
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->TextColor(), QColor(255, 255, 255));
    EXPECT_EQ(label->BackColor(), QColor(0, 128, 128));
    EXPECT_LE(label->geometry().bottom(), kRedBandRows) << qPrintable(label->text());
    EXPECT_TRUE(label->isVisible());
  }
  EXPECT_EQ(page.StepNumberLabel()->text(), GetParam().stepNumber);
  EXPECT_EQ(page.StepNumberLabel()->pos(), QPoint(int(0.04 * 559), int(0.02 * 354)));
  EXPECT_EQ(page.TitleLabel()->text(), GetParam().englishTitle);
}

TEST_P(PageHeaderTest, KoreanTitleIsSizedFromItsOwnHalf) {
  GoForwardTo(GetParam().step);
  const int englishWidth = Page(GetParam().step).TitleLabel()->width();
  Page(GetParam().step).DestroyWindow();
  ScopedLanguage korean(Language::kKorean);
  ASSERT_TRUE(Page(GetParam().step).Create(Page(GetParam().step).TemplateId(), &m_welcome));

  const ColorLabel* title = Page(GetParam().step).TitleLabel();
  EXPECT_EQ(title->text(), GetParam().koreanTitle);
  if (QString(GetParam().koreanTitle) != GetParam().englishTitle) {
    EXPECT_LT(title->width(), englishWidth);
  }
}

INSTANTIATE_TEST_SUITE_P(Pages, PageHeaderTest,
                         testing::Values(PageCase{1, "Tamberlyx Link - Setup Wizard (Step 1)",
                                                  "Step 1.",
                                                  "Network Storage Link(s) Have Been Found!",
                                                  "Network Storage Link(s) Have Been Found!"},
                                         PageCase{2, "Tamberlyx Link - Setup Wizard (Step 2)",
                                                  "Step 2.", "IP Settings", "IP설정"},
                                         PageCase{3, "Tamberlyx Link - Setup Wizard (Step 3)",
                                                  "Step 3.", "Date and Time", "날짜와시간"},
                                         PageCase{4, "Tamberlyx Link - Setup Wizard (Step 4)",
                                                  "Step 4.", "Settings Confirmation", "셋팅확인"}));

struct ButtonCase {
  int step;  // 0: the welcome dialog
  int id;
  const char* english;
  const char* korean;
  bool isDefault;
};

class ButtonTextTest : public PageLookTest, public testing::WithParamInterface<ButtonCase> {
 protected:
  QPushButton* Find() {
    if (GetParam().step == 0) return Button(m_welcome, GetParam().id);
    GoForwardTo(GetParam().step);
    return Button(*Page(GetParam().step).Window(), GetParam().id);
  }
};

TEST_P(ButtonTextTest, ShowsTheHalfOfTheSystemLanguageInTheBoldLabelFont) {
  QPushButton* english = Find();
  ASSERT_NE(english, nullptr);
  EXPECT_EQ(english->text(), GetParam().english);
  EXPECT_EQ(english->isDefault(), GetParam().isDefault);
  EXPECT_EQ(english->font(), ArialCellFont(15, QFont::Bold));
}

TEST_P(ButtonTextTest, KoreanSystemShowsTheKoreanHalf) {
  ScopedLanguage korean(Language::kKorean);
  WelcomeDialog welcome(m_wizard.Step1());  // the welcome dialog's texts are set when it is made
  SetApplicationMainWindow(&welcome);
  const QPushButton* button = GetParam().step == 0 ? Button(welcome, GetParam().id) : Find();
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->text(), GetParam().korean);
  SetApplicationMainWindow(&m_welcome);
}

INSTANTIATE_TEST_SUITE_P(Buttons, ButtonTextTest,
                         testing::Values(ButtonCase{0, kIdSetup, "Setup", "설치", true},
                                         ButtonCase{0, kIdCancel, "Exit", "종료", false},
                                         ButtonCase{1, kIdSearchAgain, "Search again", "다시검색",
                                                    false},
                                         ButtonCase{1, kIdOk, "Setup", "설치", true},
                                         ButtonCase{1, kIdSearchExit, "Exit", "종료", false},
                                         ButtonCase{2, kIdIpBack, "Back", "이전", false},
                                         ButtonCase{2, kIdIpNext, "Next", "다음", true},
                                         ButtonCase{3, kIdDateTimeBack, "Back", "이전", false},
                                         ButtonCase{3, kIdDateTimeNext, "Next", "다음", true},
                                         ButtonCase{4, kIdSaveBack, "Back", "이전", false},
                                         ButtonCase{4, kIdSave, "Save", "저장", true}),
                         [](const testing::TestParamInfo<ButtonCase>& param) {
                           return "Step" + std::to_string(param.param.step) + "Button" +
                                  std::to_string(param.param.id);
                         });

TEST_F(PageLookTest, WelcomeDialogHasItsTemplateSizeAndCaption) {
  EXPECT_EQ(m_welcome.windowTitle(), "Tamberlyx Link - Setup Wizard v1.60");
  EXPECT_EQ(m_welcome.size(), QSize(559, 333));
  EXPECT_FALSE(m_welcome.windowIcon().isNull());
}

bool Near(QRgb pixel, QColor expected, int tolerance) {
  return std::abs(qRed(pixel) - expected.red()) <= tolerance &&
         std::abs(qGreen(pixel) - expected.green()) <= tolerance &&
         std::abs(qBlue(pixel) - expected.blue()) <= tolerance;
}

int WhitePixels(const QImage& image, const QRect& area) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (Near(image.pixel(x, y), Qt::white, 40)) ++count;
    }
  }
  return count;
}

TEST_F(PageLookTest, SavedPageShowsTheRedBandWithWhiteHeaderText) {
  GoForwardTo(2);
  QDialog& window = *m_wizard.Step2().Window();
  const QString path = QDir::temp().filePath("tamberlyx-step2.png");
  ASSERT_TRUE(SavePng(window, path));
  const QImage image(path);
  ASSERT_EQ(image.size(), kPagePictureSize);

  EXPECT_TRUE(Near(image.pixel(0, 10), QColor(122, 0, 1), 8)) << std::hex << image.pixel(0, 10);
  EXPECT_TRUE(Near(image.pixel(558, 10), QColor(210, 26, 8), 8))
      << std::hex << image.pixel(558, 10);
  // Text strokes, not just a few anti-aliased pixels.
  EXPECT_GT(WhitePixels(image, m_wizard.Step2().StepNumberLabel()->geometry()), 40);
  EXPECT_GT(WhitePixels(image, m_wizard.Step2().TitleLabel()->geometry()), 40);
  // Between and beside the labels the band stays red.
  EXPECT_EQ(WhitePixels(image, QRect(0, 0, 20, kRedBandRows)), 0);
  EXPECT_EQ(WhitePixels(image, QRect(480, 0, 79, kRedBandRows)), 0);
}

}  // namespace
}  // namespace tamberlyx::test
