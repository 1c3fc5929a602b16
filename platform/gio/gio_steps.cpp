#include "platform/gio/gio_steps.h"

namespace tamberlyx {
namespace {

// After a cancel, the call still owes its callback; past this it is left to run out alone.
constexpr std::chrono::milliseconds kCancelGrace{2000};

struct Pending {
  GAsyncResult* result = nullptr;
  bool abandoned = false;
};

void OnReady(GObject*, GAsyncResult* result, gpointer data) {
  auto* pending = static_cast<Pending*>(data);
  if (pending->abandoned) {
    delete pending;
    return;
  }
  pending->result = G_ASYNC_RESULT(g_object_ref(result));
}

gboolean OnDeadline(gpointer data) {
  *static_cast<bool*>(data) = true;
  return G_SOURCE_REMOVE;
}

// Iterates context until pending has a result or limit has passed.
void WaitFor(GMainContext* context, const Pending& pending, std::chrono::milliseconds limit) {
  bool expired = false;
  GSource* deadline = g_timeout_source_new(static_cast<guint>(limit.count()));
  g_source_set_callback(deadline, OnDeadline, &expired, nullptr);
  g_source_attach(deadline, context);
  while (!pending.result && !expired) g_main_context_iteration(context, TRUE);
  g_source_destroy(deadline);
  g_source_unref(deadline);
}

}  // namespace

GioSteps::GioSteps() : m_context(g_main_context_new()) {}

GioSteps::~GioSteps() {
  g_main_context_unref(m_context);
}

GAsyncResult* GioSteps::Run(const Start& start, std::chrono::milliseconds limit) {
  Scope scope(*this);
  auto* pending = new Pending;
  GCancellable* cancellable = g_cancellable_new();
  start(cancellable, OnReady, pending);
  WaitFor(m_context, *pending, limit);
  const bool late = !pending->result;
  if (late) {
    g_cancellable_cancel(cancellable);
    WaitFor(m_context, *pending, kCancelGrace);
  }
  g_object_unref(cancellable);
  GAsyncResult* result = pending->result;
  if (!result) {
    pending->abandoned = true;  // the callback, should it ever come, frees it
    return nullptr;
  }
  delete pending;
  if (late) {
    g_object_unref(result);
    return nullptr;
  }
  return result;
}

void GioSteps::Flush() {
  Scope scope(*this);
  while (g_main_context_iteration(m_context, FALSE)) {
  }
}

GioSteps::Scope::Scope(GioSteps& steps) : m_context(steps.m_context) {
  g_main_context_push_thread_default(m_context);
}

GioSteps::Scope::~Scope() {
  g_main_context_pop_thread_default(m_context);
}

}  // namespace tamberlyx
