#pragma once

#include <QFont>

#include "ui/dialog_template.h"

class QDialog;

namespace tamberlyx {

// Gives `dialog` the template's caption, fixed client size and font, and creates its controls.
// Buttons get `buttonFont`; a button with a string id shows that string in the current
// language. Returns nothing: controls are found again by id (FindControl).
void BuildFromTemplate(QDialog& dialog, const DialogTemplate& dialogTemplate,
                       const QFont& buttonFont);

// Only the caption, client size and font: what exists before the controls are made.
void ApplyTemplateFrame(QDialog& dialog, const DialogTemplate& dialogTemplate);

// The controls of the template, made as children of `dialog`.
void CreateTemplateControls(QDialog& dialog, const DialogTemplate& dialogTemplate,
                            const QFont& buttonFont);

}  // namespace tamberlyx
