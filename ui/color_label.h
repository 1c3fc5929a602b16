#pragma once

#include <QLabel>

#include "ui/color_control.h"

namespace tamberlyx {

// A static text with its own text colour. On a skinned page it is drawn straight onto the
// picture in its text colour; its background colour never shows there. It shows its text
// literally, whoever sets it.
class ColorLabel : public ColorControl<QLabel> {
  Q_OBJECT

 public:
  explicit ColorLabel(QWidget* parent = nullptr);
  ColorLabel(const QString& text, QWidget* parent = nullptr);
};

}  // namespace tamberlyx
