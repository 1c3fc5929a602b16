#include "ui/keyboard_access.h"

#include <QWidget>

#include "ui/ip_address_edit.h"

namespace tamberlyx {

void SetTabChain(std::initializer_list<QWidget*> controls) {
  QWidget* previous = nullptr;
  for (QWidget* control : controls) {
    if (control == nullptr) continue;
    if (previous != nullptr) QWidget::setTabOrder(previous, control);
    previous = control;
  }
}

void NameAfterCaption(QWidget& control, const QString& caption) {
  const QString name = caption.simplified();
  control.setAccessibleName(name);
  if (auto* address = qobject_cast<IpAddressEdit*>(&control)) address->NameFields(name);
}

}  // namespace tamberlyx
