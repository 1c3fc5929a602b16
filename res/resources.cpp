#include "res/resources.h"

#include <QtGlobal>

// The resource registration must be called from the global namespace.
static void RegisterResources() {
  Q_INIT_RESOURCE(resources);
}

namespace tamberlyx {

void InitResources() {
  static const bool registered = (RegisterResources(), true);
  (void)registered;
}

}  // namespace tamberlyx
