#include "ui/framed_box.h"

#include <qdrawutil.h>
#include <QPainter>

namespace tamberlyx {

FramedBox::FramedBox(QSize clientSize, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint) {
  setFixedSize(clientSize);
}

void FramedBox::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  // Without a title bar the window manager may draw no border at all; draw our own.
  QPainter painter(this);
  qDrawWinPanel(&painter, rect(), palette(), false);
}

}  // namespace tamberlyx
