#pragma once

class QComboBox;
class QRect;
class QWidget;

namespace tamberlyx {

// A drop-down list the user picks from without typing, in the order its items were added.
QComboBox* MakeDropDownList(QWidget& parent);

// Places it from a rectangle whose height includes the opened list: the closed box keeps its
// own height and the list shows as many rows as fit beneath it (at least one).
void PlaceDropDownList(QComboBox& list, const QRect& withOpenList);

}  // namespace tamberlyx
