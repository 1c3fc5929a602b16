#pragma once

namespace tamberlyx::test {

// What every widget program of the tests does before making its QApplication: the offscreen
// platform unless the caller chose another, the wizard's program name for message captions.
void PrepareGuiEnvironment();
void NameApplication();
// Drops the offscreen platform's notes about what it cannot do (raising windows).
void QuietOffscreenWarnings();

}  // namespace tamberlyx::test
