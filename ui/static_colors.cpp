#include "ui/static_colors.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QChildEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QWidget>

namespace tamberlyx {
namespace {

constexpr const char* kKeepColorsProperty = "tamberlyxKeepPlatformColors";
constexpr const char* kClearBaseProperty = "tamberlyxClearBase";

bool KeepsPlatformColors(const QWidget& widget) {
  for (const QWidget* w = &widget; w != nullptr; w = w->parentWidget()) {
    if (w->property(kKeepColorsProperty).toBool()) return true;
    if (w->isWindow()) break;
  }
  return false;
}

// The line edit inside a spin box, date picker or combo box belongs to that control.
bool IsPartOfCompound(const QWidget& widget) {
  const QWidget* parent = widget.parentWidget();
  return qobject_cast<const QAbstractSpinBox*>(parent) || qobject_cast<const QComboBox*>(parent);
}

bool IsStaticEdit(const QLineEdit& edit) {
  // Only the edit's own state counts: a window disabled behind a progress box leaves it alone.
  return !IsPartOfCompound(edit) && (edit.isReadOnly() || !edit.isEnabledTo(edit.window()));
}

void SetEditBase(QLineEdit& edit, bool clear) {
  if (edit.property(kClearBaseProperty).toBool() == clear) return;
  QPalette palette = edit.palette();
  const QPalette platform = QApplication::palette(&edit);
  for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setBrush(group, QPalette::Base,
                     clear ? QBrush(Qt::transparent) : platform.brush(group, QPalette::Base));
  }
  edit.setPalette(palette);
  edit.setProperty(kClearBaseProperty, clear);
}

}  // namespace

StaticKindColors::StaticKindColors(QWidget& window) : m_window(window) {
  Watch(window);
}

void StaticKindColors::KeepPlatformColors(QWidget& widget) {
  widget.setProperty(kKeepColorsProperty, true);
}

bool StaticKindColors::IsStaticKind(const QWidget& widget) {
  if (KeepsPlatformColors(widget)) return false;
  if (const auto* edit = qobject_cast<const QLineEdit*>(&widget)) return IsStaticEdit(*edit);
  return qobject_cast<const QLabel*>(&widget) || qobject_cast<const QGroupBox*>(&widget) ||
         qobject_cast<const QCheckBox*>(&widget) || qobject_cast<const QRadioButton*>(&widget);
}

bool StaticKindColors::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::ChildAdded: {
      // The child is still being constructed: only watch it now, judge it when polished.
      QObject* child = static_cast<QChildEvent*>(event)->child();
      if (child->isWidgetType()) Watch(*static_cast<QWidget*>(child));
      break;
    }
    case QEvent::Polish:
    case QEvent::EnabledChange:
    case QEvent::ReadOnlyChange:
      Apply(*static_cast<QWidget*>(watched));
      break;
    default:
      break;
  }
  return false;
}

void StaticKindColors::Watch(QWidget& widget) {
  widget.installEventFilter(this);
  // A finished widget moved onto the window is polished already and sees no Polish event.
  if (widget.testAttribute(Qt::WA_WState_Polished)) Apply(widget);
  for (QObject* child : widget.children()) {
    if (child->isWidgetType()) Watch(*static_cast<QWidget*>(child));
  }
}

void StaticKindColors::Apply(QWidget& widget) const {
  if (&widget == &m_window || widget.window() != &m_window) return;  // not another window's
  const bool transparent = IsStaticKind(widget);
  if (auto* edit = qobject_cast<QLineEdit*>(&widget)) {
    SetEditBase(*edit, transparent);
  } else if (transparent) {
    widget.setAutoFillBackground(false);
  }
}

}  // namespace tamberlyx
