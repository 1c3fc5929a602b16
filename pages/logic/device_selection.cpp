#include "pages/logic/device_selection.h"

namespace tamberlyx {

void DeviceSelection::Select(int row) {
  if (m_devices.Empty()) return;  // nothing to select: the working copy keeps its edits
  SelectIntoSharedBuffers(m_devices, row, m_buffers);
  ++m_reads;
}

}  // namespace tamberlyx
