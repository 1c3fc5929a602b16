#pragma once

namespace tamberlyx {

// Registers the compiled-in pictures and icons; safe to call any number of times.
void InitResources();

}  // namespace tamberlyx
