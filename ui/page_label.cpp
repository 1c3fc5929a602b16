#include "ui/page_label.h"

#include <QFont>
#include <QRect>

#include "ui/color_label.h"
#include "ui/control_id.h"
#include "ui/dialog_template.h"

namespace tamberlyx {

CColorLabel* MakePageLabel(QWidget& window, const QString& text, const QRect& rect,
                           const QFont& font, const QColor& textColor) {
  auto* label = new CColorLabel(text, &window);
  label->setGeometry(rect);
  SetControlId(*label, kNoControlId);
  label->setFont(font);
  label->SetTextColor(textColor);
  label->SetBackColor(kPageLabelBackColor);
  label->show();
  return label;
}

}  // namespace tamberlyx
