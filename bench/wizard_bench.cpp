// The wizard's own speed on the offscreen platform over the in-process network, one row per
// figure as a ratio to its budget (under 1: within it). Asserts nothing.
#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <optional>
#include <vector>

#include "app/welcome_dialog.h"
#include "device/default_settings.h"
#include "device/fake_devices.h"
#include "pages/page_ids.h"
#include "pages/page_templates.h"
#include "pages/switch_to_page.h"
#include "pages/wizard.h"
#include "platform/log/event_log.h"
#include "protocol/ipv4_text.h"
#include "tests/gui/harness/gui_actions.h"
#include "tests/gui/harness/gui_environment.h"
#include "tests/gui/harness/test_services.h"
#include "ui/color_label.h"
#include "ui/main_window.h"

namespace tamberlyx::bench {
namespace {

using test::ClickButton;
using test::TestServices;

constexpr int kDevices = 1000;
constexpr double kSearchWindowMs = 16 * kTickPeriodMs;
constexpr double kListBudgetMs = 50;
constexpr double kMoveBudgetMs = 16;
constexpr int kMoveRounds = 20;

void PrintHeader() {
  std::printf("%-44s %10s %10s %7s  %s\n", "wizard (offscreen, in-process network)", "ms",
              "budget_ms", "ratio", "note");
}

void PrintRow(const char* name, double ms, double budgetMs, const std::string& note) {
  std::printf("%-44s %10.2f %10.2f %7.2f  %s\n", name, ms, budgetMs, ms / budgetMs, note.c_str());
}

// Until nothing is left to do: the new window is laid out and painted.
void Settle() {
  QApplication::processEvents(QEventLoop::AllEvents);
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QApplication::processEvents(QEventLoop::AllEvents);
}

// The welcome dialog and the pages of one run, on `services`.
class Run {
 public:
  explicit Run(TestServices& services) : m_wizard(services.Get()), m_welcome(m_wizard.Step1()) {
    SetApplicationMainWindow(&m_welcome);
    m_welcome.show();
    Settle();
  }
  Wizard& GetWizard() { return m_wizard; }

 private:
  Wizard m_wizard;
  WelcomeDialog m_welcome;
};

// Step 1 with every device answering at once over the real 50 ms ticks: from the search's
// start until all are listed and the first one's details show, less the 0.8 s window.
double SearchRow(bool logged) {
  // The wizard always keeps its log; the row shows what that costs a big search.
  QTemporaryDir folder;
  std::optional<EventLog> log;
  if (logged) {
    log.emplace(folder.path());
    SetEventSink(&*log);
  }
  TestServices services(true, kTickPeriodMs);
  const std::uint32_t first = *ParseIpv4("10.66.1.1");
  for (int i = 0; i < kDevices; ++i) {
    device::DeviceOptions options;
    options.name = "BULK-" + std::to_string(i + 1);
    device::AddDevice(services.Network(), FormatIpv4(first + std::uint32_t(i)), options);
  }
  Run run(services);
  SearchPage& step1 = run.GetWizard().Step1();
  const auto done = [&step1] {
    const QListWidget* list = step1.DeviceListBox();
    const ColorLabel* name = step1.HasWindow() ? step1.Values()[0].data() : nullptr;
    return list && list->count() == kDevices && name && name->text() == "BULK-1";
  };
  QElapsedTimer clock;
  clock.start();
  SwitchToPage(nullptr, step1, kSearchTemplateId);
  while (!done() && double(clock.elapsed()) < 10 * kSearchWindowMs) {
    QApplication::processEvents(QEventLoop::AllEvents, 1);
  }
  Settle();
  const double ms = double(clock.nsecsElapsed()) / 1e6 - kSearchWindowMs;
  const int listed = step1.DeviceListBox() ? step1.DeviceListBox()->count() : 0;
  PrintRow(logged ? "step 1: the same, with the run's log kept"
                  : "step 1: 1000 devices listed after the window",
           ms, kListBudgetMs,
           std::to_string(listed) + " listed" + (done() ? "" : ", details missing"));
  SetEventSink(nullptr);
  return ms;
}

// Next, Back and a hidden page shown again, round after round through Steps 2 to 4.
void PageMovesRow() {
  TestServices services;
  Run run(services);
  Wizard& wizard = run.GetWizard();
  SharedBuffers& buffers = wizard.Buffers();
  buffers.currentSettings = buffers.newSettings =
      device::DefaultSettings("NAS-OFFICE", "192.168.0.20");
  buffers.selectedDeviceIp = "192.168.0.20";
  wizard.SetVerifiedDevice(SelectedDevice(buffers));  // as if its password had been accepted

  std::vector<double> times;
  const auto timed = [&times](const std::function<void()>& move) {
    QElapsedTimer clock;
    clock.start();
    move();
    Settle();
    times.push_back(double(clock.nsecsElapsed()) / 1e6);
  };
  SavePage& step4 = wizard.Step4();
  for (int round = 0; round < kMoveRounds; ++round) {
    SwitchToPage(nullptr, wizard.Step2(), kIpSettingsTemplateId);
    Settle();
    timed([&] { ClickButton(*wizard.Step2().Window(), kIdIpNext); });
    timed([&] { ClickButton(*wizard.Step3().Window(), kIdDateTimeNext); });
    timed([&] { ClickButton(*step4.Window(), kIdSaveBack); });
    timed([&] { ClickButton(*wizard.Step3().Window(), kIdDateTimeNext); });
    step4.EndDialogCancel();  // Escape hides it
    timed([&] { SwitchToPage(nullptr, step4, kSaveTemplateId); });
    timed([&] { ClickButton(*step4.Window(), kIdSaveBack); });
    timed([&] { ClickButton(*wizard.Step3().Window(), kIdDateTimeBack); });
    wizard.Step2().DestroyWindow();
  }
  std::sort(times.begin(), times.end());
  const double p95 = times[times.size() * 95 / 100];
  char note[96];
  std::snprintf(note, sizeof note, "95th percentile of %zu moves; median %.2f, slowest %.2f",
                times.size(), times[times.size() / 2], times.back());
  PrintRow("page move (Next, Back, shown again)", p95, kMoveBudgetMs, note);
}

}  // namespace
}  // namespace tamberlyx::bench

int main(int argc, char** argv) {
  tamberlyx::test::PrepareGuiEnvironment();
  tamberlyx::test::QuietOffscreenWarnings();
  QApplication application(argc, argv);
  tamberlyx::test::NameApplication();
  tamberlyx::bench::PrintHeader();
  const double quiet = tamberlyx::bench::SearchRow(false);
  const double logged = tamberlyx::bench::SearchRow(true);
  std::printf("  (the log costs %+.1f ms of the search's %.0f ms with its window)\n",
              logged - quiet, quiet + tamberlyx::bench::kSearchWindowMs);
  tamberlyx::bench::PageMovesRow();
  return 0;
}
