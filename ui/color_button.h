#pragma once

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <type_traits>

#include "ui/control_colors.h"

namespace tamberlyx {

// A group box, radio button or check box with its own text colour, as the pages use them.
// One template over the three widget kinds, because the colours behave the same on each.
template <class Button>
class CColorButton : public Button {
  static_assert(std::is_base_of_v<QAbstractButton, Button> || std::is_base_of_v<QGroupBox, Button>,
                "CColorButton colours button-like widgets only");

 public:
  explicit CColorButton(QWidget* parent = nullptr) : Button(parent) { m_colors.Apply(*this); }
  CColorButton(const QString& text, QWidget* parent = nullptr) : Button(text, parent) {
    m_colors.Apply(*this);
  }

  void SetTextColor(const QColor& color) { m_colors.SetTextColor(*this, color); }
  void SetBackColor(const QColor& color) { m_colors.SetBackColor(*this, color); }
  QColor TextColor() const { return m_colors.TextColor(); }
  QColor BackColor() const { return m_colors.BackColor(); }

 private:
  ControlColors m_colors;
};

using CColorGroupBox = CColorButton<QGroupBox>;
using CColorRadioButton = CColorButton<QRadioButton>;
using CColorCheckBox = CColorButton<QCheckBox>;

}  // namespace tamberlyx
