#pragma once

class QWidget;

namespace tamberlyx {

// The application's main window (the welcome dialog while it exists): owner of the pages and
// the fall-back owner of the progress boxes. Forgotten automatically when it is destroyed.
void SetApplicationMainWindow(QWidget* window);
QWidget* ApplicationMainWindow();

}  // namespace tamberlyx
