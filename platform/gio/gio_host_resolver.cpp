#include "platform/gio/gio_host_resolver.h"

namespace tamberlyx {

std::optional<std::string> GioHostResolver::FirstIpv4(const std::string& host) {
  if (auto dotted = netdrive::NumericHostResolver().FirstIpv4(host)) return dotted;
  if (host.empty()) return std::nullopt;
  GResolver* resolver = g_resolver_get_default();
  GAsyncResult* resolved = m_steps.Run(
      [&](GCancellable* cancel, GAsyncReadyCallback done, gpointer data) {
        g_resolver_lookup_by_name_with_flags_async(
            resolver, host.c_str(), G_RESOLVER_NAME_LOOKUP_FLAGS_IPV4_ONLY, cancel, done, data);
      },
      m_limit);
  std::optional<std::string> address;
  if (resolved) {
    GList* addresses = g_resolver_lookup_by_name_with_flags_finish(resolver, resolved, nullptr);
    if (addresses) {
      gchar* text = g_inet_address_to_string(G_INET_ADDRESS(addresses->data));
      address = text;
      g_free(text);
    }
    g_resolver_free_addresses(addresses);
    g_object_unref(resolved);
  }
  g_object_unref(resolver);
  return address;
}

}  // namespace tamberlyx
