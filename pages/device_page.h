#pragma once

#include <functional>
#include <optional>

#include "pages/logic/device_check.h"
#include "pages/wizard_page.h"

namespace tamberlyx {

class DevicePage;
class DeviceSelection;
struct Services;

// Where a page of Steps 2 to 4 moves: Back and Next go to the previous and the following step,
// a change of device to Step 1 or 2.
struct PageLinks {
  WizardPage& step1;     // Step 2's Back; a device found at another address is checked again here
  DevicePage& step2;     // a device read again is checked from here
  DevicePage* previous;  // none on Step 2
  DevicePage* next;      // none on Step 4
};

// A page of Steps 2 to 4. Its window shows one read of the device the buffers held when it was
// made, and it acts only for that read of the device whose password was accepted: otherwise it
// says what changed, its window goes, and nothing is written or sent.
class DevicePage : public WizardPage {
 public:
  DevicePage(const Services& services, DeviceSelection& selection, const PageLinks& links,
             const DialogTemplate& dialogTemplate, const PageHeader& header);

  // A window made for another device than the verified one, or showing other new settings than
  // the buffers hold, goes, so that the next move towards this page makes it anew from the
  // buffers instead of only showing it.
  void DropOutdatedWindow();

 protected:
  // True while the window shows what the buffers hold of the verified device; otherwise the
  // page says so, its window goes, the user is sent where the change is dealt with, and false.
  bool StayWithVerifiedDevice();
  // Next: towards the following step for the verified device only; `work` as SwitchToPage's.
  bool MoveNext(const std::function<bool()>& work);
  // Back: towards the previous step, without writing; from Step 3 and 4 for the verified
  // device only.
  bool MoveBack();
  // Back to Step 2, where the address is entered, without writing.
  bool MoveBackToStep2();

  // Whether the window still shows the working copy as the buffers hold it, for a page whose
  // window shows it all.
  virtual bool ShowsWorkingCopy() const { return true; }

  const Services& GetServices() const { return m_services; }
  DeviceSelection& Selection() { return m_selection; }
  const DeviceSelection& Selection() const { return m_selection; }

 private:
  void OnWindowReady() override;
  bool MoveTo(DevicePage& target, const std::function<bool()>& work);
  // Steps 2 to 4 start anew from the buffers: windows of older reads go, Step 2 opens.
  void RestartFromStep2();

  const Services& m_services;
  DeviceSelection& m_selection;
  PageLinks m_links;
  std::optional<DeviceRead> m_shown;
};

}  // namespace tamberlyx
