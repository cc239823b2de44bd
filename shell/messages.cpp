#include "shell/messages.h"

namespace sorvane {

const char* SceneErrorMessage(int code) {
  switch (code) {
    case 1: return "Unable to initialize Direct3D. You should update video card drivers.";
    case 2: return "Unable to load textures";
    case 3: return "Unable to load geometry";
    case 4: return "Unable to create Direct3D object";
    default: return "Unknown error";
  }
}

}  // namespace sorvane
