// The run modes a screensaver module is started in.
#pragma once

namespace sorvane {

enum class RunMode : int { Configure = 0, Preview = 1, Saver = 2, Test = 3, Password = 4 };

}  // namespace sorvane
