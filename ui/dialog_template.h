#pragma once

#include <vector>

namespace tamberlyx {

// The OK and cancel commands of every dialog (Enter and Escape reach them).
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

// Controls without an id of their own (group boxes, run-time labels) carry this one.
inline constexpr int kNoControlId = 65535;

enum class ControlKind {
  kPushButton,
  kDefaultPushButton,
  kGroupBox,
  kDropDownList,  // its height includes the opened list
  kDatePicker,
  kTimePicker,
  kLowerCaseEdit,  // single line with a border
  kIpAddress,
  kListBox,  // one selection, in the order lines were added
};

// One control of a dialog template; position and size in dialog units.
struct ControlTemplate {
  int id = kNoControlId;
  ControlKind kind = ControlKind::kPushButton;
  int x = 0, y = 0, width = 0, height = 0;
  const char* text = "";  // the template's own text
  unsigned textId = 0;    // string shown instead once the dialog initialises; 0 keeps `text`
  bool visible = true;
};

// A dialog template: client size in dialog units, caption (never translated), controls.
struct DialogTemplate {
  unsigned id = 0;
  int width = 0, height = 0;
  const char* caption = "";
  std::vector<ControlTemplate> controls;
};

}  // namespace tamberlyx
