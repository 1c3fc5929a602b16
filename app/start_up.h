#pragma once

#include "pages/services.h"

namespace tamberlyx {

// The application object: checks the socket layer, then runs the welcome dialog modally as
// the main window. The program ends when that dialog closes.
class StartUp {
 public:
  explicit StartUp(const Services& services);

  // False in every case: there is no message loop after the welcome dialog.
  bool InitInstance();
  // 1 when the socket layer could not be started, else 0.
  int ExitCode() const { return m_exitCode; }

 private:
  bool StartSocketLayer();
  void RunWelcomeDialog();

  const Services& m_services;
  int m_exitCode = 0;
};

}  // namespace tamberlyx
