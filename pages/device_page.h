#pragma once

#include <functional>
#include <optional>

#include "pages/wizard_page.h"
#include "protocol/shared_buffers.h"

namespace tamberlyx {

class Wizard;

// A page of Steps 2 to 4. Its window shows the device the buffers held when it was made, and it
// acts only for the device whose password was accepted: once another Step 1 has selected
// another device, the page says so and closes, writing and sending nothing.
class DevicePage : public WizardPage {
 public:
  DevicePage(Wizard& wizard, const DialogTemplate& dialogTemplate, const PageHeader& header);

  // A window made for another device than the verified one goes, so that the next move towards
  // this page makes it anew from the buffers instead of only showing it.
  void DropStaleWindow();

 protected:
  // True while the window shows the verified device and the buffers still hold it; otherwise
  // the page says so, its window goes, and false.
  bool StayWithVerifiedDevice();
  // SwitchToPage towards `target`, for the verified device only.
  bool MoveTo(DevicePage& target, unsigned templateId, const std::function<bool()>& work = {});
  // Whether the window shows another device than the verified one.
  virtual bool Stale() const;

 private:
  void OnWindowReady() override;

  Wizard& m_run;  // the run this page object belongs to
  std::optional<DeviceIdentity> m_shownDevice;
};

}  // namespace tamberlyx
