// Colour labels and buttons, and which controls a skinned window draws transparently.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDateTimeEdit>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <functional>
#include <memory>

#include "ui/color_button.h"
#include "ui/color_label.h"
#include "ui/skin_pictures.h"
#include "ui/skinned_dialog.h"

namespace tamberlyx {
namespace {

const QColor kTeal(0, 128, 128);

bool ContainsColor(const QImage& image, const QColor& color) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixelColor(x, y) == color) return true;
    }
  }
  return false;
}

TEST(ColorLabel, DrawsItsTextInItsTextColor) {
  QWidget plain;
  ColorLabel label(QStringLiteral("Step 1."), &plain);
  label.setFont(QFont(QStringLiteral("Arial"), 20, QFont::Bold));
  label.setGeometry(0, 0, 120, 40);
  label.SetTextColor(QColor(200, 0, 0));
  label.SetBackColor(kTeal);
  const QImage image = label.grab().toImage();
  EXPECT_TRUE(ContainsColor(image, QColor(200, 0, 0)));
  EXPECT_EQ(image.pixelColor(1, 1), kTeal);  // off a skinned page the cell is filled
  EXPECT_EQ(label.TextColor(), QColor(200, 0, 0));
}

TEST(ColorLabel, BackColorNeverShowsOnASkinnedPage) {
  SkinnedDialog page(QString::fromLatin1(kPagePicture));
  page.resize(559, 354);
  auto* label = new ColorLabel(QStringLiteral("Server Name"), &page);
  label->setGeometry(40, 120, 150, 20);
  label->SetBackColor(kTeal);
  page.show();
  const QImage shown = page.grab().toImage();
  const QImage picture = SkinPicture(QString::fromLatin1(kPagePicture)).toImage();
  EXPECT_EQ(shown.pixelColor(41, 121), picture.pixelColor(41, 121));
  EXPECT_FALSE(ContainsColor(shown.copy(label->geometry()), kTeal));
}

TEST(ColorButton, KeepsTheColorsOfEachButtonKind) {
  ColorGroupBox group(QStringLiteral("Selection"));
  ColorRadioButton radio(QStringLiteral("DHCP"));
  ColorCheckBox check(QStringLiteral("N/W Drive Make"));
  radio.SetTextColor(Qt::white);
  check.SetBackColor(kTeal);
  EXPECT_EQ(group.TextColor(), QColor(Qt::black));
  EXPECT_EQ(radio.palette().color(QPalette::WindowText), QColor(Qt::white));
  EXPECT_EQ(check.palette().color(QPalette::Window), kTeal);
}

struct KindCase {
  const char* name;
  std::function<QWidget*(QWidget*)> make;
  bool staticKind;
};

TEST(StaticKindColors, OnlyStaticTextsAreDrawnTransparently) {
  const std::vector<KindCase> cases = {
      {"label", [](QWidget* p) { return new QLabel(p); }, true},
      {"group box", [](QWidget* p) { return new ColorGroupBox(p); }, true},
      {"radio", [](QWidget* p) { return new QRadioButton(p); }, true},
      {"check", [](QWidget* p) { return new QCheckBox(p); }, true},
      {"push button", [](QWidget* p) { return new QPushButton(p); }, false},
      {"edit", [](QWidget* p) { return new QLineEdit(p); }, false},
      {"read-only edit",
       [](QWidget* p) {
         auto* e = new QLineEdit(p);
         e->setReadOnly(true);
         return e;
       },
       true},
      {"disabled edit",
       [](QWidget* p) {
         auto* e = new QLineEdit(p);
         e->setEnabled(false);
         return e;
       },
       true},
      {"list", [](QWidget* p) { return new QListWidget(p); }, false},
      {"combo", [](QWidget* p) { return new QComboBox(p); }, false},
      {"date picker", [](QWidget* p) { return new QDateTimeEdit(p); }, false},
      {"marked edit",
       [](QWidget* p) {
         auto* e = new QLineEdit(p);
         e->setEnabled(false);
         StaticKindColors::KeepPlatformColors(*e);
         return e;
       },
       false},
  };
  for (const KindCase& c : cases) {
    QWidget window;
    EXPECT_EQ(StaticKindColors::IsStaticKind(*c.make(&window)), c.staticKind) << c.name;
  }
}

TEST(StaticKindColors, EditBecomesTransparentWithItsOwnStateOnly) {
  SkinnedDialog page(QString::fromLatin1(kPagePicture));
  auto* edit = new QLineEdit(&page);
  page.show();
  const auto base = [edit] { return edit->palette().color(QPalette::Active, QPalette::Base); };
  const QColor platformBase = base();
  ASSERT_NE(platformBase.alpha(), 0);

  edit->setReadOnly(true);
  EXPECT_EQ(base().alpha(), 0);
  edit->setReadOnly(false);
  EXPECT_EQ(base(), platformBase);

  // The whole page disabled behind a progress box: the edit keeps its colours.
  page.setEnabled(false);
  EXPECT_EQ(base(), platformBase);
  page.setEnabled(true);
  edit->setEnabled(false);
  EXPECT_EQ(base().alpha(), 0);
}

TEST(StaticKindColors, AppliesToAFinishedWidgetMovedOntoThePage) {
  SkinnedDialog page(QString::fromLatin1(kPagePicture));
  page.show();
  ColorLabel label(QStringLiteral("moved"));
  label.ensurePolished();
  ASSERT_TRUE(label.autoFillBackground());
  label.setParent(&page);
  EXPECT_FALSE(label.autoFillBackground());
  label.setParent(nullptr);
}

TEST(StaticKindColors, LeavesOtherWindowsOwnedByThePageAlone) {
  SkinnedDialog page(QString::fromLatin1(kPagePicture));
  page.show();
  QDialog box(&page);  // a message box or progress box parented to the page
  auto* label = new QLabel(QStringLiteral("text"), &box);
  label->setAutoFillBackground(true);
  box.show();
  EXPECT_TRUE(label->autoFillBackground());
}

}  // namespace
}  // namespace tamberlyx
