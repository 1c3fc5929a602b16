#include "cli/apply/apply_input.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <system_error>
#include <utility>

namespace tamberlyx::cli {
namespace {

constexpr std::size_t kMaxPasswordFileRead = 4096;

// A regular file is read in one piece into a text of its size: grown and copied, a large file
// would cost several times its size before it is even read.
std::optional<std::string> ReadText(const std::string& file) {
  if (file == "-") {
    std::ostringstream text;
    text << std::cin.rdbuf();
    return std::move(text).str();
  }
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::error_code error;
  const std::uintmax_t size =
      std::filesystem::is_regular_file(file, error) ? std::filesystem::file_size(file, error) : 0;
  std::string text(error ? 0 : static_cast<std::size_t>(size), '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  text.resize(static_cast<std::size_t>(in.gcount()));
  // What a pipe gives, or what the file gained since its size was taken.
  text.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return text;
}

// The checks are made on the open file, so a file swapped in between is what gets refused.
PasswordOutcome ReadOpenPasswordFile(int fd, const std::string& path) {
  struct stat status {};
  if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    return {std::nullopt, path + " is not a regular file"};
  }
  if ((status.st_mode & (S_IRGRP | S_IROTH)) != 0) {
    return {std::nullopt, path + " can be read by others; make it private (chmod 600)"};
  }
  std::string bytes(kMaxPasswordFileRead, '\0');
  const ssize_t got = read(fd, bytes.data(), bytes.size());
  if (got < 0) return {std::nullopt, path + ": " + std::strerror(errno)};
  bytes.resize(static_cast<std::size_t>(got));
  std::istringstream in(bytes);
  PasswordOutcome outcome = ReadPassword(in);
  if (!outcome.password) outcome.error = path + ": " + outcome.error;
  return outcome;
}

std::string Beside(const std::string& file, const std::string& path) {
  const std::filesystem::path relative(path);
  if (relative.is_absolute() || file == "-") return path;
  return (std::filesystem::path(file).parent_path() / relative).string();
}

// Fills in the passwords; the common one is asked for at most once, and only when needed.
void GivePasswords(const CliCommand& command, const std::function<PasswordOutcome()>& readStdin,
                   LoadedApplyFile& loaded) {
  std::vector<std::string>& errors = loaded.errors;
  std::optional<PasswordOutcome> common;
  for (FileDevice& device : loaded.file.devices) {
    PasswordOutcome outcome;
    if (!device.passwordFile.empty()) {
      outcome = ReadPasswordFile(Beside(command.file, device.passwordFile));
      if (!outcome.password) {
        errors.push_back(FormatFileError(command.file, {device.passwordFileAt, outcome.error}));
      }
    } else {
      if (!common) {
        common = !command.passwordFile.empty() ? ReadPasswordFile(command.passwordFile)
                 : command.file == "-"
                     ? PasswordOutcome{std::nullopt,
                                       "FILE is standard input: give the password with "
                                       "--password-file or password_file"}
                     : readStdin();
        if (!common->password) errors.push_back(common->error);
      }
      outcome = *common;
    }
    device.password = outcome.password.value_or("");
  }
}

}  // namespace

PasswordOutcome ReadPasswordFile(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return {std::nullopt, path + ": " + std::strerror(errno)};
  PasswordOutcome outcome = ReadOpenPasswordFile(fd, path);
  close(fd);
  return outcome;
}

LoadedApplyFile LoadApplyFile(const CliCommand& command,
                              const std::function<PasswordOutcome()>& readStdinPassword) {
  LoadedApplyFile loaded;
  const std::optional<std::string> text = ReadText(command.file);
  if (!text) {
    loaded.errors.push_back(command.file + ": " + std::strerror(errno));
    return loaded;
  }
  ApplyFileOutcome parsed = ParseApplyFile(*text);
  for (const FileError& error : parsed.errors)
    loaded.errors.push_back(FormatFileError(command.file, error));
  if (!loaded.errors.empty()) return loaded;
  loaded.file = std::move(parsed.file);
  if (!command.check) GivePasswords(command, readStdinPassword, loaded);
  return loaded;
}

}  // namespace tamberlyx::cli
