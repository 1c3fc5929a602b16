// Step 1 over the shell and the in-process network: the search, the list and the details.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "app/welcome_template.h"
#include "device/fake_devices.h"
#include "pages/page_ids.h"
#include "protocol/interface_network.h"
#include "tests/gui/harness/gui_actions.h"
#include "tests/gui/harness/search_actions.h"
#include "tests/gui/harness/shell_fixture.h"
#include "text/no_answer_text.h"

namespace tamberlyx::test {
namespace {

class SearchPageTest : public ShellFixture {
 protected:
  SearchPage& Page() { return m_wizard.Step1(); }
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
  bool NoteShown() { return Page().NoAnswerNote() && Page().NoAnswerNote()->isVisible(); }
};

// The device answering later is listed later whatever order the devices joined in; a device
// answering twice is listed once; two devices of one name give two identical lines.
TEST_F(SearchPageTest, ListsInArrivalOrderSelectsTheFirstAndSeedsTheBuffers) {
  const std::string late = "sys.hostname=nas&nwk.ipaddr=192.168.0.31&nwk.bootproto=dhcp";
  const std::string early =
      "sys.hostname=nas&nwk.ipaddr=192.168.0.32&nwk.bootproto=none&nwk.netmask=255.255.255.0&"
      "sys.gateway=192.168.0.1&sys.dns=192.168.0.2&nwk.mac=00:11:22:33:44:55";
  AddDevice("192.168.0.31", late, 20);
  AddDevice("192.168.0.32", early);
  Open();

  EXPECT_EQ(Lines(), QStringList({"nas", "nas"}));
  EXPECT_EQ(Page().DeviceListBox()->currentRow(), 0);
  EXPECT_TRUE(SetupEnabled() && Page().Window()->isEnabled());
  EXPECT_EQ(Values(), QStringList({"nas", "192.168.0.32 (Fixed)", "255.255.255.0", "192.168.0.1",
                                   "192.168.0.2", "00:11:22:33:44:55"}));
  EXPECT_EQ(m_wizard.Buffers().currentSettings, early);
  EXPECT_EQ(m_wizard.Buffers().newSettings, early);
  EXPECT_FALSE(NoteShown());

  m_wizard.Buffers().newSettings = "edited";
  Page().DeviceListBox()->setCurrentRow(1);
  EXPECT_EQ(Values(), QStringList({"nas", "192.168.0.31 (DHCP)", "", "", "", ""}));
  EXPECT_EQ(m_wizard.Buffers().newSettings, late);
  EXPECT_EQ(m_wizard.Buffers().selectedDeviceIp, "192.168.0.31");
}

TEST_F(SearchPageTest, SearchAgainWithoutAnswerEmptiesTheListButKeepsTheDetails) {
  AddDevice("192.168.0.31", "sys.hostname=nas1&nwk.ipaddr=192.168.0.31");
  Open();
  const QStringList shown = Values();
  const SharedBuffers before = m_wizard.Buffers();
  m_services.Network().RemovePeer("192.168.0.31");

  ClickButton(*Page().Window(), kIdSearchAgain);
  EXPECT_FALSE(Page().Window()->isEnabled() || SetupEnabled());
  WaitForSearch(Page());

  EXPECT_TRUE(Lines().isEmpty());
  EXPECT_FALSE(SetupEnabled());
  EXPECT_EQ(Values(), shown);
  EXPECT_EQ(m_wizard.Buffers().newSettings, before.newSettings);
  EXPECT_TRUE(m_services.Messages().Shown().empty());
  EXPECT_TRUE(NoteShown());
}

// The first search hears nothing on two interfaces, port 1211 taken; the next finds a device.
TEST_F(SearchPageTest, AnEmptyListSaysWhereItSearchedUntilASearchFindsADevice) {
  const std::pair<Language, const char*> cases[] = {
      {Language::kEnglish,
       "Searched: eth0, eth1\nA firewall on this PC must let UDP port 1211 in.\nAnother program "
       "holds UDP port 1211."},
      {Language::kKorean,
       "검색: eth0, eth1\n이 PC 방화벽에서 UDP 1211 포트를 허용해야 합니다.\n다른 프로그램이 "
       "UDP 1211 포트를 사용중입니다."},
  };
  m_services.Interfaces().SetInterfaces({{"eth0", "192.168.0.100"}, {"eth1", "10.1.0.1"}});
  for (const auto& [language, expected] : cases) {
    const ScopedLanguage scoped(language);
    m_services.Network().HoldClientPort(true);
    Open();
    QLabel& note = *Page().NoAnswerNote();
    EXPECT_TRUE(Lines().isEmpty() && NoteShown());
    EXPECT_EQ(note.text(), QString::fromUtf8(expected));
    EXPECT_EQ(Page().DeviceListBox()->accessibleDescription(), note.text());
    // Another program's port adds a line: smaller then, but whole and readable.
    const QRect area = note.contentsRect();
    EXPECT_TRUE(area.contains(note.fontMetrics().boundingRect(
        area, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, note.text())));
    EXPECT_GE(QFontInfo(note.font()).pointSizeF(), 7);

    m_services.Network().HoldClientPort(false);
    AddDevice("192.168.0.31", "sys.hostname=nas1");
    ClickButton(*Page().Window(), kIdSearchAgain);
    WaitForSearch(Page());
    EXPECT_EQ(Lines(), QStringList({"nas1"}));
    EXPECT_FALSE(NoteShown());
    EXPECT_TRUE(Page().DeviceListBox()->accessibleDescription().isEmpty());
    m_services.Network().RemovePeer("192.168.0.31");
    ClickButton(*Page().Window(), kIdSearchExit);
  }
}

// However many interfaces were searched, the note keeps the list's font and stays inside the
// list: it names as many as fit, in search order, and counts the rest.
TEST_F(SearchPageTest, TheEmptyListsNoteKeepsTheListsFontAndCountsTheInterfacesThatDoNotFit) {
  struct Case {
    Language language;
    const char* searched;
    const char* more;
  };
  const Case cases[] = {{Language::kEnglish, "Searched: ", "... and %1 more"},
                        {Language::kKorean, "검색: ", "... 외 %1개"}};
  for (const Case& c : cases) {
    for (const int total : {1, 3, 20}) {
      SCOPED_TRACE(total);
      const ScopedLanguage scoped(c.language);
      std::vector<LocalInterface> interfaces;
      std::vector<std::string> names;
      for (int k = 0; k < total; ++k) {
        names.push_back("enp" + std::to_string(k) + "s0");
        interfaces.push_back({names.back(), "10.0." + std::to_string(k) + ".1"});
      }
      m_services.Interfaces().SetInterfaces(interfaces);
      Open();
      const QLabel& note = *Page().NoAnswerNote();
      const QListWidget& list = *Page().DeviceListBox();
      const QRect area = note.contentsRect();
      const auto fits = [&](const QString& text) {
        const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
        return area.contains(note.fontMetrics().boundingRect(area, flags, text));
      };
      EXPECT_EQ(note.font(), list.font());
      EXPECT_TRUE(list.viewport()->rect().contains(note.geometry()));
      EXPECT_TRUE(fits(note.text()));
      EXPECT_EQ(list.accessibleDescription(), note.text());

      const QString line = note.text().section('\n', 0, 0);
      const auto shown = static_cast<std::size_t>(line.count(QStringLiteral("enp")));
      QStringList named;
      for (std::size_t k = 0; k < shown; ++k) named << QString::fromStdString(names[k]);
      QString expected = QString::fromUtf8(c.searched) + named.join(", ");
      if (shown < names.size()) {
        expected += (shown > 0 ? " " : "") + QString::fromUtf8(c.more).arg(names.size() - shown);
      }
      EXPECT_EQ(line, expected);
      if (total == 20) {
        EXPECT_LT(shown, names.size());
      }
      if (shown < names.size()) {  // one name more would not have fitted
        const bool korean = c.language == Language::kKorean;
        EXPECT_FALSE(fits(QString::fromStdString(NoAnswerText(names, shown + 1, false, korean))));
      }
      ClickButton(*Page().Window(), kIdSearchExit);
    }
  }
}

TEST_F(SearchPageTest, DoubleClickOpensTheClickedDevicesWebPage) {
  AddDevice("192.168.0.31", "sys.hostname=nas1");
  AddDevice("192.168.0.32", "sys.hostname=nas2", 10);
  Open();
  QListWidget& list = *Page().DeviceListBox();
  const QPoint second = list.visualItemRect(list.item(1)).center();

  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, second);  // a double click's first half
  QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, second);

  ASSERT_EQ(m_services.Urls().Opened().size(), 1u);
  EXPECT_EQ(m_services.Urls().Opened()[0].toString(), "http://192.168.0.32:8090/");
}

// The rows stand where their fractions put them on the 559 × 354 client area, in both languages.
TEST_F(SearchPageTest, RowsArePlacedByTheirFractions) {
  for (const Language language : {Language::kEnglish, Language::kKorean}) {
    const ScopedLanguage scoped(language);
    Open();
    EXPECT_EQ(Page().SelectionBox()->geometry(), QRect(27, 136, 504, 163));
    const int tops[] = {152, 183, 201, 238, 257, 275};
    for (std::size_t k = 0; k < SearchPage::kRows; ++k) {
      EXPECT_EQ(Page().Captions()[k]->pos(), QPoint(229, tops[k])) << k;
      EXPECT_EQ(Page().Values()[k]->geometry(), QRect(357, tops[k], 168, 15)) << k;
    }
    ClickButton(*Page().Window(), kIdSearchExit);
  }
}

}  // namespace
}  // namespace tamberlyx::test
