#pragma once

#include <QLineEdit>

namespace tamberlyx {

// A single-line edit that turns every letter it receives into lower case, whether typed,
// pasted or set by the program. Typing and pasting stop at the typing limit; a longer text set
// by the program is shown and kept whole, and can be shortened but not lengthened.
class LowerCaseEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit LowerCaseEdit(QWidget* parent = nullptr);

  // 0: no limit.
  void SetTypingLimit(int characters);
  // Sets the text, however long.
  void SetValue(const QString& text);

 private:
  void FitMaxLength(int textLength);

  int m_typingLimit = 0;
};

}  // namespace tamberlyx
