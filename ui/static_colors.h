#pragma once

#include <QObject>

class QWidget;

namespace tamberlyx {

// The colour handling of a skinned window: texts of the static kind (labels, group boxes, check
// boxes, radio buttons, read-only or disabled line edits) are drawn transparently over the
// window's picture; push buttons, editable fields, lists, combo boxes, date pickers keep the
// platform's colours. Follows children as they are added, enabled, disabled or made read-only.
class StaticKindColors : public QObject {
  Q_OBJECT

 public:
  // Watches the window and all its present and future child widgets.
  explicit StaticKindColors(QWidget& window);

  // Marks a widget (and what it contains) to keep the platform's colours even where it would be
  // of the static kind, e.g. a composite IP address field made of line edits.
  static void KeepPlatformColors(QWidget& widget);

  // True when the widget is drawn transparently on a skinned window.
  static bool IsStaticKind(const QWidget& widget);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Watch(QWidget& widget);
  void Apply(QWidget& widget) const;
  QWidget& m_window;
};

}  // namespace tamberlyx
