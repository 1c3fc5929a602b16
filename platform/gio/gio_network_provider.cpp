#include "platform/gio/gio_network_provider.h"

#include <memory>

#include "platform/gio/credentials_operation.h"
#include "platform/gio/smb_location.h"

namespace tamberlyx {
namespace {

using netdrive::NetResource;
using netdrive::ProviderOutcome;
using netdrive::ProviderStatus;
using netdrive::ResourceListing;

constexpr int kBatch = 64;

template <typename T>
struct GObjectFree {
  void operator()(T* object) const {
    if (object) g_object_unref(object);
  }
};
template <typename T>
using GPtr = std::unique_ptr<T, GObjectFree<T>>;

struct GErrorFree {
  void operator()(GError* error) const { g_error_free(error); }
};
using ErrorPtr = std::unique_ptr<GError, GErrorFree>;

std::string TakeString(char* text) {
  std::string copy = text ? text : "";
  g_free(text);
  return copy;
}

bool SmbSupported() {
  const gchar* const* schemes = g_vfs_get_supported_uri_schemes(g_vfs_get_default());
  for (; schemes && *schemes; ++schemes) {
    if (g_str_equal(*schemes, "smb")) return true;
  }
  return false;
}

const ProviderOutcome kNoGvfs{ProviderStatus::kFailed,
                              "this session has no GVfs with SMB support (it needs a D-Bus "
                              "session bus and the packages gvfs-backends and gvfs-fuse)"};

ProviderOutcome Failure(const GError* error, const std::string& what) {
  const bool wantsLogOn = g_error_matches(error, G_IO_ERROR, G_IO_ERROR_NOT_MOUNTED) ||
                          g_error_matches(error, G_IO_ERROR, G_IO_ERROR_PERMISSION_DENIED);
  return {wantsLogOn ? ProviderStatus::kAccessDenied : ProviderStatus::kFailed,
          what + ": " + error->message};
}

ProviderOutcome TimedOut(const std::string& what, std::chrono::milliseconds limit) {
  return {ProviderStatus::kFailed,
          what + ": no answer within " + std::to_string(limit.count() / 1000) + " s"};
}

GFile* FileFor(const std::string& remoteName) {
  return g_file_new_for_uri(SmbUriOf(remoteName).c_str());
}

// Where a mount can be found by the user: its folder, or its location without gvfs-fuse.
std::string LocalNameOf(GFile* root) {
  std::string path = TakeString(g_file_get_path(root));
  return path.empty() ? TakeString(g_file_get_uri(root)) : path;
}

NetResource ShareEntry(const std::string& serverRemoteName, const std::string& share) {
  NetResource entry;
  entry.scope = netdrive::kScopeGlobalNet;
  entry.type = netdrive::kTypeDisk;
  entry.displayType = netdrive::kDisplayShare;
  entry.usage = netdrive::kUsageConnectable;
  entry.remoteName = serverRemoteName + "\\" + share;
  return entry;
}

}  // namespace

GioNetworkProvider::~GioNetworkProvider() {
  if (m_monitor) g_object_unref(m_monitor);
}

GVolumeMonitor* GioNetworkProvider::Monitor() {
  if (!m_monitor) {
    GioSteps::Scope scope(m_steps);  // the monitor's news arrive on the private context
    m_monitor = g_volume_monitor_get();
  }
  m_steps.Flush();
  return m_monitor;
}

ResourceListing GioNetworkProvider::ConnectedDiskResources() {
  if (!SmbSupported()) return {kNoGvfs, {}};
  ResourceListing listing;
  GList* mounts = g_volume_monitor_get_mounts(Monitor());
  for (GList* item = mounts; item; item = item->next) {
    GPtr<GFile> root(g_mount_get_root(G_MOUNT(item->data)));
    const auto remote = RemoteNameOf(TakeString(g_file_get_uri(root.get())));
    if (!remote || remote->find('\\', 2) == std::string::npos) continue;  // a server, no share
    NetResource entry;
    entry.scope = netdrive::kScopeConnected;
    entry.type = netdrive::kTypeDisk;
    entry.localName = LocalNameOf(root.get());
    entry.remoteName = *remote;
    listing.entries.push_back(entry);
  }
  g_list_free_full(mounts, g_object_unref);
  return listing;
}

ResourceListing GioNetworkProvider::ContainerResources(const NetResource& container) {
  if (!SmbSupported()) return {kNoGvfs, {}};
  // Only a server holds shares; a share's folders are no concern of the mapping.
  if (container.remoteName.find('\\', 2) != std::string::npos) return {};
  GPtr<GFile> server(FileFor(container.remoteName));
  return ListShares(server.get(), container.remoteName);
}

GFileEnumerator* GioNetworkProvider::OpenListing(GFile* server, ProviderOutcome& outcome) {
  GAsyncResult* opened = m_steps.Run(
      [&](GCancellable* cancel, GAsyncReadyCallback done, gpointer data) {
        g_file_enumerate_children_async(server, G_FILE_ATTRIBUTE_STANDARD_NAME,
                                        G_FILE_QUERY_INFO_NONE, G_PRIORITY_DEFAULT, cancel, done,
                                        data);
      },
      m_limits.list);
  if (!opened) {
    outcome = TimedOut("listing the shares", m_limits.list);
    return nullptr;
  }
  GError* error = nullptr;
  GFileEnumerator* listing = g_file_enumerate_children_finish(server, opened, &error);
  g_object_unref(opened);
  if (!listing) outcome = Failure(ErrorPtr(error).get(), "listing the shares");
  return listing;
}

ResourceListing GioNetworkProvider::ListShares(GFile* server, const std::string& remoteName) {
  ResourceListing listing;
  GPtr<GFileEnumerator> enumerator(OpenListing(server, listing.outcome));
  while (enumerator) {
    GAsyncResult* batch = m_steps.Run(
        [&](GCancellable* cancel, GAsyncReadyCallback done, gpointer data) {
          g_file_enumerator_next_files_async(enumerator.get(), kBatch, G_PRIORITY_DEFAULT, cancel,
                                             done, data);
        },
        m_limits.list);
    if (!batch) return {TimedOut("listing the shares", m_limits.list), {}};
    GError* error = nullptr;
    GList* infos = g_file_enumerator_next_files_finish(enumerator.get(), batch, &error);
    g_object_unref(batch);
    if (error) return {Failure(ErrorPtr(error).get(), "listing the shares"), {}};
    if (!infos) break;
    for (GList* item = infos; item; item = item->next) {
      const std::string name = g_file_info_get_name(G_FILE_INFO(item->data));
      if (!name.empty() && !name.ends_with('$')) {  // "$" marks administrative shares
        listing.entries.push_back(ShareEntry(remoteName, name));
      }
    }
    g_list_free_full(infos, g_object_unref);
  }
  return listing;
}

ProviderOutcome GioNetworkProvider::AddConnection(const NetResource& resource,
                                                  const std::string& password,
                                                  const std::string& user) {
  if (!SmbSupported()) return kNoGvfs;
  GPtr<GFile> location(FileFor(resource.remoteName));
  GPtr<GMountOperation> operation(NewCredentialsOperation(user, password));
  const std::string what = "mounting " + SmbUriOf(resource.remoteName);
  GAsyncResult* mounted = m_steps.Run(
      [&](GCancellable* cancel, GAsyncReadyCallback done, gpointer data) {
        g_file_mount_enclosing_volume(location.get(), G_MOUNT_MOUNT_NONE, operation.get(), cancel,
                                      done, data);
      },
      m_limits.mount);
  if (!mounted) return TimedOut(what, m_limits.mount);
  GError* error = nullptr;
  const bool ok = g_file_mount_enclosing_volume_finish(location.get(), mounted, &error);
  g_object_unref(mounted);
  ErrorPtr failure(error);
  if (ok || g_error_matches(error, G_IO_ERROR, G_IO_ERROR_ALREADY_MOUNTED)) return {};
  return Failure(error, what);
}

// From the volume monitor, which knows the mounts already: asking GVfs for a file's enclosing
// mount runs a blocking call on a worker thread that can hang.
GMount* GioNetworkProvider::MountNamed(const std::string& name) {
  GMount* found = nullptr;
  GList* mounts = g_volume_monitor_get_mounts(Monitor());
  for (GList* item = mounts; item && !found; item = item->next) {
    GPtr<GFile> root(g_mount_get_root(G_MOUNT(item->data)));
    const std::string uri = TakeString(g_file_get_uri(root.get()));
    if (LocalNameOf(root.get()) == name || RemoteNameOf(uri) == name) {
      found = G_MOUNT(g_object_ref(item->data));
    }
  }
  g_list_free_full(mounts, g_object_unref);
  return found;
}

// GVfs remembers no mount for the next session, so there is no profile to update.
ProviderOutcome GioNetworkProvider::CancelConnection(const std::string& name, bool, bool force) {
  if (!SmbSupported()) return kNoGvfs;
  GPtr<GMount> mount(MountNamed(name));
  if (!mount) return {ProviderStatus::kFailed, name + " is not mounted"};
  const auto flags = force ? G_MOUNT_UNMOUNT_FORCE : G_MOUNT_UNMOUNT_NONE;
  GAsyncResult* unmounted = m_steps.Run(
      [&](GCancellable* cancel, GAsyncReadyCallback done, gpointer data) {
        g_mount_unmount_with_operation(mount.get(), flags, nullptr, cancel, done, data);
      },
      m_limits.unmount);
  if (!unmounted) return TimedOut("unmounting " + name, m_limits.unmount);
  GError* error = nullptr;
  const bool ok = g_mount_unmount_with_operation_finish(mount.get(), unmounted, &error);
  g_object_unref(unmounted);
  return ok ? ProviderOutcome{} : Failure(ErrorPtr(error).get(), "unmounting " + name);
}

}  // namespace tamberlyx
