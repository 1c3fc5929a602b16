#include "ui/wrapped_text.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextLayout>
#include <QTextOption>

namespace tamberlyx {

QString WrapToWidth(const QString& text, const QFont& font, int width) {
  QTextLayout layout(text, font);
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);
  QStringList lines;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(width);
    lines << text.mid(line.textStart(), line.textLength()).trimmed();
  }
  layout.endLayout();
  return lines.join(QLatin1Char('\n'));
}

void SetWrappedButtonText(QAbstractButton& button, const QString& text) {
  const bool checkBox = qobject_cast<QCheckBox*>(&button) != nullptr;
  QStyle& style = *button.style();
  const int indicator = style.pixelMetric(
      checkBox ? QStyle::PM_IndicatorWidth : QStyle::PM_ExclusiveIndicatorWidth, nullptr, &button);
  const int spacing = style.pixelMetric(
      checkBox ? QStyle::PM_CheckBoxLabelSpacing : QStyle::PM_RadioButtonLabelSpacing, nullptr,
      &button);
  button.setText(WrapToWidth(text, button.font(), button.width() - indicator - spacing));
}

}  // namespace tamberlyx
