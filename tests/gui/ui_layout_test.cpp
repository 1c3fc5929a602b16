// Dialog units, point sizes, label font and the run-time label layout of the pages.
#include <gtest/gtest.h>

#include "ui/dialog_units.h"
#include "ui/fonts.h"
#include "ui/label_layout.h"
#include "ui/page_fonts.h"

namespace tamberlyx {
namespace {

TEST(DialogUnits, PageTemplateIsExactlyAsLargeAsItsPicture) {
  EXPECT_EQ(DialogUnits::PageFont().Size(278, 155), QSize(559, 354));
  EXPECT_EQ(DialogUnits::SystemFont().Size(186, 69), QSize(372, 138));
}

TEST(DialogUnits, RectanglesKeepAdjacentControlsTouching) {
  const DialogUnits units = DialogUnits::PageFont();
  const QRect left = units.Rect(9, 21, 100, 23);
  const QRect right = units.Rect(109, 21, 50, 23);
  EXPECT_EQ(left.left() + left.width(), right.left());
  EXPECT_EQ(units.Rect(0, 0, 278, 155), QRect(0, 0, 559, 354));
}

TEST(Fonts, PointSizeBecomesTruncatedCharacterHeight) {
  struct Case {
    int points, dpi, pixels;
  };
  for (const Case c : {Case{22, 96, 29}, Case{15, 96, 20}, Case{11, 96, 14}, Case{10, 96, 13},
                       Case{10, 120, 16}, Case{22, 144, 44}}) {
    EXPECT_EQ(PointsToPixelHeight(c.points, c.dpi), c.pixels) << c.points << "pt @" << c.dpi;
    EXPECT_EQ(ArialPointFont(c.points, c.dpi).pixelSize(), c.pixels);
  }
}

TEST(Fonts, LabelFontHasACellOfFifteenPixelsAndIsBold) {
  PageFonts fonts;
  fonts.Ensure(96);
  EXPECT_EQ(MeasureFont(fonts.Label()).charHeight, 15);
  EXPECT_EQ(fonts.Label().weight(), QFont::Bold);
  // Fonts are made once: a later call with another resolution keeps them.
  fonts.Ensure(144);
  EXPECT_EQ(fonts.Title().pixelSize(), 29);
  EXPECT_GT(fonts.TitleMeasure().averageCharWidth, fonts.CaptionMeasure().averageCharWidth);
}

TEST(LabelLayout, NonAsciiCharactersCountTwoUnits) {
  struct Case {
    const char* utf8;
    int units;
  };
  for (const Case c : {Case{"", 0}, Case{"Server Name", 11}, Case{"서버명", 6}, Case{"DNS 서버", 8},
                       Case{"N/W드라이브생성", 15}, Case{"é", 2}}) {
    EXPECT_EQ(TextUnits(std::string_view(c.utf8)), c.units) << c.utf8;
    EXPECT_EQ(TextUnits(QString::fromUtf8(c.utf8)), c.units) << c.utf8;
  }
}

TEST(LabelLayout, KoreanLabelIsNarrowerThanItsEnglishTwin) {
  const LabelLayout layout(QSize(559, 354));
  const FontMeasure measure{6, 15};
  const QRect english = layout.TextLabel(0.41, 0.43, QStringLiteral("Server Name"), 3, measure, 15);
  const QRect korean = layout.TextLabel(0.41, 0.43, QStringLiteral("서버명"), 3, measure, 15);
  EXPECT_EQ(english, QRect(229, 152, 84, 15));  // 0.41 W = 229.19, 0.43 H = 152.22
  EXPECT_EQ(korean.topLeft(), english.topLeft());
  EXPECT_EQ(korean.width(), 54);
}

TEST(LabelLayout, EachEdgeIsTruncatedOnItsOwn) {
  // Right is computed from the unrounded left: 10.9 + 5.5 = 16.4 gives 16, a width of 6.
  EXPECT_EQ(LabelLayout::Truncated(10.9, 20.7, 16.4, 35.9), QRect(10, 20, 6, 15));
}

}  // namespace
}  // namespace tamberlyx
