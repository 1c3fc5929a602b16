#include "app/usage.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <algorithm>
#include <iterator>
#include <optional>

namespace tamberlyx {
namespace {

constexpr char kProgram[] = "tamberlyx-setup";

constexpr char kNotes[] =
    R"(Texts are in English, or in Korean when the system language is Korean
(LC_ALL, LANG, LC_MESSAGES, LANGUAGE). Qt's own options such as -platform
and -display are passed on. See tamberlyx-setup(1).
)";

const QCommandLineOption& HelpOption() {
  static const QCommandLineOption help({"h", "help"}, "show this text and exit");
  return help;
}

void Declare(QCommandLineParser& parser) {
  parser.setApplicationDescription(
      "Sets up Network Storage Link devices on the local network: finds them, shows\n"
      "their settings and changes server name, addressing, time zone, date and time.\n"
      "Nothing is sent until Setup is pressed in the welcome window.");
  // Qt's own options are single-dash words: -stylesheet must not read as -s -t ... -h.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.addOption(HelpOption());
}

}  // namespace

bool AsksForUsage(int argc, const char* const* argv) {
  QCommandLineParser parser;
  Declare(parser);
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  parser.parse(arguments);  // the options it does not know are Qt's
  return parser.isSet(HelpOption());
}

std::string UsageText() {
  // The usage line names the program from the application's arguments; a core application needs
  // no display.
  int count = 1;
  char name[sizeof kProgram];
  std::copy(std::begin(kProgram), std::end(kProgram), name);
  char* arguments[] = {name, nullptr};
  std::optional<QCoreApplication> core;
  if (QCoreApplication::instance() == nullptr) core.emplace(count, arguments);
  QCommandLineParser parser;
  Declare(parser);
  return parser.helpText().toStdString() + "\n" + kNotes;
}

}  // namespace tamberlyx
