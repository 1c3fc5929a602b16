#include "ui/drop_down_list.h"

#include <QComboBox>
#include <QRect>
#include <algorithm>

namespace tamberlyx {

QComboBox* MakeDropDownList(QWidget& parent) {
  auto* list = new QComboBox(&parent);
  // A list that opens beneath the box, as long as the template allows, rather than a menu
  // over it as tall as its items.
  list->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
  return list;
}

void PlaceDropDownList(QComboBox& list, const QRect& withOpenList) {
  const int boxHeight = list.sizeHint().height();
  list.setGeometry(withOpenList.x(), withOpenList.y(), withOpenList.width(), boxHeight);
  const int rowHeight = std::max(1, list.fontMetrics().height());
  list.setMaxVisibleItems(std::max(1, (withOpenList.height() - boxHeight) / rowHeight));
}

}  // namespace tamberlyx
