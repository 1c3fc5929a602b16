#pragma once

#include <QLabel>
#include <QListWidget>
#include <QPointer>

namespace tamberlyx {

// A short plain text in the empty area of a list, for when the list has nothing to show. The
// list takes it as its description, so assistive technology reads it with the list. The text
// is set smaller until it fits the area.
class EmptyListNote {
 public:
  explicit EmptyListNote(QListWidget& list);

  void Show(const QString& text);
  void Hide();
  QLabel* Label() const { return m_label.data(); }

 private:
  void FitFont();

  QPointer<QListWidget> m_list;
  QPointer<QLabel> m_label;
};

}  // namespace tamberlyx
