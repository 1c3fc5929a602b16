#include "ui/empty_list_note.h"

#include <QFontInfo>
#include <limits>
#include <utility>

namespace tamberlyx {
namespace {

constexpr int kMargin = 1;
// Only when no count of names fits at the list's own font (another program holding the port
// adds a line): smaller, but never unreadable.
constexpr double kSmallestPoints = 7;
constexpr double kPointStep = 0.5;
constexpr int kFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

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

void EmptyListNote::Show(const TextNaming& text, std::size_t total) {
  if (!m_list || !m_label) return;
  m_label->setGeometry(m_list->viewport()->rect().adjusted(kMargin, kMargin, -kMargin, -kMargin));
  m_label->setFont(m_list->font());
  m_label->setText(Fitting(text, total));
  ShrinkUntilItFits();
  m_label->show();
  m_list->setAccessibleDescription(m_label->text());
}

void EmptyListNote::Hide() {
  if (m_label) m_label->hide();
  if (m_list) m_list->setAccessibleDescription(QString());
}

// A smaller font would fit more names, but a few lines of them could no longer be read. When no
// count fits, the text of the fewest lines leaves the most of the rest in view.
QString EmptyListNote::Fitting(const TextNaming& text, std::size_t total) const {
  const QRect area = m_label->contentsRect();
  QString fewestLines;
  int fewestHeight = std::numeric_limits<int>::max();
  for (std::size_t shown = total + 1; shown-- > 0;) {
    QString candidate = text(shown);
    const QRect needed = m_label->fontMetrics().boundingRect(area, kFlags, candidate);
    if (needed.width() <= area.width() && needed.height() <= area.height()) return candidate;
    if (needed.height() < fewestHeight) {
      fewestLines = std::move(candidate);
      fewestHeight = needed.height();
    }
  }
  return fewestLines;
}

bool EmptyListNote::Fits() const {
  const QRect area = m_label->contentsRect();
  const QRect needed = m_label->fontMetrics().boundingRect(area, kFlags, m_label->text());
  return needed.width() <= area.width() && needed.height() <= area.height();
}

void EmptyListNote::ShrinkUntilItFits() {
  QFont font = m_label->font();
  for (double points = QFontInfo(font).pointSizeF(); points > kSmallestPoints && !Fits();) {
    points -= kPointStep;
    font.setPointSizeF(points);
    m_label->setFont(font);
  }
}

}  // namespace tamberlyx
