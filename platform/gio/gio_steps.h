#pragma once

// GLib names a struct member "signals"; Qt, where it is present, makes that a keyword.
#undef signals
#include <gio/gio.h>

#include <chrono>
#include <functional>

namespace tamberlyx {

// Runs asynchronous GIO calls one at a time on a main context of its own, so that waiting for
// one dispatches nothing of the program's event loop, and gives each a bounded wait.
class GioSteps {
 public:
  using Start = std::function<void(GCancellable*, GAsyncReadyCallback, gpointer)>;

  GioSteps();
  ~GioSteps();
  GioSteps(const GioSteps&) = delete;
  GioSteps& operator=(const GioSteps&) = delete;

  // Starts the call and returns its result (the caller unrefs it), or nullptr when none came
  // within limit: the call is then cancelled.
  GAsyncResult* Run(const Start& start, std::chrono::milliseconds limit);
  // Dispatches what is already waiting, such as the volume monitor's news.
  void Flush();
  // Makes this context the thread's default while the object lives, for GIO objects whose
  // signals should arrive here.
  class Scope {
   public:
    explicit Scope(GioSteps& steps);
    ~Scope();
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

   private:
    GMainContext* m_context;
  };

 private:
  GMainContext* m_context;
};

}  // namespace tamberlyx
