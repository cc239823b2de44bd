// The device interface on the system's Direct3D 8 runtime.
#pragma once
#include "device/device.h"

namespace sorvane {

// Calls the runtime's Direct3DCreate8 entry (found in d3d8.dll at run time)
// with the SDK version; null when the runtime gives no object.
Direct3D* CreateRuntimeDirect3D(void* direct3DCreate8);

}  // namespace sorvane
