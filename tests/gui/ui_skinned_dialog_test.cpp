// The two background pictures and how a skinned dialog paints them.
#include <gtest/gtest.h>

#include <QImage>

#include "ui/skin_pictures.h"
#include "ui/skinned_dialog.h"

namespace tamberlyx {
namespace {

QImage Picture(const char* path) {
  return SkinPicture(QString::fromLatin1(path)).toImage();
}

TEST(SkinPictures, HaveTheirSizesAndNoTransparency) {
  for (const auto& [path, size] :
       {std::pair{kWelcomePicture, QSize(559, 352)}, std::pair{kPagePicture, QSize(559, 354)}}) {
    const QImage image = Picture(path);
    EXPECT_EQ(image.size(), size) << path;
    EXPECT_FALSE(image.hasAlphaChannel()) << path;
  }
  EXPECT_FALSE(ApplicationIcon().isNull());
}

TEST(SkinPictures, PageBandRunsFromDarkRedToRed) {
  const QImage page = Picture(kPagePicture);
  for (const int row : {0, 10, 47}) {
    EXPECT_EQ(page.pixelColor(0, row), QColor(122, 0, 1)) << row;
    EXPECT_EQ(page.pixelColor(558, row), QColor(210, 26, 8)) << row;
  }
  // One transition row, then the white area.
  EXPECT_NE(page.pixelColor(279, 48), page.pixelColor(279, 47));
  EXPECT_NE(page.pixelColor(279, 48), QColor(Qt::white));
  EXPECT_EQ(page.pixelColor(279, 49), QColor(Qt::white));
}

TEST(SkinPictures, AreLoadedOnceAndKept) {
  EXPECT_EQ(SkinPicture(QString::fromLatin1(kPagePicture)).cacheKey(),
            SkinPicture(QString::fromLatin1(kPagePicture)).cacheKey());
}

TEST(SkinnedDialog, PaintsThePictureUnscaledAtTheTopLeft) {
  SkinnedDialog dialog(QString::fromLatin1(kPagePicture));
  dialog.resize(600, 400);  // larger than the picture
  dialog.show();
  const QImage shown = dialog.grab().toImage();
  const QImage picture = Picture(kPagePicture);
  for (const QPoint p : {QPoint(0, 10), QPoint(558, 10), QPoint(300, 200), QPoint(558, 353)}) {
    EXPECT_EQ(shown.pixelColor(p), picture.pixelColor(p)) << p.x() << "," << p.y();
  }
  EXPECT_EQ(shown.pixelColor(590, 390), dialog.palette().color(QPalette::Window));
}

}  // namespace
}  // namespace tamberlyx
