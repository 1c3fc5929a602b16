// Step 3 over the shell: what it shows for a device's settings and what Next writes back.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDateTimeEdit>
#include <QDialog>

#include "pages/page_ids.h"
#include "pages/page_templates.h"
#include "pages/switch_to_page.h"
#include "tests/gui/harness/gui_actions.h"
#include "tests/gui/harness/shell_fixture.h"
#include "ui/color_label.h"

namespace tamberlyx::test {
namespace {

constexpr char kDay[] = "date=2008/4/11&time=9:5:0&";
constexpr char kDayWritten[] = "date=2008/04/11&time=09:05:00&";

class DateTimePageTest : public ShellFixture {
 protected:
  DateTimePage& Page() { return m_wizard.Step3(); }
  void Open(const std::string& settings) {
    m_wizard.Buffers().newSettings = settings;
    m_wizard.SetVerifiedDevice(SelectedDevice(m_wizard.Buffers()));
    ASSERT_TRUE(SwitchToPage(nullptr, Page(), kDateTimeTemplateId));
  }
  template <class Control>
  Control& Find(int id) {
    return *qobject_cast<Control*>(Page().Control(id));
  }
  QComboBox& TimeZones() { return Find<QComboBox>(kIdTimeZone); }
  QComboBox& NtpServers() { return Find<QComboBox>(kIdNtpServer); }
  QDateTimeEdit& DatePicker() { return Find<QDateTimeEdit>(kIdDate); }
  QDateTimeEdit& TimePicker() { return Find<QDateTimeEdit>(kIdTime); }
  const std::string& Next() {
    ClickButton(*Page().Window(), kIdDateTimeNext);
    m_wizard.Step4().DestroyWindow();  // so that the next Next writes again
    return m_wizard.Buffers().newSettings;
  }
};

TEST_F(DateTimePageTest, ShowsTheDeviceValuesAndNextWritesTheFourEntries) {
  struct Case {
    std::string settings;  // after kDay
    int row;               // 1-based
    const char* ntpItem;   // nullptr: none selected
    std::string written;   // after kDayWritten
  };
  const Case cases[] = {
      {"sys.Time.timeZone=Seoul&sys.Time.ntpServerList=ntpa,ntpb&sys.Time.ntpServer=none&x=1", 52,
       "None",
       "sys.Time.timeZone=Seoul&sys.Time.ntpServerList=ntpa,ntpb&sys.Time.ntpServer=none&x=1"},
      {"sys.Time.timeZone=Tokyo", 51, "None", "sys.Time.timeZone=Osaka"},
      {"sys.Time.timeZone=KST", 1, "None", "sys.Time.timeZone=Eniwetok"},
      {"sys.Time.ntpServerList=ntpa,ntpb&sys.Time.ntpServer=NTPB", 1, "ntpb",
       "sys.Time.ntpServerList=ntpa,ntpb&sys.Time.ntpServer=ntpb"},
      {"sys.Time.ntpServer=elsewhere", 1, nullptr, "sys.Time.ntpServer=elsewhere"},
      // Bytes that are not UTF-8 go back as the device sent them.
      {"sys.Time.ntpServerList=caf\xe9&sys.Time.ntpServer=caf\xe9", 1, "caf\xef\xbf\xbd",
       "sys.Time.ntpServerList=caf\xe9&sys.Time.ntpServer=caf\xe9"},
  };
  for (const Case& c : cases) {
    Open(kDay + c.settings);
    EXPECT_EQ(TimeZones().currentIndex() + 1, c.row) << c.settings;
    EXPECT_EQ(DatePicker().date(), QDate(2008, 4, 11));
    EXPECT_EQ(TimePicker().time(), QTime(9, 5, 0));
    EXPECT_EQ(NtpServers().currentText(), c.ntpItem ? QString::fromUtf8(c.ntpItem) : QString());
    EXPECT_FALSE(NtpServers().isVisible());
    EXPECT_EQ(Next(), kDayWritten + c.written);
  }
}

TEST_F(DateTimePageTest, AnUnreadableDateKeepsThePcsDateAndTimeInBothPickers) {
  for (const char* settings : {"time=9:5:0", "date=2008/13/45&time=9:5:0"}) {
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    Open(settings);
    const QDateTime shown(TimePicker().date(), TimePicker().time());
    EXPECT_TRUE(shown >= before && shown <= QDateTime::currentDateTime()) << settings;
    EXPECT_EQ(DatePicker().date(), shown.date());
    const std::string time = shown.time().toString(QStringLiteral("HH:mm:ss")).toStdString();
    EXPECT_NE(Next().find("time=" + time), std::string::npos) << settings;
  }
}

TEST_F(DateTimePageTest, EachControlWritesItsOwnPart) {
  Open(std::string(kDay) + "sys.Time.timeZone=Seoul");
  TimeZones().setCurrentIndex(18);
  DatePicker().setDate(QDate(2010, 1, 2));  // the time picker still holds 11 April 2008
  TimePicker().setTime(QTime(23, 59, 58));  // the date picker still holds midnight
  EXPECT_EQ(Next(), "date=2010/01/02&time=23:59:58&sys.Time.timeZone=Buenos");
}

// The labels stand inside the page, clear of each other and of the fields beside them.
TEST_F(DateTimePageTest, LabelsInBothLanguages) {
  for (const Language language : {Language::kEnglish, Language::kKorean}) {
    const ScopedLanguage scoped(language);
    Open(kDay);
    std::vector<QRect> rects{Page().StepNumberLabel()->geometry(), Page().TitleLabel()->geometry()};
    const int tops[] = {88, 169, 249};  // 0.25 H, then 0.228 H further each, H = 354
    for (std::size_t i = 0; i < Page().FieldLabels().size(); ++i) {
      const ColorLabel& label = *Page().FieldLabels()[i];
      EXPECT_EQ(label.pos(), QPoint(39, tops[i]));
      EXPECT_GE(label.width(), label.fontMetrics().horizontalAdvance(label.text()));
      rects.push_back(label.geometry());
    }
    const QWidget* fields[] = {&TimeZones(), &DatePicker(), &TimePicker()};
    for (std::size_t i = 0; i < rects.size(); ++i) {
      EXPECT_TRUE(Page().Window()->rect().contains(rects[i])) << i;
      for (std::size_t j = i + 1; j < rects.size(); ++j)
        EXPECT_FALSE(rects[i].intersects(rects[j]));
      for (const QWidget* field : fields) EXPECT_FALSE(rects[i].intersects(field->geometry())) << i;
    }
    Page().DestroyWindow();
  }
}

}  // namespace
}  // namespace tamberlyx::test
