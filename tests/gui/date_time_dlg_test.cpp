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
#include "ui/label_layout.h"

namespace tamberlyx::test {
namespace {

constexpr char kDayAndTime[] = "date=2008/4/11&time=9:5:0";
constexpr char kDayAndTimeWritten[] = "date=2008/04/11&time=09:05:00";

class DateTimePageTest : public ShellFixture {
 protected:
  CDateTimeDlg& Page() { return m_wizard.Step3(); }

  void Open(const std::string& settings) {
    m_wizard.Buffers().newSettings = settings;
    ASSERT_TRUE(SwitchToPage(nullptr, Page(), kDateTimeTemplateId));
  }
  template <class Control>
  Control& Find(int id) {
    auto* control = qobject_cast<Control*>(Page().Control(id));
    EXPECT_NE(control, nullptr) << id;
    return *control;
  }
  QComboBox& TimeZones() { return Find<QComboBox>(kIdTimeZone); }
  QComboBox& NtpServers() { return Find<QComboBox>(kIdNtpServer); }
  QDateTimeEdit& DatePicker() { return Find<QDateTimeEdit>(kIdDate); }
  QDateTimeEdit& TimePicker() { return Find<QDateTimeEdit>(kIdTime); }

  const std::string& Next() {
    ClickButton(*Page().Window(), kIdDateTimeNext);
    ProcessEvents();
    return m_wizard.Buffers().newSettings;
  }
};

struct ShowCase {
  const char* name;
  std::string settings;  // followed by kDayAndTime
  int row;               // 1-based
  const char* ntpItem;   // nullptr: no item selected
  std::string written;   // kDayAndTimeWritten is prepended
};

class ShowAndWriteTest : public DateTimePageTest, public testing::WithParamInterface<ShowCase> {};

TEST_P(ShowAndWriteTest, ShowsTheDeviceValuesAndNextWritesThem) {
  Open(std::string(kDayAndTime) + "&" + GetParam().settings);

  EXPECT_EQ(TimeZones().currentIndex() + 1, GetParam().row);
  EXPECT_EQ(DatePicker().date(), QDate(2008, 4, 11));
  EXPECT_EQ(TimePicker().time(), QTime(9, 5, 0));
  if (GetParam().ntpItem) {
    EXPECT_EQ(NtpServers().currentText(), QString::fromUtf8(GetParam().ntpItem));
  } else {
    EXPECT_EQ(NtpServers().currentIndex(), -1);
  }
  EXPECT_EQ(Next(), std::string(kDayAndTimeWritten) + "&" + GetParam().written);
}

const ShowCase kShowCases[] = {
    {"Example",
     "sys.Time.timeZone=Seoul&sys.Time.ntpServerList=ntpa,ntpb&sys.Time.ntpServer=none&locale=en",
     52, "None",
     "sys.Time.timeZone=Seoul&sys.Time.ntpServerList=ntpa,ntpb&sys.Time.ntpServer=none&locale=en"},
    {"TokyoIsInOsakasRow", "sys.Time.timeZone=Tokyo", 51, "None", "sys.Time.timeZone=Osaka"},
    {"UnknownZoneIsRowOne", "sys.Time.timeZone=KST", 1, "None", "sys.Time.timeZone=Eniwetok"},
    {"ExactDesignationWins", "sys.Time.timeZone=Atlantic", 14, "None",
     "sys.Time.timeZone=Atlantic"},
    {"EmptyZoneIsRowOne", "sys.Time.timeZone=", 1, "None", "sys.Time.timeZone=Eniwetok"},
    {"NtpServerByName", "sys.Time.ntpServerList=ntpa,ntpb&sys.Time.ntpServer=ntpb", 1, "ntpb",
     "sys.Time.ntpServerList=ntpa,ntpb&sys.Time.ntpServer=ntpb"},
    {"NtpServerInAnyCase", "sys.Time.ntpServerList=ntpa,ntpb&sys.Time.ntpServer=NTPB", 1, "ntpb",
     "sys.Time.ntpServerList=ntpa,ntpb&sys.Time.ntpServer=ntpb"},
    {"NtpPrefixFromTheThirdItem", "sys.Time.ntpServerList=ntpa,ntpb&sys.Time.ntpServer=nt", 1,
     "ntpb", "sys.Time.ntpServerList=ntpa,ntpb&sys.Time.ntpServer=ntpb"},
    {"EmptyNtpServerBecomesNone", "sys.Time.ntpServerList=ntpa&sys.Time.ntpServer=", 1, "None",
     "sys.Time.ntpServerList=ntpa&sys.Time.ntpServer=none"},
    {"UnofferedNtpServerStays", "sys.Time.ntpServerList=ntpa&sys.Time.ntpServer=elsewhere", 1,
     nullptr, "sys.Time.ntpServerList=ntpa&sys.Time.ntpServer=elsewhere"},
    // Bytes that are not UTF-8 go back as the device sent them.
    {"NtpServerBytesKept", "sys.Time.ntpServerList=caf\xe9&sys.Time.ntpServer=caf\xe9", 1,
     "caf\xef\xbf\xbd", "sys.Time.ntpServerList=caf\xe9&sys.Time.ntpServer=caf\xe9"},
};

INSTANTIATE_TEST_SUITE_P(Settings, ShowAndWriteTest, testing::ValuesIn(kShowCases),
                         [](const testing::TestParamInfo<ShowCase>& param) {
                           return std::string(param.param.name);
                         });

TEST_F(DateTimePageTest, AnUnreadableDateKeepsThePcsDateAndTimeInBothPickers) {
  for (const char* settings : {"time=9:5:0", "date=2008/13/45&time=9:5:0", "date=x&time=9:5:0"}) {
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    Open(std::string(settings) + "&sys.hostname=nas");
    const QDateTime after = QDateTime::currentDateTime().addSecs(1);

    const QDateTime shown(TimePicker().date(), TimePicker().time());
    EXPECT_TRUE(shown >= before && shown <= after) << settings;
    EXPECT_TRUE(DatePicker().date() == before.date() || DatePicker().date() == after.date());
    const QString date = DatePicker().date().toString(QStringLiteral("yyyy/MM/dd"));
    const QString time = TimePicker().time().toString(QStringLiteral("HH:mm:ss"));
    const std::string written = Next();
    EXPECT_NE(written.find("time=" + time.toStdString()), std::string::npos) << written;
    if (std::string(settings).find("date=") != std::string::npos) {
      EXPECT_NE(written.find("date=" + date.toStdString()), std::string::npos) << written;
    }
    m_wizard.Step4().DestroyWindow();
  }
}

TEST_F(DateTimePageTest, ChosenRowDateAndTimeAreWrittenEachFromItsOwnControl) {
  struct Choice {
    int row;
    const char* designation;
  };
  for (const Choice c : {Choice{19, "Buenos"}, Choice{23, "Greenwich"}, Choice{38, "Abu"}}) {
    Open(std::string("sys.Time.timeZone=Seoul&") + kDayAndTime);
    TimeZones().setCurrentIndex(c.row - 1);
    DatePicker().setDate(QDate(2010, 1, 2));  // the time picker still holds 11 April 2008
    TimePicker().setTime(QTime(23, 59, 58));  // the date picker still holds midnight

    EXPECT_EQ(Next(),
              std::string("sys.Time.timeZone=") + c.designation + "&date=2010/01/02&time=23:59:58");
    m_wizard.Step4().DestroyWindow();
  }
}

TEST_F(DateTimePageTest, KeysTheDeviceDidNotReportAreNotAdded) {
  Open("sys.hostname=nas&locale=en");
  EXPECT_EQ(TimeZones().currentIndex(), 0);
  EXPECT_EQ(NtpServers().count(), 1);
  EXPECT_EQ(NtpServers().currentText(), "None");
  EXPECT_EQ(Next(), "sys.hostname=nas&locale=en");
}

TEST_F(DateTimePageTest, BackDropsTheEditsAndOpensTheStep2Inside) {
  const std::string settings = std::string("sys.Time.timeZone=Seoul&") + kDayAndTime;
  Open(settings);
  TimeZones().setCurrentIndex(0);
  ClickButton(*Page().Window(), kIdDateTimeBack);
  ProcessEvents();

  EXPECT_EQ(m_wizard.Buffers().newSettings, settings);
  EXPECT_TRUE(Page().BackPage().HasWindow());
  EXPECT_FALSE(Page().HasWindow());
}

TEST_F(DateTimePageTest, BackFromStep4ShowsWhatNextWrote) {
  Open(std::string("sys.Time.timeZone=Seoul&") + kDayAndTime);
  TimePicker().setTime(QTime(10, 0, 0));
  Next();
  ClickButton(*m_wizard.Step4().Window(), kIdSaveBack);
  ProcessEvents();

  const CDateTimeDlg& again = m_wizard.Step4().BackPage();
  ASSERT_TRUE(again.HasWindow());
  EXPECT_EQ(qobject_cast<QDateTimeEdit*>(again.Control(kIdTime))->time(), QTime(10, 0, 0));
}

TEST_F(DateTimePageTest, TemplateControls) {
  Open(kDayAndTime);
  EXPECT_EQ(TimeZones().count(), 63);
  EXPECT_TRUE(TimeZones().isVisible());
  EXPECT_FALSE(TimeZones().isEditable());
  EXPECT_FALSE(NtpServers().isVisible());
  EXPECT_TRUE(DatePicker().calendarPopup());
  EXPECT_FALSE(TimePicker().calendarPopup());
  // The keyboard starts at the time zone and tabs down the fields to the buttons.
  EXPECT_EQ(TimeZones().nextInFocusChain(), &DatePicker());
  ProcessEvents();
  EXPECT_EQ(Page().Window()->focusWidget(), &TimeZones());
  // The list opens beneath the box, within the template's height.
  EXPECT_GT(TimeZones().maxVisibleItems(), 5);
  EXPECT_LT(TimeZones().maxVisibleItems(), 63);
}

// The three field labels stand one under the other at the same left edge, each inside the
// page and clear of every other label and of the fields beside them.
class FieldLabelTest : public DateTimePageTest, public testing::WithParamInterface<Language> {};

TEST_P(FieldLabelTest, LabelsAreStackedInsideThePageAndClearOfEachOther) {
  const ScopedLanguage language(GetParam());
  Open(kDayAndTime);
  QDialog& window = *Page().Window();
  std::vector<QRect> rects{Page().StepNumberLabel()->geometry(), Page().TitleLabel()->geometry()};
  const int tops[] = {88, 169, 249};  // 0.25 H, then 0.228 H further each, H = 354
  for (std::size_t i = 0; i < Page().FieldLabels().size(); ++i) {
    const CColorLabel& label = *Page().FieldLabels()[i];
    EXPECT_EQ(label.pos(), QPoint(39, tops[i])) << i;
    EXPECT_EQ(label.TextColor(), QColor(0, 0, 0));
    EXPECT_GE(label.width(), label.fontMetrics().horizontalAdvance(label.text()));
    rects.push_back(label.geometry());
  }
  for (std::size_t i = 0; i < rects.size(); ++i) {
    EXPECT_TRUE(window.rect().contains(rects[i])) << i;
    for (std::size_t j = i + 1; j < rects.size(); ++j) {
      EXPECT_FALSE(rects[i].intersects(rects[j])) << i << " " << j;
    }
    const QWidget* fields[] = {&TimeZones(), &DatePicker(), &TimePicker()};
    for (const QWidget* field : fields) {
      EXPECT_FALSE(rects[i].intersects(field->geometry())) << i;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Languages, FieldLabelTest,
                         testing::Values(Language::kEnglish, Language::kKorean));

}  // namespace
}  // namespace tamberlyx::test
