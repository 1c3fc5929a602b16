#include "ui/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace tamberlyx {
namespace {

int Clamp(int position, int extent, int low, int high) {
  if (position + extent > high) position = high - extent;
  return std::max(position, low);
}

bool UsableOwner(const QWidget* mainWindow) {
  return mainWindow != nullptr && mainWindow->isVisible() && !mainWindow->isMinimized();
}

QRect PrimaryWorkArea() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect();
}

QRect NearestWorkArea(const QWidget& mainWindow) {
  const QScreen* screen = QGuiApplication::screenAt(mainWindow.frameGeometry().center());
  if (!screen) screen = mainWindow.screen();
  return screen ? screen->availableGeometry() : PrimaryWorkArea();
}

// The frame a window will have once shown: its client size plus the main window's decoration.
QSize FrameSize(const QWidget& window, const QWidget* mainWindow) {
  QSize size = window.size();
  if (mainWindow) size += mainWindow->frameGeometry().size() - mainWindow->geometry().size();
  return size;
}

}  // namespace

QPoint CentredPosition(const QRect& over, const QSize& size, const QRect& workArea) {
  // Right and bottom as the first column and row outside, like a window rectangle.
  const int right = over.left() + over.width();
  const int bottom = over.top() + over.height();
  int left = (over.left() + right) / 2 - size.width() / 2;
  int top = (over.top() + bottom) / 2 - size.height() / 2;
  if (workArea.isValid()) {
    left = Clamp(left, size.width(), workArea.left(), workArea.left() + workArea.width());
    top = Clamp(top, size.height(), workArea.top(), workArea.top() + workArea.height());
  }
  return QPoint(left, top);
}

void CentreOverMainWindow(QWidget& window, const QWidget* mainWindow) {
  const QSize size = FrameSize(window, mainWindow);
  if (!UsableOwner(mainWindow)) {
    const QRect workArea = PrimaryWorkArea();
    window.move(CentredPosition(workArea, size, workArea));
    return;
  }
  window.move(CentredPosition(mainWindow->frameGeometry(), size, NearestWorkArea(*mainWindow)));
}

}  // namespace tamberlyx
