#pragma once

class QWidget;

namespace tamberlyx {

// A control's template id, kept on the widget so that pages and tests can find it.
void SetControlId(QWidget& control, int id);
// The id, or kNoControlId for widgets that have none.
int ControlId(const QWidget& control);
// The first descendant of `window` with the id (not inside other top-level windows), or nullptr.
QWidget* FindControl(const QWidget& window, int id);

}  // namespace tamberlyx
