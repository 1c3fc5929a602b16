#include "ui/template_builder.h"

#include <QDialog>
#include <QGroupBox>
#include <QPushButton>

#include "ui/control_id.h"
#include "ui/dialog_units.h"
#include "ui/qt_text.h"

namespace tamberlyx {
namespace {

// The dialog font of every template; controls that keep it show it.
QFont TemplateFont() {
  return QFont(QStringLiteral("Comic Sans MS"), 10);
}

QWidget* MakeControl(QDialog& dialog, const ControlTemplate& control, const QFont& buttonFont) {
  const QString text = control.textId != 0 ? Text(control.textId) : QString(control.text);
  if (control.kind == ControlKind::kGroupBox) {
    // A frame only: clicks fall through to what it encloses, and it lies beneath everything.
    auto* frame = new QGroupBox(text, &dialog);
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    frame->lower();
    return frame;
  }
  auto* button = new QPushButton(text, &dialog);
  button->setFont(buttonFont);
  button->setDefault(control.kind == ControlKind::kDefaultPushButton);
  // Enter always means the default button, whichever button has the focus.
  button->setAutoDefault(false);
  return button;
}

}  // namespace

void ApplyTemplateFrame(QDialog& dialog, const DialogTemplate& dialogTemplate) {
  dialog.setWindowTitle(QString::fromUtf8(dialogTemplate.caption));
  dialog.setFont(TemplateFont());
  dialog.setFixedSize(DialogUnits::PageFont().Size(dialogTemplate.width, dialogTemplate.height));
}

void CreateTemplateControls(QDialog& dialog, const DialogTemplate& dialogTemplate,
                            const QFont& buttonFont) {
  const DialogUnits units = DialogUnits::PageFont();
  for (const ControlTemplate& control : dialogTemplate.controls) {
    QWidget* widget = MakeControl(dialog, control, buttonFont);
    widget->setGeometry(units.Rect(control.x, control.y, control.width, control.height));
    SetControlId(*widget, control.id);
    widget->show();
  }
}

void BuildFromTemplate(QDialog& dialog, const DialogTemplate& dialogTemplate,
                       const QFont& buttonFont) {
  ApplyTemplateFrame(dialog, dialogTemplate);
  CreateTemplateControls(dialog, dialogTemplate, buttonFont);
}

}  // namespace tamberlyx
