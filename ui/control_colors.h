#pragma once

#include <QColor>

class QWidget;

namespace tamberlyx {

// The text and background colour of a colour label or colour button, and how they reach the
// widget's palette. The background colour fills the control only where nothing paints it
// transparent; on a skinned page the static colour handling always does (see StaticKindColors).
class ControlColors {
 public:
  ControlColors();  // black text on the palette's button face colour

  QColor TextColor() const { return m_text; }
  QColor BackColor() const { return m_back; }

  // Both store the colour, put it into the widget's palette and repaint the whole widget.
  void SetTextColor(QWidget& widget, const QColor& color);
  void SetBackColor(QWidget& widget, const QColor& color);

  // Puts both colours into a freshly made widget and lets it fill its own background.
  void Apply(QWidget& widget) const;

 private:
  QColor m_text;
  QColor m_back;
};

// Disables a colour control on its own and greys its text, as such a control looks; one that is
// disabled only together with its window keeps its own colours.
void DisableGreyed(QWidget& control);

}  // namespace tamberlyx
