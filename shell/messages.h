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

// The message for a scene-initialisation error.
const char* SceneErrorMessage(SceneError error);

}  // namespace sorvane
