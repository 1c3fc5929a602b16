#include "ui/control_id.h"

#include <QVariant>
#include <QWidget>

#include "ui/dialog_template.h"

namespace tamberlyx {
namespace {

constexpr char kControlIdProperty[] = "tamberlyxControlId";

}  // namespace

void SetControlId(QWidget& control, int id) {
  control.setProperty(kControlIdProperty, id);
}

int ControlId(const QWidget& control) {
  const QVariant id = control.property(kControlIdProperty);
  return id.isValid() ? id.toInt() : kNoControlId;
}

QWidget* FindControl(const QWidget& window, int id) {
  for (QWidget* child : window.findChildren<QWidget*>()) {
    if (child->window() == &window && ControlId(*child) == id) return child;
  }
  return nullptr;
}

}  // namespace tamberlyx
