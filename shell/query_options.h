// The page's settings from its address: the hack's options, with their names,
// ranges and defaults, as the query string's name=value pairs (a switch as a
// bare name). The page always starts: a pair the hack would refuse (an unknown
// name, a value that is no value) is left out with a warning, and a value out
// of range is brought into range with one, as the hack does. `frames` asks for
// one frame of one seed, as the hack's --snapshot does; `seed` alone grows the
// seabed of a running page from that seed instead of the time.
#pragma once
#include <string>
#include <utility>
#include <vector>

#include "shell/hack_options.h"

namespace sorvane {

struct QueryOptions {
  HackOptions options;
  bool snapshot = false;
  bool seeded = false;
  // One line each, for pairs left out or values brought into range.
  std::vector<std::string> warnings;
};

// The pairs in the order of the query string, already decoded.
QueryOptions ParseQueryOptions(const std::vector<std::pair<std::string, std::string>>& pairs);

}  // namespace sorvane
