#pragma once

#include <QString>
#include <initializer_list>

class QWidget;

namespace tamberlyx {

// Tab visits `controls` in this order; a compound control (the IP address control) counts as
// one place in the chain, with its own fields in their order.
void SetTabChain(std::initializer_list<QWidget*> controls);

// Names `control` for assistive technology after the caption shown beside it, on one line. An
// IP address control names each of its fields ("IP Address, part 1 of 4").
void NameAfterCaption(QWidget& control, const QString& caption);

}  // namespace tamberlyx
