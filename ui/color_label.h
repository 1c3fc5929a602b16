#pragma once

#include <QLabel>

#include "ui/control_colors.h"

namespace tamberlyx {

// A static text with its own text colour. On a skinned page it is drawn straight onto the
// picture in its text colour; its background colour never shows there.
class CColorLabel : public QLabel {
 public:
  explicit CColorLabel(QWidget* parent = nullptr);
  CColorLabel(const QString& text, QWidget* parent = nullptr);

  void SetTextColor(const QColor& color) { m_colors.SetTextColor(*this, color); }
  void SetBackColor(const QColor& color) { m_colors.SetBackColor(*this, color); }
  QColor TextColor() const { return m_colors.TextColor(); }
  QColor BackColor() const { return m_colors.BackColor(); }

 private:
  ControlColors m_colors;
};

}  // namespace tamberlyx
