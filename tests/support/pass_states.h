// What a pass's draws depend on: of the states a draw was made with, those
// that shape its pixels (the blend factors only while blending, the alpha
// reference only while testing, a stage's sampling only when it has a texture
// and its operation reads it, and so on); and a way to leave the device in
// arbitrary states, as a pass that went before might.
#pragma once
#include <cstdint>
#include <utility>
#include <vector>

#include "device/cached_device.h"
#include "tests/support/device_recording.h"

namespace sorvane {

using StateValues = std::vector<std::pair<uint32_t, uint32_t>>;

StateValues StatesThatShape(const DrawStates& draw);

// Sets every render and stage state that a pass changes to a random valid
// value through the caches. The device's set-up states (depth function, fog
// mode and start, lighting and the like), which no pass changes, stay.
void ScrambleStates(CachedDevice& gpu, uint32_t seed);

}  // namespace sorvane
