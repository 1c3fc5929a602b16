// Maps a device's shares as the wizard does after a save: host on the command line, the admin
// password on standard input. Prints the result and the PC's disk connections afterwards.
#include <cstdio>
#include <iostream>
#include <string>

#include "netdrive/map_device_shares.h"
#include "platform/gio/drive_services.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s HOST  (password on standard input)\n", argv[0]);
    return 2;
  }
  std::string password;
  std::getline(std::cin, password);
  tamberlyx::DriveServices services = tamberlyx::MakePlatformDriveServices();
  const tamberlyx::netdrive::MapResult result = tamberlyx::netdrive::MapDeviceShares(
      *services.provider, *services.resolver, argv[1], password, "admin");
  std::printf("connected %d\n", result.connected);
  if (!result.note.empty()) std::printf("note %s\n", result.note.c_str());
  for (const auto& entry : services.provider->ConnectedDiskResources().entries) {
    std::printf("connection %s %s\n", entry.remoteName.c_str(), entry.localName.c_str());
  }
  return 0;
}
