// The page's entry: the query string's options, then the saver on the page's
// canvas, one animation callback after another.
#include <emscripten/html5.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "shell/page_host_web.h"

namespace {

EM_BOOL Animate(double nowMs, void* host) {
  return static_cast<sorvane::PageHost*>(host)->Animate(static_cast<uint32_t>(nowMs)) ? EM_TRUE : EM_FALSE;
}

}  // namespace

// The page passes the query string's pairs, decoded, name and value in turn.
int main(int argc, char** argv) {
  using namespace sorvane;
  std::vector<std::pair<std::string, std::string>> pairs;
  for (int i = 1; i + 1 < argc; i += 2) pairs.emplace_back(argv[i], argv[i + 1]);
  const QueryOptions query = ParseQueryOptions(pairs);
  for (const std::string& warning : query.warnings) std::fprintf(stderr, "sorvane: %s\n", warning.c_str());
  // The host lives as long as the page.
  auto* host = new PageHost(query);
  if (host->Start(static_cast<uint32_t>(emscripten_get_now()))) emscripten_request_animation_frame_loop(Animate, host);
  return 0;
}
