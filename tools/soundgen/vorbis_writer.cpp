#include "tools/soundgen/vorbis_writer.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace sorvane::soundgen {

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

// What the encoder is fed: the faded-in end of the loop, the loop, and the
// loop's start once more, beyond the cut too.
float FedSample(const std::vector<float>& loop, size_t index) {
  const size_t frames = loop.size();
  if (index < kLoopPreroll) {
    const float fade = 0.5f - 0.5f * std::cos(3.14159265f * static_cast<float>(index) / kLoopPreroll);
    return loop[frames - kLoopPreroll + index] * fade;
  }
  return loop[(index - kLoopPreroll) % frames];
}

bool WritePage(std::FILE* file, const ogg_page& page) {
  return std::fwrite(page.header, 1, page.header_len, file) == static_cast<size_t>(page.header_len) &&
         std::fwrite(page.body, 1, page.body_len, file) == static_cast<size_t>(page.body_len);
}

}  // namespace

bool WriteOggVorbis(const std::string& path, const LoopBuffer& track, float quality, const char* title) {
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
  if (!file) return false;

  vorbis_info info;
  vorbis_info_init(&info);
  if (vorbis_encode_init_vbr(&info, 2, kSampleRate, quality) != 0) {
    vorbis_info_clear(&info);
    return false;
  }
  vorbis_comment comment;
  vorbis_comment_init(&comment);
  vorbis_comment_add_tag(&comment, "TITLE", title);
  vorbis_comment_add_tag(&comment, "LOOPSTART", std::to_string(kLoopPreroll).c_str());
  vorbis_comment_add_tag(&comment, "LOOPLENGTH", std::to_string(track.frames()).c_str());
  vorbis_dsp_state dsp;
  vorbis_analysis_init(&dsp, &info);
  vorbis_block block;
  vorbis_block_init(&dsp, &block);
  ogg_stream_state stream;
  ogg_stream_init(&stream, 0x536F7276);

  bool ok = true;
  ogg_packet header, commentHeader, codeHeader;
  vorbis_analysis_headerout(&dsp, &comment, &header, &commentHeader, &codeHeader);
  ogg_stream_packetin(&stream, &header);
  ogg_stream_packetin(&stream, &commentHeader);
  ogg_stream_packetin(&stream, &codeHeader);
  ogg_page page;
  while (ogg_stream_flush(&stream, &page) != 0) ok = ok && WritePage(file.get(), page);

  constexpr size_t kChunk = 4096;
  const int64_t streamEnd = static_cast<int64_t>(kLoopPreroll + track.frames() + kLoopTail);
  const size_t fedFrames = kLoopPreroll + track.frames() + kLoopTail + 2 * kChunk;
  size_t done = 0;
  bool ended = false;
  while (!ended) {
    const size_t count = std::min(kChunk, fedFrames - done);
    float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(kChunk));
    for (size_t i = 0; i < count; ++i) {
      buffer[0][i] = FedSample(track.left, done + i);
      buffer[1][i] = FedSample(track.right, done + i);
    }
    done += count;
    // A count of zero marks the end of what is fed.
    vorbis_analysis_wrote(&dsp, static_cast<int>(count));
    while (!ended && vorbis_analysis_blockout(&dsp, &block) == 1) {
      vorbis_analysis(&block, nullptr);
      vorbis_bitrate_addblock(&block);
      ogg_packet packet;
      while (!ended && vorbis_bitrate_flushpacket(&dsp, &packet) == 1) {
        // The first packet that completes the tail's last frame ends the
        // stream; its granule position trims the decoded output there.
        if (packet.granulepos >= streamEnd || packet.e_o_s) {
          packet.granulepos = streamEnd;
          packet.e_o_s = 1;
          ended = true;
        }
        ogg_stream_packetin(&stream, &packet);
        while (ogg_stream_pageout(&stream, &page) != 0) ok = ok && WritePage(file.get(), page);
      }
    }
  }
  while (ogg_stream_flush(&stream, &page) != 0) ok = ok && WritePage(file.get(), page);

  ogg_stream_clear(&stream);
  vorbis_block_clear(&block);
  vorbis_dsp_clear(&dsp);
  vorbis_comment_clear(&comment);
  vorbis_info_clear(&info);
  return ok;
}

}  // namespace sorvane::soundgen
