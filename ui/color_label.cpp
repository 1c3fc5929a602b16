#include "ui/color_label.h"

#include "ui/plain_text.h"

namespace tamberlyx {

ColorLabel::ColorLabel(QWidget* parent) : ColorControl(parent) {
  ShowLiterally(*this);
}

// The format is fixed before the text arrives, so no text is ever read as markup.
ColorLabel::ColorLabel(const QString& text, QWidget* parent) : ColorControl(parent) {
  ShowLiterally(*this);
  setText(text);
}

}  // namespace tamberlyx
