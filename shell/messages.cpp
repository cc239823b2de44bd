#include "shell/messages.h"

namespace sorvane {

const char* SceneErrorMessage(SceneError error) {
  switch (error) {
    case kSceneErrorDevice: return "Unable to initialize Direct3D. You should update video card drivers.";
    case kSceneErrorTextures: return "Unable to load textures";
    case kSceneErrorGeometry: return "Unable to load geometry";
    case kSceneErrorDirect3D: return "Unable to create Direct3D object";
    case kSceneErrorWorld: return "Not enough memory for the scene";
    case kSceneErrorUnknown: break;
  }
  return "Unknown error";
}

}  // namespace sorvane
