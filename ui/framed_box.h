#pragma once

#include <QDialog>
#include <QSize>

namespace tamberlyx {

// A small box without a title bar, drawn with a raised frame: the look of the progress and
// confirmation boxes. Its client size is fixed.
class FramedBox : public QDialog {
  Q_OBJECT

 public:
  FramedBox(QSize clientSize, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace tamberlyx
