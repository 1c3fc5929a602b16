// What a device reports is shown as the text itself: markup is neither rendered nor followed
// (an <img> naming a FIFO would block the GUI thread for good), and characters that are not
// text show as a replacement, on Step 1 and in both columns of Step 4.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QDir>
#include <QListWidget>
#include <QTemporaryDir>

#include "device/fake_devices.h"
#include "pages/page_ids.h"
#include "pages/page_templates.h"
#include "pages/switch_to_page.h"
#include "tests/gui/harness/gui_actions.h"
#include "tests/gui/harness/search_actions.h"
#include "tests/gui/harness/shell_fixture.h"
#include "ui/color_label.h"
#include "ui/page_label.h"

namespace tamberlyx::test {
namespace {

constexpr char kDevice[] = "192.168.0.20";
const QString kReplacement(QChar(0xFFFD));

struct HostileCase {
  std::string value;
  QString shown;
};

class HostileTextTest : public ShellFixture {
 protected:
  HostileTextTest() {
    const QString fifo = m_dir.filePath(QStringLiteral("fifo"));
    EXPECT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    m_img = "<img src=\"" + fifo.toStdString() + "\">";
  }
  std::vector<HostileCase> Cases() const {
    return {
        {"<b>bold</b>", "<b>bold</b>"},
        {"<i>gw</i>", "<i>gw</i>"},
        {"<font color=red>dns</font>", "<font color=red>dns</font>"},
        {m_img, QString::fromStdString(m_img)},
        {"a\xE2\x80\xAE"
         "cba",
         "a" + kReplacement + "cba"},  // right-to-left override
        {"x\xE2\x81\xA6y\xE2\x81\xA9", "x" + kReplacement + "y" + kReplacement},  // isolates
        {"\xE2\x80\xAA"
         "e\xE2\x80\xAC",
         kReplacement + "e" + kReplacement},  // embedding, pop
        {"c1\xC2\x9B"
         "2J\x1b[0m",
         "c1" + kReplacement + "2J" + kReplacement + "[0m"},
        {std::string(980, 'v'), QString(980, QLatin1Char('v'))},
    };
  }
  // Every label literal and of plain format, with the window painted (where a rich label
  // would lay out its document and load its images).
  static void ExpectShown(const ColorLabel& label, const QString& shown, const std::string& v) {
    EXPECT_EQ(label.text(), shown) << v;
    EXPECT_EQ(label.textFormat(), Qt::PlainText) << v;
  }

  QTemporaryDir m_dir;
  std::string m_img;
};

TEST_F(HostileTextTest, StepOneShowsEachValueLiterally) {
  for (const HostileCase& c : Cases()) {
    device::DeviceOptions options;
    options.settings = "sys.hostname=" + c.value.substr(0, 880) +
                       "&sys.gateway=" + c.value.substr(0, 40) +
                       "&nwk.mac=" + c.value.substr(0, 40);
    device::AddDevice(m_services.Network(), kDevice, options);
    SwitchToPage(nullptr, m_wizard.Step1(), kSearchTemplateId);
    WaitForSearch(m_wizard.Step1());
    ASSERT_EQ(m_wizard.Step1().DeviceListBox()->count(), 1) << c.value;
    m_wizard.Step1().Window()->grab();
    const auto& values = m_wizard.Step1().Values();
    ExpectShown(*values[0], c.shown.left(880), c.value);
    ExpectShown(*values[3], c.shown.left(40), c.value);
    ExpectShown(*values[5], c.shown.left(40), c.value);
    m_wizard.Step1().DestroyWindow();
    m_services.Network().RemovePeer(kDevice);
  }
}

TEST_F(HostileTextTest, StepFourShowsEachValueLiterallyInBothColumns) {
  for (const HostileCase& c : Cases()) {
    const std::string settings = "sys.hostname=" + c.value;
    m_wizard.Buffers() = {settings, settings, kDevice, "admin"};
    ASSERT_TRUE(SwitchToPage(nullptr, m_wizard.Step4(), kSaveTemplateId));
    m_wizard.Step4().Window()->grab();
    ExpectShown(*m_wizard.Step4().OldValues()[0], c.shown, c.value);
    ExpectShown(*m_wizard.Step4().NewValues()[0], c.shown, c.value);
    m_wizard.Step4().DestroyWindow();
  }
}

// Whatever a page label is given, however it came, it shows as written.
TEST(PageLabel, ShowsEntitiesAndMarkupAsWritten) {
  QWidget window;
  for (const char* text : {"&lt;b&gt;", "<b>x</b>", "&amp;", "<a href=\"x\">y</a>"}) {
    ColorLabel* label =
        MakePageLabel(window, QString::fromUtf8(text), QRect(0, 0, 99, 20), window.font());
    label->setText(QString::fromUtf8(text));
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    EXPECT_EQ(label->text(), QString::fromUtf8(text));
  }
}

}  // namespace
}  // namespace tamberlyx::test
