#include "ui/empty_list_note.h"

#include <QFontInfo>

namespace tamberlyx {
namespace {

constexpr int kMargin = 1;
constexpr double kSmallestPoints = 6;
constexpr double kPointStep = 0.5;
constexpr int kFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

bool Fits(const QLabel& label) {
  const QRect area = label.contentsRect();
  const QRect needed = label.fontMetrics().boundingRect(area, kFlags, label.text());
  return needed.width() <= area.width() && needed.height() <= area.height();
}

}  // namespace

EmptyListNote::EmptyListNote(QListWidget& list) : m_list(&list) {
  auto* label = new QLabel(list.viewport());
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);  // clicks still reach the list
  label->hide();
  m_label = label;
}

void EmptyListNote::Show(const QString& text) {
  if (!m_list || !m_label) return;
  m_label->setGeometry(m_list->viewport()->rect().adjusted(kMargin, kMargin, -kMargin, -kMargin));
  m_label->setText(text);
  FitFont();
  m_label->show();
  m_list->setAccessibleDescription(text);
}

void EmptyListNote::Hide() {
  if (m_label) m_label->hide();
  if (m_list) m_list->setAccessibleDescription(QString());
}

void EmptyListNote::FitFont() {
  QFont font = m_list->font();
  m_label->setFont(font);
  for (double points = QFontInfo(font).pointSizeF(); points > kSmallestPoints && !Fits(*m_label);) {
    points -= kPointStep;
    font.setPointSizeF(points);
    m_label->setFont(font);
  }
}

}  // namespace tamberlyx
