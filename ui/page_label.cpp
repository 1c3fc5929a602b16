#include "ui/page_label.h"

#include <QFont>
#include <QRect>

#include "ui/color_label.h"
#include "ui/dialog_template.h"

namespace tamberlyx {

ColorLabel* MakePageLabel(QWidget& window, const QString& text, const QRect& rect,
                          const QFont& font, const QColor& textColor) {
  return PlacePageControl(new ColorLabel(text, &window), kNoControlId, rect, font, textColor);
}

ColorCheckBox* MakePageCheckBox(QWidget& window, const QString& text, const QRect& rect,
                                const QFont& font, int id) {
  auto* box = new ColorCheckBox(text, &window);
  box->setFocusPolicy(Qt::StrongFocus);
  return PlacePageControl(box, id, rect, font, QColor(0, 0, 0));
}

}  // namespace tamberlyx
