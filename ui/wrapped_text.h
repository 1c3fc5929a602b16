#pragma once

#include <QString>

class QAbstractButton;
class QFont;

namespace tamberlyx {

// The text with line breaks at word boundaries (or inside a word longer than a line) so that no
// line is wider than `width` pixels in `font`.
QString WrapToWidth(const QString& text, const QFont& font, int width);

// Gives a radio button or check box its text wrapped to the room beside its indicator; the
// button must have its final font and width.
void SetWrappedButtonText(QAbstractButton& button, const QString& text);

}  // namespace tamberlyx
