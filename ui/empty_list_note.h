#pragma once

#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <cstddef>
#include <functional>

namespace tamberlyx {

// A short plain text in the empty area of a list, for when the list has nothing to show, in the
// list's own font. The list takes it as its description, so assistive technology reads it with
// the list.
class EmptyListNote {
 public:
  // The text with `shown` of `total` items named; more named makes it longer.
  using TextNaming = std::function<QString(std::size_t shown)>;

  explicit EmptyListNote(QListWidget& list);

  // Names as many of the `total` items as let the whole text fit the list's area; when no
  // count fits, the label shows what it can of the text taking the fewest lines.
  void Show(const TextNaming& text, std::size_t total);
  void Hide();
  QLabel* Label() const { return m_label.data(); }

 private:
  QString Fitting(const TextNaming& text, std::size_t total) const;
  bool Fits() const;
  void ShrinkUntilItFits();

  QPointer<QListWidget> m_list;
  QPointer<QLabel> m_label;
};

}  // namespace tamberlyx
