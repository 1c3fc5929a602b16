#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace tamberlyx {

// Top left corner of a window of `size` centred over `over` (right and bottom exclusive, each
// division truncated), then moved as little as needed to lie within `workArea`.
QPoint CentredPosition(const QRect& over, const QSize& size, const QRect& workArea);

// Centres the (not yet shown) top-level `window` over `mainWindow` within the work area of the
// screen nearest to it; over the primary screen's work area when the main window is missing,
// hidden or minimised.
void CentreOverMainWindow(QWidget& window, const QWidget* mainWindow);

}  // namespace tamberlyx
