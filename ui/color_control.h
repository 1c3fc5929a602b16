#pragma once

#include <QString>

#include "ui/control_colors.h"

class QWidget;

namespace tamberlyx {

// A widget with its own text and background colour: the common part of the colour label and
// the colour buttons.
template <class Widget>
class ColorControl : public Widget {
 public:
  explicit ColorControl(QWidget* parent = nullptr) : Widget(parent) { m_colors.Apply(*this); }
  ColorControl(const QString& text, QWidget* parent = nullptr) : Widget(text, parent) {
    m_colors.Apply(*this);
  }

  void SetTextColor(const QColor& color) { m_colors.SetTextColor(*this, color); }
  void SetBackColor(const QColor& color) { m_colors.SetBackColor(*this, color); }
  QColor TextColor() const { return m_colors.TextColor(); }
  QColor BackColor() const { return m_colors.BackColor(); }

 private:
  ControlColors m_colors;
};

}  // namespace tamberlyx
