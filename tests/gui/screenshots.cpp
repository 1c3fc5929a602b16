// Saves a PNG of the welcome dialog, every page, the password dialog, the progress box and the
// confirmation box, in English and in Korean, into the directory given as the only argument.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/welcome_dialog.h"
#include "device/default_settings.h"
#include "device/fake_devices.h"
#include "operations/address_finding_text.h"
#include "pages/confirm_dialog.h"
#include "pages/page_ids.h"
#include "pages/page_templates.h"
#include "pages/password_dialog.h"
#include "pages/progress_dialog.h"
#include "pages/switch_to_page.h"
#include "pages/wizard.h"
#include "platform/desktop/message_box.h"
#include "protocol/interface_network.h"
#include "protocol/settings_keys.h"
#include "protocol/settings_text.h"
#include "tests/gui/harness/gui_actions.h"
#include "tests/gui/harness/gui_environment.h"
#include "tests/gui/harness/scoped_language.h"
#include "tests/gui/harness/search_actions.h"
#include "tests/gui/harness/test_services.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"

namespace tamberlyx::test {
namespace {

class Shooter {
 public:
  Shooter(const QDir& directory, const char* suffix) : m_directory(directory), m_suffix(suffix) {}

  void Save(QWidget& window, const char* name) {
    ProcessEvents();
    const QString path = m_directory.filePath(QStringLiteral("%1-%2.png").arg(name, m_suffix));
    if (!SavePng(window, path)) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      m_failed = true;
    }
  }
  bool Failed() const { return m_failed; }

