#pragma once

#include <QString>
#include <string_view>

class QLabel;
class QWidget;

namespace tamberlyx {

// Bytes from a device, the settings text or the user, as a widget shows them: characters that
// are not text (controls, bidirectional and invisible formatting) and bytes that are not UTF-8
// each show as one replacement character. Display only: the bytes themselves never change.
QString DeviceText(std::string_view bytes);

// Whatever a label is given is shown literally, never read as markup: rich text would render a
// device's tags and load the files an <img> names on the GUI thread.
void ShowLiterally(QLabel& label);

// A label of a dialog that shows its text literally.
QLabel* MakePlainLabel(QWidget& parent, const QString& text = QString());

}  // namespace tamberlyx
