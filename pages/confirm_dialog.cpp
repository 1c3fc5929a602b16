#include "pages/confirm_dialog.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include "ui/dialog_units.h"
#include "ui/plain_text.h"
#include "ui/qt_text.h"

namespace tamberlyx {
ConfirmDialog::ConfirmDialog(QWidget* owner)
    : FramedBox(DialogUnits::SystemFont().Size(198, 77),
                owner ? owner : QApplication::activeWindow()),
      m_question(MakePlainLabel(*this, Text(160))),
      m_ok(new QPushButton(Text(155), this)),
      m_cancel(new QPushButton(Text(156), this)) {
  const DialogUnits units = DialogUnits::SystemFont();
  m_question->setGeometry(units.Rect(16, 14, 164, 36));
  m_question->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  m_question->setWordWrap(true);
  m_ok->setGeometry(units.Rect(37, 56, 50, 14));
  m_ok->setDefault(true);
  m_cancel->setGeometry(units.Rect(112, 56, 50, 14));
  connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

}  // namespace tamberlyx
