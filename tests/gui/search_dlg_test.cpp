// Step 1 over the shell and the in-process network: the search, the list, the details and the
// moves that start from it.
#include <gtest/gtest.h>

#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "app/welcome_template.h"
#include "device/fake_devices.h"
#include "pages/page_ids.h"
#include "tests/gui/harness/gui_actions.h"
#include "tests/gui/harness/search_actions.h"
#include "tests/gui/harness/shell_fixture.h"
#include "ui/color_label.h"

namespace tamberlyx::test {
namespace {

constexpr char kFirst[] = "192.168.0.31";
constexpr char kSecond[] = "192.168.0.32";

class SearchPageTest : public ShellFixture {
 protected:
  CSearchDlg& Page() { return m_wizard.Step1(); }
  void AddDevice(const char* address, std::string settings, int delayMs = 0) {
    device::DeviceOptions options;
    options.settings = std::move(settings);
    options.delayMs = delayMs;
    options.duplicateReplies = true;
    device::AddDevice(m_services.Network(), address, options);
  }
  void Open() {
    ClickButton(m_welcome, kIdSetup);
    WaitForSearch(Page());
  }
  QStringList Lines() {
    QStringList lines;
    for (int i = 0; i < Page().DeviceListBox()->count(); ++i) {
      lines << Page().DeviceListBox()->item(i)->text();
    }
    return lines;
  }
  QStringList Values() {
    QStringList values;
    for (const auto& label : Page().Values()) values << label->text();
    return values;
  }
  bool SetupEnabled() { return Button(*Page().Window(), kIdOk)->isEnabled(); }
};

// The device that answers later is listed later, whatever order the devices joined in; a
// device answering twice is listed once.
TEST_F(SearchPageTest, ListsInArrivalOrderSelectsTheFirstAndSeedsTheBuffers) {
  const std::string late = "sys.hostname=nas&nwk.ipaddr=192.168.0.31&nwk.bootproto=dhcp";
  const std::string early =
      "sys.hostname=nas&nwk.ipaddr=192.168.0.32&nwk.bootproto=none&nwk.netmask=255.255.255.0&"
      "sys.gateway=192.168.0.1&sys.dns=192.168.0.2&nwk.mac=00:11:22:33:44:55";
  AddDevice(kFirst, late, 20);
  AddDevice(kSecond, early);
  Open();

  EXPECT_EQ(Lines(), QStringList({"nas", "nas"}));
  EXPECT_EQ(Page().DeviceListBox()->currentRow(), 0);
  EXPECT_TRUE(SetupEnabled());
  EXPECT_TRUE(Button(*Page().Window(), kIdSearchAgain)->isEnabled());
  EXPECT_TRUE(Page().Window()->isEnabled());
  EXPECT_FALSE(m_wizard.SearchProgress().HasWindow());
  EXPECT_EQ(Values(), QStringList({"nas", "192.168.0.32 (Fixed)", "255.255.255.0", "192.168.0.1",
                                   "192.168.0.2", "00:11:22:33:44:55"}));
  EXPECT_EQ(m_wizard.Buffers().currentSettings, early);
  EXPECT_EQ(m_wizard.Buffers().newSettings, early);
  EXPECT_EQ(m_wizard.Buffers().selectedDeviceIp, kSecond);

  m_wizard.Buffers().newSettings = "edited";
  Page().DeviceListBox()->setCurrentRow(1);
  EXPECT_EQ(Values(), QStringList({"nas", "192.168.0.31 (DHCP)", "", "", "", ""}));
  EXPECT_EQ(m_wizard.Buffers().newSettings, late);
  EXPECT_EQ(m_wizard.Buffers().selectedDeviceIp, kFirst);
  EXPECT_TRUE(m_services.Messages().Shown().empty());
}

TEST_F(SearchPageTest, SearchAgainWithoutAnswerEmptiesTheListButKeepsTheDetails) {
  AddDevice(kFirst, "sys.hostname=nas1&nwk.ipaddr=192.168.0.31");
  Open();
  const QStringList shown = Values();
  const SharedBuffers before = m_wizard.Buffers();
  m_services.Network().RemovePeer(kFirst);
  m_services.Network().ClearSent();

  ClickButton(*Page().Window(), kIdSearchAgain);
  EXPECT_FALSE(Page().Window()->isEnabled());
  EXPECT_FALSE(SetupEnabled());
  WaitForSearch(Page());

  ASSERT_EQ(m_services.Network().Sent().size(), 1u);
  EXPECT_EQ(m_services.Network().Sent()[0].bytes, "255.255.255.255Tamberlyx");
  EXPECT_TRUE(Lines().isEmpty());
  EXPECT_TRUE(m_wizard.Devices().Empty());
  EXPECT_FALSE(SetupEnabled());
  EXPECT_EQ(Values(), shown);
  EXPECT_EQ(m_wizard.Buffers().newSettings, before.newSettings);
  EXPECT_EQ(m_wizard.Buffers().selectedDeviceIp, before.selectedDeviceIp);
  EXPECT_TRUE(m_services.Messages().Shown().empty());
}

// With CLIENT_PORT held the new search never listens: the previous records are listed again.
TEST_F(SearchPageTest, SearchThatCannotListenListsThePreviousRecords) {
  AddDevice(kFirst, "sys.hostname=nas1");
  Open();
  m_services.Network().HoldClientPort(true);

  ClickButton(*Page().Window(), kIdSearchAgain);
  WaitForSearch(Page());

  EXPECT_EQ(m_services.Messages().Texts(),
            std::vector<std::string>{"Failed to bind CLIENT_PORT!\nError Code"});
  EXPECT_EQ(Lines(), QStringList{"nas1"});
  EXPECT_TRUE(SetupEnabled());
}

TEST_F(SearchPageTest, DoubleClickOpensTheClickedDevicesWebPage) {
  AddDevice(kFirst, "sys.hostname=nas1");
  AddDevice(kSecond, "sys.hostname=nas2", 10);
  Open();
  QListWidget& list = *Page().DeviceListBox();
  const QPoint second = list.visualItemRect(list.item(1)).center();

  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, second);  // a double click's first half
  QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, second);

