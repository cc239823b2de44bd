// The two tracks of the saver, rendered as seamless loops.
#pragma once
#include "tools/soundgen/loop_buffer.h"

namespace sorvane::soundgen {

// "sorvane.ogg": 24 slow chords of 7.5 s (3 minutes) in D minor on soft pads
// with a low bass, a sparse pentatonic glass-marimba melody and a long reverb.
LoopBuffer RenderMusic();

// "svambient.ogg": 60 s under water: a low moving rumble, the surge of waves
// far above, and bubbles now and then.
LoopBuffer RenderAmbience();

}  // namespace sorvane::soundgen
