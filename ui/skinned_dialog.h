#pragma once

#include <QDialog>
#include <QString>

#include "ui/static_colors.h"

namespace tamberlyx {

// A dialog whose client area shows a picture at its top left corner, unscaled, with its
// static-kind texts drawn transparently over it. The welcome dialog uses kWelcomePicture,
// every page kPagePicture. Where the client area is larger than the picture the dialog's
// normal background shows.
class SkinnedDialog : public QDialog {
 public:
  SkinnedDialog(const QString& picturePath, QWidget* parent = nullptr,
                Qt::WindowFlags flags = Qt::WindowFlags());

  const QString& PicturePath() const { return m_picturePath; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString m_picturePath;
  StaticKindColors m_staticColors;
};

}  // namespace tamberlyx
