#include "ui/control_colors.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace tamberlyx {
namespace {

// Every colour group: a page disabled behind a progress box keeps its label colours.
void SetRoleColor(QWidget& widget, QPalette::ColorRole role, const QColor& color) {
  QPalette palette = widget.palette();
  palette.setColor(role, color);
  widget.setPalette(palette);
}

}  // namespace

ControlColors::ControlColors()
    : m_text(Qt::black), m_back(QApplication::palette().color(QPalette::Button)) {}

void ControlColors::SetTextColor(QWidget& widget, const QColor& color) {
  m_text = color;
  SetRoleColor(widget, QPalette::WindowText, color);
  SetRoleColor(widget, QPalette::Text, color);  // group box titles and button labels
  widget.update();
}

void ControlColors::SetBackColor(QWidget& widget, const QColor& color) {
  m_back = color;
  SetRoleColor(widget, QPalette::Window, color);
  widget.update();
}

void ControlColors::Apply(QWidget& widget) const {
  SetRoleColor(widget, QPalette::WindowText, m_text);
  SetRoleColor(widget, QPalette::Text, m_text);
  SetRoleColor(widget, QPalette::Window, m_back);
  widget.setAutoFillBackground(true);
}

void DisableGreyed(QWidget& control) {
  control.setEnabled(false);
  const QPalette platform = QApplication::palette(&control);
  QPalette palette = control.palette();
  for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    palette.setColor(QPalette::Disabled, role, platform.color(QPalette::Disabled, role));
  }
  control.setPalette(palette);
}

}  // namespace tamberlyx
