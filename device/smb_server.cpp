#include "device/smb_server.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <pwd.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

#include "device/smb_config.h"

namespace tamberlyx::device {
namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;

constexpr const char* kSmbd = "/usr/sbin/smbd";
constexpr const char* kSmbPasswd = "/usr/bin/smbpasswd";
constexpr const char* kStateFolder = ".smbd-state";
constexpr milliseconds kStartLimit{15000};
constexpr milliseconds kStopLimit{5000};
constexpr milliseconds kPollStep{20};
constexpr std::uint16_t kSmbPort = 445;

bool WriteFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::trunc);
  out << text;
  return static_cast<bool>(out.flush());
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// In the child: its own session, output to log, nothing inherited that smbd should not have.
[[noreturn]] void ExecChild(const std::vector<std::string>& argv, int input,
                            const std::string& log) {
  setsid();
  sigset_t none;
  sigemptyset(&none);
  sigprocmask(SIG_SETMASK, &none, nullptr);
  const int out = open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
  dup2(input >= 0 ? input : open("/dev/null", O_RDONLY | O_CLOEXEC), STDIN_FILENO);
  dup2(out, STDOUT_FILENO);
  dup2(out, STDERR_FILENO);
  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  execv(args[0], args.data());
  _exit(127);
}

// Starts argv with `input` on its standard input (through a pipe, never the command line).
pid_t Spawn(const std::vector<std::string>& argv, const std::string& input,
            const std::string& log) {
  int pipeFds[2] = {-1, -1};
  if (!input.empty() && pipe2(pipeFds, O_CLOEXEC) != 0) return -1;
  const pid_t pid = fork();
  if (pid == 0) ExecChild(argv, pipeFds[0], log);
  if (pipeFds[0] >= 0) {
    close(pipeFds[0]);
    if (pid > 0) (void)!write(pipeFds[1], input.data(), input.size());
    close(pipeFds[1]);
  }
  return pid;
}

// Waits for pid to end within limit; true with its exit status when it did.
bool WaitFor(pid_t pid, milliseconds limit, int& status) {
  for (auto waited = milliseconds{0}; waited <= limit; waited += kPollStep) {
    if (waitpid(pid, &status, WNOHANG) == pid) return true;
    std::this_thread::sleep_for(kPollStep);
  }
  return false;
}

bool Accepts(const std::string& address, std::uint16_t port) {
  sockaddr_in target{};
  target.sin_family = AF_INET;
  target.sin_port = htons(port);
  if (inet_pton(AF_INET, address.c_str(), &target.sin_addr) != 1) return false;
  const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  const bool connected = connect(fd, reinterpret_cast<sockaddr*>(&target), sizeof target) == 0;
  close(fd);
  return connected;
}

// smbd's helpers (samba-dcerpcd, rpcd_classic) start sessions of their own and outlive
// smbd: they are found by the configuration file they were started with.
std::vector<pid_t> ProcessesUsing(const std::string& configFile) {
  const std::string marker = "--configfile=" + configFile;
  std::vector<pid_t> found;
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator("/proc", error)) {
    const std::string name = entry.path().filename();
    if (name.find_first_not_of("0123456789") != std::string::npos) continue;
    std::string commandLine = ReadFile(entry.path() / "cmdline");
    std::replace(commandLine.begin(), commandLine.end(), '\0', ' ');
    if (commandLine.find(marker) != std::string::npos) found.push_back(std::stoi(name));
  }
  return found;
}

void EndAll(const std::string& configFile) {
  for (const int signal : {SIGTERM, SIGKILL}) {
    for (const pid_t pid : ProcessesUsing(configFile)) kill(pid, signal);
    for (auto waited = milliseconds{0}; waited < kStopLimit; waited += kPollStep) {
      if (ProcessesUsing(configFile).empty()) return;
      std::this_thread::sleep_for(kPollStep);
    }
  }
}

std::string UnixUser() {
  const passwd* account = getpwuid(geteuid());
  return account ? account->pw_name : "root";
}

