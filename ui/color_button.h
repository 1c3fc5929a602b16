#pragma once

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <type_traits>

#include "ui/color_control.h"

namespace tamberlyx {

// A group box, radio button or check box with its own text colour, as the pages use them.
// One template over the three widget kinds, because the colours behave the same on each.
template <class Button>
class ColorButton : public ColorControl<Button> {
  static_assert(std::is_base_of_v<QAbstractButton, Button> || std::is_base_of_v<QGroupBox, Button>,
                "ColorButton colours button-like widgets only");

 public:
  using ColorControl<Button>::ColorControl;
};

using ColorGroupBox = ColorButton<QGroupBox>;
using ColorRadioButton = ColorButton<QRadioButton>;
using ColorCheckBox = ColorButton<QCheckBox>;

}  // namespace tamberlyx
