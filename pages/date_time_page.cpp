#include "pages/date_time_page.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QDialog>

#include "pages/logic/date_time_settings.h"
#include "pages/logic/device_selection.h"
#include "pages/logic/time_zone_table.h"
#include "pages/page_ids.h"
#include "pages/page_messages.h"
#include "pages/page_templates.h"
#include "pages/services.h"
#include "ui/keyboard_access.h"
#include "ui/label_layout.h"
#include "ui/page_label.h"
#include "ui/plain_text.h"
#include "ui/qt_text.h"

namespace tamberlyx {
namespace {

// The field labels down the left of the frame: text, extra average widths of the measure.
struct FieldLabel {
  unsigned textId;
  double extraChars;
};
constexpr std::array<FieldLabel, 3> kFieldLabels{{{128, 3}, {129, 2}, {130, 2}}};
constexpr double kLabelLeft = 0.07;
constexpr double kFirstLabelTop = 0.25;
constexpr double kLabelSpacing = 0.228;
// The one field of the wizard whose text the user can shorten (on Step 2).
constexpr unsigned kServerNameText = 145;

QDateTime ToDateTime(const CalendarValue& v) {
  return QDateTime(QDate(v.year, v.month, v.day), QTime(v.hour, v.minute, v.second), Qt::UTC);
}

CalendarValue ToCalendarValue(const QDateTime& dateTime) {
  const QDate date = dateTime.date();
  const QTime time = dateTime.time();
  return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}

// Each item keeps the device's bytes, which need not be valid UTF-8, to be written back as sent.
void FillNtpServers(QComboBox& list, const DateTimeView& view) {
  for (const std::string& item : view.ntpItems) {
    list.addItem(DeviceText(item), QByteArray::fromStdString(item));
  }
  list.setCurrentIndex(view.ntpSelection ? static_cast<int>(*view.ntpSelection) : -1);
}

}  // namespace

DateTimePage::DateTimePage(const Services& services, DeviceSelection& selection,
                           const PageLinks& links)
    : DevicePage(services, selection, links, DateTimeTemplate(), DateTimeHeader()) {}

void DateTimePage::OnCreate(QDialog& window) {
  const LabelLayout layout(window.size());
  const FontMeasure& measure = Fonts().CaptionMeasure();
  double top = layout.Y(kFirstLabelTop);
  for (std::size_t i = 0; i < kFieldLabels.size(); ++i) {
    const QString text = Text(kFieldLabels[i].textId);
    const double left = layout.X(kLabelLeft);
    const double right = left + LabelLayout::TextWidth(text, kFieldLabels[i].extraChars, measure);
    const QRect rect = LabelLayout::Truncated(left, top, right, top + measure.charHeight);
    m_labels[i] = MakePageLabel(window, text, rect, Fonts().Label());
    top += layout.Y(kLabelSpacing);
  }
}

void DateTimePage::OnInitDialog(QDialog& window) {
  (void)window;
  m_timeZones = qobject_cast<QComboBox*>(Control(kIdTimeZone));
  m_date = qobject_cast<QDateTimeEdit*>(Control(kIdDate));
  m_time = qobject_cast<QDateTimeEdit*>(Control(kIdTime));
  m_ntpServers = qobject_cast<QComboBox*>(Control(kIdNtpServer));
  const DateTimeView view = ReadDateTimeView(Selection().Buffers().newSettings);

  for (const std::string_view row : TimeZoneRows()) {
    m_timeZones->addItem(QString::fromUtf8(row.data(), static_cast<qsizetype>(row.size())));
  }
  m_timeZones->setCurrentIndex(view.timeZoneRow);
  if (view.date) m_date->setDateTime(ToDateTime(*view.date));
  if (view.time) m_time->setDateTime(ToDateTime(*view.time));
  FillNtpServers(*m_ntpServers, view);
  const std::array<QWidget*, 3> fields = {m_timeZones, m_date, m_time};
  for (std::size_t i = 0; i < fields.size(); ++i) NameAfterCaption(*fields[i], m_labels[i]->text());
}

void DateTimePage::OnCommand(int id) {
  if (id == kIdDateTimeNext) OnNext();
  if (id == kIdDateTimeBack) OnBack();
}

void DateTimePage::OnNext() {
  MoveNext([this] { return WriteSettings(); });
}

void DateTimePage::OnBack() {
  MoveBack();
}

bool DateTimePage::WriteSettings() {
  DateTimeChoice choice;
  choice.timeZoneRow = m_timeZones->currentIndex();
  choice.date = ToCalendarValue(m_date->dateTime());
  choice.time = ToCalendarValue(m_time->dateTime());
  if (m_ntpServers->currentIndex() >= 0) {
    choice.ntpItem = m_ntpServers->currentData().toByteArray().toStdString();
  }
  if (WriteDateTimeChoice(Selection().Buffers().newSettings, choice)) return true;
  GetServices().ShowMessage(Window(), page_messages::SettingsDoNotFit(kServerNameText));
  return false;
}

}  // namespace tamberlyx
