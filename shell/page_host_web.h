// The page's host of the saver core: the scene on the page's canvas through
// WebGL 2, the calculation cycle between the frames on the page's one thread
// (with its own random sequence, so that a seed draws the frames the hack
// draws), at most one frame every 30 ms from the browser's animation
// callbacks, the canvas's size followed, and the sound once the user first
// clicks or presses a key. With a snapshot asked for, frame N of seed S with
// the sway held still, as fast as the callbacks come, then the page is done.
#pragma once
#include <cstdint>

#include "saver/saver_core.h"
#include "shell/frame_pacer.h"
#include "shell/frame_rate.h"
#include "shell/query_options.h"
#include "sound/audio_layer.h"
#include "sound/audio_out_web.h"
#include "sound/sound.h"

namespace sorvane {

class PageHost {
 public:
  explicit PageHost(const QueryOptions& query);
  PageHost(const PageHost&) = delete;
  PageHost& operator=(const PageHost&) = delete;

  // The calculation cycle, the device and the scene on the canvas; false,
  // with the page showing why, when they cannot be had.
  bool Start(uint32_t nowMs);
  // One animation callback; false once the page has nothing more to draw.
  bool Animate(uint32_t nowMs);
  // The page's first click or key press.
  void Gesture();

 private:
  bool Fail(const char* sentence);

  QueryOptions query_;
  Settings settings_;
  SaverCore saver_;
  Size size_{};
  FramePacer pacer_;
  FrameRateMeter meter_;
  int32_t framesDrawn_ = 0;
  WebAudioOutput output_;
  AudioLayer layer_{output_};
  SoundState sound_;
};

}  // namespace sorvane
