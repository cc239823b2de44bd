// The fixed texts the user may see.
#pragma once
#include "scene/scene_device.h"

namespace sorvane {

constexpr const char* kErrorTitle = "Sorvane Error";
constexpr const char* kInitFailedText = "Initialization failed...";
constexpr const char* kDirectXTitle = "Error";
constexpr const char* kDirectXQuestion =
    "Sorvane screensaver requires DirectX 8.1 or later. Download last version of DirectX?";
constexpr const char* kDirectXDownloadPage = "https://www.microsoft.com/en-us/download/details.aspx?id=35";
// The page's sentence when the browser has no WebGL 2 to draw with.
constexpr const char* kNoWebGl2Text = "Sorvane needs WebGL 2, which this browser does not offer or has turned off.";

// The message for a scene-initialisation error.
const char* SceneErrorMessage(SceneError error);

}  // namespace sorvane
