#pragma once

#include <functional>
#include <memory>
#include <string>

class QWidget;

namespace tamberlyx {

class ProgressDialog;
struct AddressReview;
struct Services;
struct SharedBuffers;

// What Step 4 does with a save's settings before the confirmation: the review of a new fixed
// address both programs make (the rules, and the network asked when the address changes), with
// its wait in the save's box and every finding in one question.
class NewAddressCheck {
 public:
  enum class Verdict {
    kSave,    // nothing found, or "Save anyway"
    kGoBack,  // "Go back" or Escape on the question
    kLeft,    // the wait for the network was cancelled, or the owner's window went
  };
  using Done = std::function<void(Verdict)>;

  NewAddressCheck(const Services& services, ProgressDialog& progress);

  // `settings` are what the save would send; `buffers` the device's. `done` runs once, at once
  // when nobody has to be asked, else from the event loop.
  void Run(QWidget* owner, const SharedBuffers& buffers, const std::string& settings, Done done);

 private:
  void Decide(QWidget* owner, const AddressReview& review, const Done& done);

  const Services& m_services;
  ProgressDialog& m_progress;
  // Replaced by each check: an answer for an older one, or after this object went, finds it gone.
  std::shared_ptr<int> m_run;
};

}  // namespace tamberlyx