std::string Prepare(const SmbSetup& setup) {
  std::error_code error;
  // smbd acts as the share user, who must be able to pass through the folder (mktemp -d makes
  // it 0700) and into each share.
  const auto passable = fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                        fs::perms::others_read | fs::perms::others_exec;
  fs::permissions(setup.shareDir, passable, fs::perm_options::add, error);
  for (const std::string& share : kShareNames) {
    fs::create_directories(setup.shareDir + "/" + share, error);
    fs::permissions(setup.shareDir + "/" + share, passable, fs::perm_options::add, error);
  }
  for (const std::string& folder : SmbStateFolders(setup)) fs::create_directories(folder, error);
  if (!WriteFile(setup.stateDir + "/smb.conf", SmbConfigText(setup)) ||
      !WriteFile(setup.stateDir + "/users.map", SmbUserMapText(setup))) {
    return "cannot write the smbd configuration in " + setup.stateDir;
  }
  return {};
}

std::string SetPassword(const SmbSetup& setup, const std::string& password) {
  const std::string log = setup.stateDir + "/smbpasswd.log";
  const pid_t pid =
      Spawn({kSmbPasswd, "-c", setup.stateDir + "/smb.conf", "-s", "-a", setup.unixUser},
            password + "\n" + password + "\n", log);
  int status = 0;
  if (pid < 0 || !WaitFor(pid, kStopLimit, status) || !WIFEXITED(status) ||
      WEXITSTATUS(status) != 0) {
    return "smbpasswd failed: " + ReadFile(log);
  }
  return {};
}

std::string CheckTools() {
  if (geteuid() != 0) return "--smb-dir needs root: smbd runs as root";
  if (access(kSmbd, X_OK) != 0 || access(kSmbPasswd, X_OK) != 0) {
    return std::string("--smb-dir needs ") + kSmbd + " (Debian package samba)";
  }
  return {};
}

// Waits until smbd accepts connections on the device's address; false when it ended first.
bool WaitUntilServing(pid_t pid, const std::string& address) {
  for (auto waited = milliseconds{0}; waited < kStartLimit; waited += kPollStep) {
    if (Accepts(address, kSmbPort)) return true;
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) == pid) return false;
    std::this_thread::sleep_for(kPollStep);
  }
  return false;
}

}  // namespace

std::unique_ptr<SmbServer> SmbServer::Start(const std::string& address, const std::string& shareDir,
                                            const std::string& password, std::string& error) {
  error = CheckTools();
  if (!error.empty()) return nullptr;
  // Beside the shares and in no share: what a killed device leaves goes with the folder.
  const std::string stateDir = fs::absolute(shareDir) / kStateFolder;
  if (!ProcessesUsing(stateDir + "/smb.conf").empty()) {
    error = "another device already serves " + shareDir;
    return nullptr;
  }
  std::error_code removed;
  fs::remove_all(stateDir, removed);
  if (!fs::create_directories(stateDir, removed)) {
    error = "cannot make the smbd state folder " + stateDir;
    return nullptr;
  }
  fs::permissions(stateDir, fs::perms::owner_all, removed);
  const SmbSetup setup{address, shareDir, stateDir, UnixUser()};
  // From here the server object owns the state folder and removes it however the start ends.
  std::unique_ptr<SmbServer> server(new SmbServer(-1, setup.stateDir));
  error = Prepare(setup);
  if (error.empty()) error = SetPassword(setup, password);
  if (!error.empty()) return nullptr;
  const std::string log = setup.stateDir + "/smbd.out";
  server->m_pid = Spawn(
      {kSmbd, "--foreground", "--no-process-group", "--configfile=" + setup.stateDir + "/smb.conf"},
      {}, log);
  if (server->m_pid > 0 && WaitUntilServing(server->m_pid, address)) return server;
  error = "smbd did not start on " + address + ": " + ReadFile(log) +
          ReadFile(setup.stateDir + "/log.smbd");
  return nullptr;
}

SmbServer::~SmbServer() {
  if (m_pid > 0) {
    kill(m_pid, SIGTERM);
    int status = 0;
    if (!WaitFor(m_pid, kStopLimit, status)) {
      kill(m_pid, SIGKILL);
      waitpid(m_pid, &status, 0);
    }
  }
  EndAll(m_stateDir + "/smb.conf");
  std::error_code error;
  fs::remove_all(m_stateDir, error);
}

}  // namespace tamberlyx::device
