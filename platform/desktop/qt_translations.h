#pragma once

class QCoreApplication;

namespace tamberlyx {

// Qt's own texts (the standard buttons of a message box, a field's context menu) in Korean
// exactly when the pages are, by the pages' language rule rather than Qt's choice of locale.
// False when `korean` and Qt's Korean translations are not installed.
bool InstallQtTranslations(QCoreApplication& application, bool korean);

}  // namespace tamberlyx
