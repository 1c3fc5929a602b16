#include "ui/color_label.h"

namespace tamberlyx {

CColorLabel::CColorLabel(QWidget* parent) : QLabel(parent) {
  m_colors.Apply(*this);
}

CColorLabel::CColorLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  m_colors.Apply(*this);
}

}  // namespace tamberlyx