 private:
  QDir m_directory;
  QString m_suffix;
  bool m_failed = false;
};

// The pages after the search show what a device reported, on a fixed day.
void SelectDevice(SharedBuffers& buffers) {
  std::string settings = device::DefaultSettings("NAS-OFFICE", "192.168.0.20");
  const std::pair<const char*, const char*> fixed[] = {
      {kKeyDate, "2008/4/11"}, {kKeyTime, "9:5:0"}, {kKeyNtpServer, "time.nist.gov"}};
  for (const auto& [key, value] : fixed) {
    ReplaceSettingEntry(settings, key, std::string(key) + "=" + value);
  }
  buffers.currentSettings = buffers.newSettings = settings;
  buffers.selectedDeviceIp = "192.168.0.20";
}

// What Steps 2 and 3 would have written: a new name, a new fixed address, the clock as Step 3
// formats it. Step 4 then shows both columns and its warning.
void EditSettings(SharedBuffers& buffers) {
  const std::pair<const char*, const char*> edits[] = {{kKeyHostName, "nas-study"},
                                                       {kKeyIpAddress, "192.168.0.30"},
                                                       {kKeyDate, "2008/04/11"},
                                                       {kKeyTime, "09:05:00"}};
  for (const auto& [key, value] : edits) {
    ReplaceSettingEntry(buffers.newSettings, key, std::string(key) + "=" + value);
  }
}

void ShootPage(Shooter& shooter, WizardPage& page, const char* name) {
  SwitchToPage(nullptr, page, page.TemplateId());
  shooter.Save(*page.Window(), name);
}

// The same page in DHCP mode, its address controls disabled.
void ShootDhcp(Shooter& shooter, WizardPage& page) {
  if (auto* dhcp = qobject_cast<QAbstractButton*>(page.Control(kIdDhcpAddress))) dhcp->click();
  shooter.Save(*page.Window(), "step2-dhcp");
}

// Step 1 after a search that found two devices, and the password check over it.
void ShootSearch(Shooter& shooter, Wizard& wizard, FakeNetwork& network) {
  for (const auto& [name, address] :
       {std::pair{"NAS-OFFICE", "192.168.0.20"}, std::pair{"NAS-STUDIO", "192.168.0.21"}}) {
    device::DeviceOptions options;
    options.name = name;
    device::AddDevice(network, address, options);
  }
  SwitchToPage(nullptr, wizard.Step1(), kSearchTemplateId);
  WaitForSearch(wizard.Step1());
  shooter.Save(*wizard.Step1().Window(), "step1");

  PasswordDialog& password = wizard.Password().Dialog();
  password.AttachTo(wizard.Step1().Window());
  password.PasswordEdit()->setText(QStringLiteral("secret"));
  password.show();
  password.PasswordEdit()->deselect();
  shooter.Save(password, "password");
  password.Detach();
}

// "Search again" on a PC of two interfaces with both devices gone; then once more with port
// 1211 taken, the longest text the empty list shows; then on a PC of twenty interfaces.
void ShootEmptySearch(Shooter& shooter, Wizard& wizard, TestServices& services) {
  for (const char* address : {"192.168.0.20", "192.168.0.21"}) {
    services.Network().RemovePeer(address);
  }
  services.Interfaces().SetInterfaces({{"enp3s0", "192.168.0.100"}, {"wlp2s0", "10.0.0.7"}});
  for (const char* name : {"step1-empty", "step1-port-held"}) {
    ClickButton(*wizard.Step1().Window(), kIdSearchAgain);
    WaitForSearch(wizard.Step1());
    shooter.Save(*wizard.Step1().Window(), name);
    services.Network().HoldClientPort(true);
  }
  services.Network().HoldClientPort(false);
  std::vector<LocalInterface> many;
  for (int k = 0; k < 20; ++k) {
    many.push_back({"enp" + std::to_string(k) + "s0", "10.0." + std::to_string(k) + ".1"});
  }
  services.Interfaces().SetInterfaces(many);
  ClickButton(*wizard.Step1().Window(), kIdSearchAgain);
  WaitForSearch(wizard.Step1());
  shooter.Save(*wizard.Step1().Window(), "step1-twenty-interfaces");
}

void ShootBoxes(Shooter& shooter, QWidget& owner) {
  ProgressDialog progress;
  progress.OpenProgress(&owner);
  progress.SetMessageText(Text(104));
  if (progress.HasWindow()) shooter.Save(*progress.Window(), "progress");
  // The wait for a device a save moved, which the user may leave.
  progress.OpenProgress(&owner);
  progress.SetMessageText(Text(181).arg(QStringLiteral("192.168.0.30")));
  progress.ShowBusy();
  progress.OfferCancel([] {});
  if (progress.HasWindow()) shooter.Save(*progress.Window(), "progress-follow");
  progress.DestroyWindow();

  const FixedAddressPlan plan{0xC0A8051E, 0xFFFFFF00, 0xC0A80101};
  const std::vector<AddressFinding> findings{
      {AddressProblem::kOutOfReach, "192.168.0.0/24", "enp3s0"},
      {AddressProblem::kAddressInUse, {}, {}, "02:00:5e:00:00:07"}};
  const std::unique_ptr<QMessageBox> question = MakeQuestionBox(
      {{MessageId::kAddressFindings, AddressFindingsText(findings, plan, IsKoreanSystem())},
       Text(165).toStdString(),
       Text(166).toStdString()},
      &owner);
  question->show();
  shooter.Save(*question, "address-findings");

  ConfirmDialog confirm(&owner);
  confirm.show();
  shooter.Save(confirm, "confirm");
}

bool ShootLanguage(const QDir& directory, Language language, const char* suffix) {
  const ScopedLanguage scoped(language);
  TestServices services;
  Wizard wizard(services.Get());
  WelcomeDialog welcome(wizard.Step1());
  SetApplicationMainWindow(&welcome);
  welcome.show();
  Shooter shooter(directory, suffix);
  shooter.Save(welcome, "welcome");
  ShootSearch(shooter, wizard, services.Network());
  ShootEmptySearch(shooter, wizard, services);
  SelectDevice(wizard.Buffers());
  ShootPage(shooter, wizard.Step2(), "step2");
  ShootDhcp(shooter, wizard.Step2());
  ShootPage(shooter, wizard.Step3(), "step3");
  EditSettings(wizard.Buffers());
  ShootPage(shooter, wizard.Step4(), "step4");
  ShootBoxes(shooter, *wizard.Step4().Window());
  return !shooter.Failed();
}

}  // namespace
}  // namespace tamberlyx::test

int main(int argc, char** argv) {
  tamberlyx::test::PrepareGuiEnvironment();
  tamberlyx::test::QuietOffscreenWarnings();
  QApplication application(argc, argv);
  tamberlyx::test::NameApplication();
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_DIRECTORY\n", argv[0]);
    return 2;
  }
  const QDir directory(QString::fromLocal8Bit(argv[1]));
  if (!QDir().mkpath(directory.path())) {
    std::fprintf(stderr, "cannot create %s\n", argv[1]);
    return 1;
  }
  using tamberlyx::test::Language;
  const bool english = tamberlyx::test::ShootLanguage(directory, Language::kEnglish, "en");
  const bool korean = tamberlyx::test::ShootLanguage(directory, Language::kKorean, "ko");
  return english && korean ? 0 : 1;
}
