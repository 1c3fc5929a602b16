#pragma once

#include "ui/framed_box.h"

class QLabel;
class QPushButton;

namespace tamberlyx {

// The question asked before the new settings are written: OK (also Enter) gives
// QDialog::Accepted, Cancel (also Escape) QDialog::Rejected. Run with exec().
class ConfirmDialog : public FramedBox {
  Q_OBJECT

 public:
  // Without an owner the box belongs to the active window, as an ownerless dialog would.
  explicit ConfirmDialog(QWidget* owner = nullptr);

  QLabel* Question() const { return m_question; }
  QPushButton* OkButton() const { return m_ok; }
  QPushButton* CancelButton() const { return m_cancel; }

 private:
  QLabel* m_question;
  QPushButton* m_ok;
  QPushButton* m_cancel;
};

}  // namespace tamberlyx
