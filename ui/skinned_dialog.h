#pragma once

#include <QDialog>
#include <QString>

#include "ui/static_colors.h"

namespace tamberlyx {

// A pop-up with caption, system menu and close box, no help or size buttons. Whether it has a
// task-bar entry of its own follows from its owner (none for the welcome dialog, the main
// window for a page).
inline constexpr Qt::WindowFlags kPopupDialogFlags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowCloseButtonHint;

// A dialog whose client area shows a picture at its top left corner, unscaled, with its
// static-kind texts drawn transparently over it. The welcome dialog uses kWelcomePicture,
// every page kPagePicture. Where the client area is larger than the picture the dialog's
// normal background shows.
class SkinnedDialog : public QDialog {
  Q_OBJECT

 public:
  SkinnedDialog(const QString& picturePath, QWidget* parent = nullptr,
                Qt::WindowFlags flags = Qt::WindowFlags());

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString m_picturePath;
  StaticKindColors m_staticColors;
};

}  // namespace tamberlyx
