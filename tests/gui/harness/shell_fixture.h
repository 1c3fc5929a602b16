#pragma once

#include <gtest/gtest.h>

#include "app/welcome_dialog.h"
#include "pages/wizard.h"
#include "tests/gui/harness/scoped_language.h"
#include "tests/gui/harness/test_services.h"

namespace tamberlyx::test {

// The welcome dialog shown (not run modally) as the main window, with the program-wide pages
// behind it, on the test services, in English.
class ShellFixture : public testing::Test {
 protected:
  // The device GoForwardTo finds, unless the test put its own there first.
  static constexpr char kFixtureDevice[] = "192.168.0.20";
  static constexpr char kFixturePassword[] = "admin";

  ShellFixture();
  ~ShellFixture() override;

  // Setup on the welcome dialog and the end of its search, then the forward buttons up to page
  // `step` (1 to 4), passing the password check with the first device found.
  void GoForwardTo(int step);

  ScopedLanguage m_language{Language::kEnglish};
  TestServices m_services;
  Wizard m_wizard{m_services.Get()};
  WelcomeDialog m_welcome{m_wizard.Step1()};
};

}  // namespace tamberlyx::test
