#include "ui/template_builder.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QDialog>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>

#include "ui/control_id.h"
#include "ui/date_time_picker.h"
#include "ui/dialog_units.h"
#include "ui/drop_down_list.h"
#include "ui/ip_address_edit.h"
#include "ui/lower_case_edit.h"
#include "ui/qt_text.h"

namespace tamberlyx {
namespace {

// The dialog font of every template; controls that keep it show it.
QFont TemplateFont() {
  return QFont(QStringLiteral("Comic Sans MS"), 10);
}

QListWidget* MakeListBox(QDialog& dialog) {
  auto* list = new QListWidget(&dialog);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  return list;
}

QWidget* MakeControl(QDialog& dialog, const ControlTemplate& control, const QFont& buttonFont) {
  if (control.kind == ControlKind::kDropDownList) return MakeDropDownList(dialog);
  if (control.kind == ControlKind::kDatePicker) return MakeDatePicker(dialog);
  if (control.kind == ControlKind::kTimePicker) return MakeTimePicker(dialog);
  if (control.kind == ControlKind::kLowerCaseEdit) return new LowerCaseEdit(&dialog);
  if (control.kind == ControlKind::kIpAddress) return new IpAddressEdit(&dialog);
  if (control.kind == ControlKind::kListBox) return MakeListBox(dialog);
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
    const QRect rect = units.Rect(control.x, control.y, control.width, control.height);
    if (auto* list = qobject_cast<QComboBox*>(widget)) {
      PlaceDropDownList(*list, rect);
    } else {
      widget->setGeometry(rect);
    }
    SetControlId(*widget, control.id);
    widget->setVisible(control.visible);
  }
}

void BuildFromTemplate(QDialog& dialog, const DialogTemplate& dialogTemplate,
                       const QFont& buttonFont) {
  ApplyTemplateFrame(dialog, dialogTemplate);
  CreateTemplateControls(dialog, dialogTemplate, buttonFont);
}

}  // namespace tamberlyx
