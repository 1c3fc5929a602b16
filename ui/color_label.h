#pragma once

#include <QLabel>

#include "ui/color_control.h"

namespace tamberlyx {

// A static text with its own text colour. On a skinned page it is drawn straight onto the
// picture in its text colour; its background colour never shows there.
class CColorLabel : public ColorControl<QLabel> {
  Q_OBJECT

 public:
  using ColorControl::ColorControl;
};

}  // namespace tamberlyx
