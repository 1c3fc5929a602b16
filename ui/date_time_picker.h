#pragma once

class QDateTimeEdit;
class QWidget;

namespace tamberlyx {

// Date and time pickers. Each holds a whole date and time of day but shows one part of it, in
// the user's regional format; both start at the PC's current date and time and keep the value
// they were given (they do not follow the clock). The date picker drops down a calendar; the
// time picker steps with up-down buttons.
QDateTimeEdit* MakeDatePicker(QWidget& parent);
QDateTimeEdit* MakeTimePicker(QWidget& parent);

}  // namespace tamberlyx
