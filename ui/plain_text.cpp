#include "ui/plain_text.h"

#include <QLabel>

#include "protocol/display_text.h"

namespace tamberlyx {

QString DeviceText(std::string_view bytes) {
  return QString::fromStdString(DisplayText(bytes, "\xEF\xBF\xBD"));  // U+FFFD
}

void ShowLiterally(QLabel& label) {
  label.setTextFormat(Qt::PlainText);
  label.setTextInteractionFlags(Qt::NoTextInteraction);
  label.setOpenExternalLinks(false);
}

QLabel* MakePlainLabel(QWidget& parent, const QString& text) {
  auto* label = new QLabel(&parent);
  ShowLiterally(*label);
  label->setText(text);
  return label;
}

}  // namespace tamberlyx
