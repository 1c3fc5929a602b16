#include "platform/desktop/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tamberlyx {

bool InstallQtTranslations(QCoreApplication& application, bool korean) {
  if (!korean) return true;  // Qt's own texts are English already
  auto* translator = new QTranslator(&application);
  if (!translator->load(QLocale(QLocale::Korean, QLocale::SouthKorea), "qtbase", "_",
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  QCoreApplication::installTranslator(translator);
  return true;
}

}  // namespace tamberlyx
