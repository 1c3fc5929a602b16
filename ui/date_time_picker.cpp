#include "ui/date_time_picker.h"

#include <QDateTimeEdit>

namespace tamberlyx {
namespace {

// The locale's short date with the full year: a two-digit year cannot be edited unambiguously.
QString ShortDateFormat(const QLocale& locale) {
  QString format = locale.dateFormat(QLocale::ShortFormat);
  if (!format.contains(QLatin1String("yyyy"))) format.replace(QLatin1String("yy"), "yyyy");
  return format;
}

// The locale's short time with seconds, which it usually leaves out.
QString TimeWithSecondsFormat(const QLocale& locale) {
  QString format = locale.timeFormat(QLocale::ShortFormat);
  if (!format.contains(QLatin1Char('s'))) format.replace(QLatin1String("mm"), "mm:ss");
  return format;
}

QDateTimeEdit* MakePicker(QWidget& parent) {
  auto* picker = new QDateTimeEdit(&parent);
  // Wall-clock fields without a time zone, so that no date or time falls into a summer-time gap.
  picker->setTimeSpec(Qt::UTC);
  const QDateTime now = QDateTime::currentDateTime();
  picker->setDateTime(QDateTime(now.date(), now.time(), Qt::UTC));
  return picker;
}

}  // namespace

QDateTimeEdit* MakeDatePicker(QWidget& parent) {
  QDateTimeEdit* picker = MakePicker(parent);
  picker->setDisplayFormat(ShortDateFormat(picker->locale()));
  picker->setCalendarPopup(true);
  return picker;
}

QDateTimeEdit* MakeTimePicker(QWidget& parent) {
  QDateTimeEdit* picker = MakePicker(parent);
  picker->setDisplayFormat(TimeWithSecondsFormat(picker->locale()));
  return picker;
}

}  // namespace tamberlyx
