// The IP address controls of Step 2 draw their frame whole at the scale the test runs at: ctest
// runs this at 1, 1.25, 1.5 and 2 (QT_SCALE_FACTOR). At fractional scales the fields' own
// backgrounds used to cover the frame's lines, and a line could fall outside the rounded clip.
#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

#include "pages/page_ids.h"
#include "pages/page_templates.h"
#include "pages/switch_to_page.h"
#include "tests/gui/harness/gui_actions.h"
#include "tests/gui/harness/shell_fixture.h"

namespace tamberlyx::test {
namespace {

constexpr int kFrameDarkest = 0xD8;  // the frame is mid grey; the fields and page near white

bool Dark(const QImage& image, int x, int y) {
  return image.valid(x, y) && qGray(image.pixel(x, y)) < kFrameDarkest;
}

// Along each side, every device pixel has a frame pixel within one pixel across the side.
int GapsAlongBorder(const QImage& image, const QRect& device) {
  int gaps = 0;
  const auto crossing = [&](int x, int y, bool vertical) {
    for (int d = -1; d <= 1; ++d) {
      if (Dark(image, vertical ? x + d : x, vertical ? y : y + d)) return true;
    }
    return false;
  };
  for (int x = device.left() + 2; x <= device.right() - 2; ++x) {
    gaps += !crossing(x, device.top(), false) + !crossing(x, device.bottom(), false);
  }
  for (int y = device.top() + 2; y <= device.bottom() - 2; ++y) {
    gaps += !crossing(device.left(), y, true) + !crossing(device.right(), y, true);
  }
  return gaps;
}

class AddressFrameTest : public ShellFixture {};

TEST_F(AddressFrameTest, EveryAddressControlHasAnUnbrokenFrame) {
  m_wizard.Buffers().newSettings = "nwk.ipaddr=192.168.100.200&nwk.netmask=255.255.255.0";
  ASSERT_TRUE(SwitchToPage(nullptr, m_wizard.Step2(), kIpSettingsTemplateId));
  QWidget& window = *m_wizard.Step2().Window();
  ProcessEvents();
  const QPixmap shot = window.grab();
  const QImage image = shot.toImage();
  const qreal scale = shot.devicePixelRatio();
  for (const int id : {kIdIpAddress, kIdNetmask, kIdGateway, kIdDns}) {
    QWidget& control = *m_wizard.Step2().Control(id);
    const QRectF logical(control.mapTo(&window, QPoint(0, 0)), control.size());
    const QRect device(
        QPoint(qRound(logical.left() * scale), qRound(logical.top() * scale)),
        QPoint(qRound(logical.right() * scale) - 1, qRound(logical.bottom() * scale) - 1));
    EXPECT_EQ(GapsAlongBorder(image, device), 0) << "control " << id << " at scale " << scale;
  }
}

}  // namespace
}  // namespace tamberlyx::test