  ASSERT_EQ(m_services.Urls().Opened().size(), 1u);
  EXPECT_EQ(m_services.Urls().Opened()[0].toString(), "http://192.168.0.32:8090/");
  EXPECT_EQ(m_wizard.Buffers().selectedDeviceIp, kSecond);
}

TEST_F(SearchPageTest, CancelledPasswordKeepsTheListWithoutANewSearch) {
  AddDevice(kFirst, "sys.hostname=nas1");
  AddDevice(kSecond, "sys.hostname=nas2", 10);
  Open();
  Page().DeviceListBox()->setCurrentRow(1);
  m_services.Network().ClearSent();

  AnswerPasswordDialog({}, /*cancel=*/true);
  ClickButton(*Page().Window(), kIdOk);
  ProcessEvents();

  EXPECT_TRUE(m_services.Network().Sent().empty());
  EXPECT_EQ(Lines(), QStringList({"nas1", "nas2"}));
  EXPECT_EQ(Page().DeviceListBox()->currentRow(), 1);
  EXPECT_FALSE(m_wizard.Step2().HasWindow());
}

TEST_F(SearchPageTest, BackFromStep2SearchesAgainAndDropsTheEdits) {
  GoForwardTo(2);
  const std::string reported = m_wizard.Buffers().currentSettings;
  m_wizard.Buffers().newSettings = "edited";

  ClickButton(*m_wizard.Step2().Window(), kIdIpBack);
  WaitForSearch(m_wizard.Step2().BackPage());

  EXPECT_EQ(m_wizard.Step2().BackPage().DeviceListBox()->count(), 1);
  EXPECT_EQ(m_wizard.Buffers().newSettings, reported);
}

// The run-time labels stand where the page's fractions put them on the 559 × 354 client area.
TEST_F(SearchPageTest, LabelsArePlacedByTheirFractions) {
  for (const Language language : {Language::kEnglish, Language::kKorean}) {
    const ScopedLanguage scoped(language);
    Open();
    EXPECT_EQ(Page().Paragraph()->geometry(), QRect(27, 53, 505, 84));
    EXPECT_EQ(Page().SelectionBox()->geometry(), QRect(27, 136, 504, 163));
    const int tops[] = {152, 183, 201, 238, 257, 275};
    for (std::size_t k = 0; k < CSearchDlg::kRows; ++k) {
      const CColorLabel& caption = *Page().Captions()[k];
      const CColorLabel& value = *Page().Values()[k];
      EXPECT_EQ(caption.pos(), QPoint(229, tops[k])) << k;
      EXPECT_EQ(value.geometry(), QRect(357, tops[k], 168, caption.height())) << k;
      EXPECT_LE(caption.geometry().right(), value.x()) << qPrintable(caption.text());
      EXPECT_GE(caption.width(), caption.fontMetrics().horizontalAdvance(caption.text()));
    }
    ClickButton(*Page().Window(), kIdSearchExit);
    ProcessEvents();
  }
}

}  // namespace
}  // namespace tamberlyx::test
