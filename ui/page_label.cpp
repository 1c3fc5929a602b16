#include "ui/page_label.h"

#include <QFont>
#include <QRect>

#include "ui/color_label.h"
#include "ui/control_id.h"
#include "ui/dialog_template.h"

namespace tamberlyx {
namespace {

constexpr QColor kLabelBack(0, 128, 128);

}  // namespace

CColorLabel* MakePageLabel(QWidget& window, const QString& text, const QRect& rect,
                           const QFont& font, const QColor& textColor) {
  auto* label = new CColorLabel(text, &window);
  label->setGeometry(rect);
  SetControlId(*label, kNoControlId);
  label->setFont(font);
  label->SetTextColor(textColor);
  label->SetBackColor(kLabelBack);
  label->show();
  return label;
}

CColorCheckBox* MakePageCheckBox(QWidget& window, const QString& text, const QRect& rect,
                                 const QFont& font, int id) {
  auto* box = new CColorCheckBox(text, &window);
  box->setGeometry(rect);
  SetControlId(*box, id);
  box->setFont(font);
  box->setFocusPolicy(Qt::ClickFocus);
  box->SetTextColor(QColor(0, 0, 0));
  box->SetBackColor(kLabelBack);
  box->show();
  return box;
}

}  // namespace tamberlyx
