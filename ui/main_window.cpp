#include "ui/main_window.h"

#include <QPointer>
#include <QWidget>

namespace tamberlyx {
namespace {

QPointer<QWidget>& MainWindowSlot() {
  static QPointer<QWidget> window;
  return window;
}

}  // namespace

void SetApplicationMainWindow(QWidget* window) {
  MainWindowSlot() = window;
}

QWidget* ApplicationMainWindow() {
  return MainWindowSlot().data();
}

}  // namespace tamberlyx
