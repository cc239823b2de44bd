// Where the hack finds its sound files: the installation's data folder, found
// from the hack's own place so that any install prefix works, or, run from the
// build tree, the generated folder beside it.
#pragma once
#include <string>

namespace sorvane {

// Empty when neither exists: the sounds are then silent, as missing files are.
std::string HackDataFolder();

}  // namespace sorvane
