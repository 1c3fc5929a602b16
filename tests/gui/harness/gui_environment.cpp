#include "tests/gui/harness/gui_environment.h"

#include <QCoreApplication>

#include "res/resources.h"

namespace tamberlyx::test {

void PrepareGuiEnvironment() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
}

void NameApplication() {
  // The application's message box is captioned with the wizard's program name.
  QCoreApplication::setApplicationName(QStringLiteral("tamberlyx-setup"));
  InitResources();
}

void QuietOffscreenWarnings() {
  static const QtMessageHandler previous = qInstallMessageHandler(
      [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (message.startsWith(QLatin1String("This plugin does not support"))) return;
        previous(type, context, message);
      });
}

}  // namespace tamberlyx::test
