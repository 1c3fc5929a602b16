#include "ui/skinned_dialog.h"

#include <QPainter>

#include "ui/skin_pictures.h"

namespace tamberlyx {

SkinnedDialog::SkinnedDialog(const QString& picturePath, QWidget* parent, Qt::WindowFlags flags)
    : QDialog(parent, flags), m_picturePath(picturePath), m_staticColors(*this) {}

void SkinnedDialog::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.drawPixmap(0, 0, SkinPicture(m_picturePath));
}

}  // namespace tamberlyx
