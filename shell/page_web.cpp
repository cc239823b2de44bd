#include "shell/page_web.h"

#include <emscripten/emscripten.h>

namespace sorvane {
namespace {

EM_JS(void, SetState, (const char* state), { Module.sorvanePage.setState(UTF8ToString(state)); });
EM_JS(void, Sentence, (const char* text), { Module.sorvanePage.showSentence(UTF8ToString(text)); });
EM_JS(void, Readout, (const char* text), { Module.sorvanePage.showReadout(UTF8ToString(text)); });

}  // namespace

void SetPageState(const char* state) { SetState(state); }
void ShowSentence(const std::string& text) { Sentence(text.c_str()); }
void ShowReadout(const std::string& text) { Readout(text.c_str()); }

}  // namespace sorvane
