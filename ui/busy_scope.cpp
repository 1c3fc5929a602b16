#include "ui/busy_scope.h"

#include <QApplication>
#include <QCursor>

namespace tamberlyx {

BusyScope::BusyScope() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (!window->isEnabled()) continue;
    window->setEnabled(false);
    m_disabled.emplace_back(window);
  }
}

BusyScope::~BusyScope() {
  QCoreApplication::processEvents();  // the input that queued up meets disabled windows
  for (const QPointer<QWidget>& window : m_disabled) {
    if (window) window->setEnabled(true);
  }
  QApplication::restoreOverrideCursor();
}

}  // namespace tamberlyx
