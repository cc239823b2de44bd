// Encodes a stereo track as an Ogg Vorbis file with the native libvorbis encoder.
#pragma once
#include <string>

#include "tools/soundgen/loop_buffer.h"

namespace sorvane::soundgen {

// The encoder smears the edges of what it is given, and its coding noise at
// the end of the loop has nothing to do with that at the start, so a plain
// jump back would click. The file therefore holds the loop's last
// kLoopPreroll frames (faded in, heard once when playback starts), the loop,
// and its first kLoopTail frames again, over which a player crossfades into
// the decoded start. The encoder sees the loop go on past that, and the last
// page's granule position cuts the stream there. LOOPSTART and LOOPLENGTH
// comments (in frames) say where the loop lies.
constexpr size_t kLoopPreroll = 8192;
constexpr size_t kLoopTail = 4096;

// Quality on libvorbis's −0.1 … 1 scale; the stream serial is fixed so the
// same track always gives the same bytes. False when the file cannot be written.
bool WriteOggVorbis(const std::string& path, const LoopBuffer& track, float quality, const char* title);

}  // namespace sorvane::soundgen
