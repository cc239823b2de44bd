// What the page's own script (shell/page_web.html) does for its host: the
// state the page's tests watch, the one sentence shown in place of the scene,
// and the frame-rate readout. Each puts text into the page as text, never as
// markup.
#pragma once
#include <string>

namespace sorvane {

// "running", "done" (the snapshot is drawn) or "failed".
void SetPageState(const char* state);
void ShowSentence(const std::string& text);
void ShowReadout(const std::string& text);

}  // namespace sorvane
