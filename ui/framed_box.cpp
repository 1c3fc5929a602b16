#include "ui/framed_box.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace tamberlyx {

FramedBox::FramedBox(QSize clientSize, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint) {
  setFixedSize(clientSize);
}

void FramedBox::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  // Without a title bar the window manager may draw no border at all; draw our own.
  QPainter painter(this);
  QStyleOptionFrame frame;
  frame.initFrom(this);
  frame.lineWidth = 2;
  frame.midLineWidth = 0;
  frame.state |= QStyle::State_Raised;
  style()->drawPrimitive(QStyle::PE_Frame, &frame, &painter, this);
}

}  // namespace tamberlyx
