#include "platform/gio/credentials_operation.h"

namespace tamberlyx {
namespace {

struct Credentials {
  std::string user;
  std::string password;
  int asked = 0;
};

void OnAskPassword(GMountOperation* operation, const char*, const char*, const char*,
                   GAskPasswordFlags, gpointer data) {
  auto* credentials = static_cast<Credentials*>(data);
  if (++credentials->asked > 1) {
    g_mount_operation_reply(operation, G_MOUNT_OPERATION_ABORTED);
    return;
  }
  g_mount_operation_set_anonymous(operation, FALSE);
  g_mount_operation_set_username(operation, credentials->user.c_str());
  g_mount_operation_set_password(operation, credentials->password.c_str());
  g_mount_operation_set_password_save(operation, G_PASSWORD_SAVE_NEVER);
  g_mount_operation_reply(operation, G_MOUNT_OPERATION_HANDLED);
}

void OnAskQuestion(GMountOperation* operation, const char*, const char**, gpointer) {
  g_mount_operation_reply(operation, G_MOUNT_OPERATION_ABORTED);
}

void FreeCredentials(gpointer data) {
  delete static_cast<Credentials*>(data);
}

}  // namespace

GMountOperation* NewCredentialsOperation(const std::string& user, const std::string& password) {
  GMountOperation* operation = g_mount_operation_new();
  auto* credentials = new Credentials{user, password};
  g_object_set_data_full(G_OBJECT(operation), "tamberlyx-credentials", credentials,
                         FreeCredentials);
  g_signal_connect(operation, "ask-password", G_CALLBACK(OnAskPassword), credentials);
  g_signal_connect(operation, "ask-question", G_CALLBACK(OnAskQuestion), nullptr);
  return operation;
}

}  // namespace tamberlyx
