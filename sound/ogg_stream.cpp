#include "sound/ogg_stream.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace sorvane {

namespace {

// Frames asked of the decoder at once.
constexpr int kDecodeChunk = 1024;
// A run of this many holes in a row is taken as the end of the data.
constexpr int kMaxHoles = 64;

// A comment's value as a frame count, or −1 when absent or not a plain number.
int64_t FrameComment(vorbis_comment* comment, const char* tag) {
  const char* text = comment ? vorbis_comment_query(comment, tag, 0) : nullptr;
  if (!text) return -1;
  int64_t value = -1;
  const char* end = text + std::strlen(text);
  const auto [rest, error] = std::from_chars(text, end, value);
  return error == std::errc() && rest == end && value >= 0 ? value : -1;
}

}  // namespace

std::unique_ptr<OggStream> OggStream::OpenFile(const std::string& path) {
  std::unique_ptr<OggStream> stream(new OggStream);
  stream->input_.file = std::fopen(path.c_str(), "rb");
  if (!stream->input_.file || !stream->Open()) return nullptr;
  return stream;
}

std::unique_ptr<OggStream> OggStream::OpenMemory(std::span<const uint8_t> bytes) {
  std::unique_ptr<OggStream> stream(new OggStream);
  stream->input_.bytes = bytes;
  if (!stream->Open()) return nullptr;
  return stream;
}

OggStream::~OggStream() {
  if (opened_) ov_clear(&vorbis_);
  if (input_.file) std::fclose(input_.file);
}

bool OggStream::Open() {
  const ov_callbacks callbacks = {&OggStream::ReadBytes, &OggStream::SeekBytes, nullptr, &OggStream::TellBytes};
  if (ov_open_callbacks(&input_, &vorbis_, nullptr, 0, callbacks) != 0) return false;
  opened_ = true;
  const vorbis_info* info = ov_info(&vorbis_, -1);
  if (!info || info->rate != kOutputRate || info->channels < 1) return false;

  const int64_t total = ov_pcm_total(&vorbis_, -1);
  if (total <= 0) return true;
  loopEnd_ = total;
  vorbis_comment* comment = ov_comment(&vorbis_, -1);
  const int64_t start = FrameComment(comment, "LOOPSTART");
  const int64_t length = FrameComment(comment, "LOOPLENGTH");
  // Comments that do not fit the file are ignored: the whole file loops.
  if (start >= 0 && start < total) {
    loopStart_ = start;
    if (length > 0 && length <= total - start) loopEnd_ = start + length;
  }
  return true;
}

size_t OggStream::Read(float* interleaved, size_t frames, bool loop) {
  size_t done = 0;
  // Set when a new pass round the loop has yielded nothing: the file holds no
  // playable frames, and looping again would spin for ever.
  bool emptyPass = false;
  while (done < frames) {
    const size_t pending = crossfade_.size() / kOutputChannels - crossfadeAt_;
    if (pending > 0) {
      const size_t count = std::min(pending, frames - done);
      std::copy_n(crossfade_.begin() + static_cast<ptrdiff_t>(crossfadeAt_ * kOutputChannels),
                  count * kOutputChannels, interleaved + done * kOutputChannels);
      crossfadeAt_ += count;
      done += count;
      emptyPass = false;
      continue;
    }
    size_t wanted = frames - done;
    if (loopEnd_ >= 0) wanted = static_cast<size_t>(std::clamp<int64_t>(loopEnd_ - position_, 0, static_cast<int64_t>(wanted)));
    const size_t decoded = wanted > 0 ? Decode(interleaved + done * kOutputChannels, wanted) : 0;
    if (decoded > 0) {
      done += decoded;
      emptyPass = false;
      continue;
    }
    if (!loop || emptyPass || !StartOver()) break;
    emptyPass = true;
  }
  return done;
}

// Back to the loop's start, with the crossfade from the frames after the loop.
bool OggStream::StartOver() {
  std::vector<float> tail(kLoopCrossfadeFrames * kOutputChannels);
  const size_t tailFrames = position_ == loopEnd_ ? Decode(tail.data(), kLoopCrossfadeFrames) : 0;
  if (ov_pcm_seek(&vorbis_, loopStart_) != 0) return false;
  position_ = loopStart_;
  crossfade_.assign(tailFrames * kOutputChannels, 0.0f);
  crossfadeAt_ = 0;
  const size_t frames = Decode(crossfade_.data(), tailFrames);
  crossfade_.resize(frames * kOutputChannels);
  for (size_t i = 0; i < frames; ++i) {
    const float toHead = (static_cast<float>(i) + 0.5f) / static_cast<float>(frames);
    for (size_t c = 0; c < kOutputChannels; ++c) {
      float& sample = crossfade_[i * kOutputChannels + c];
      sample = sample * toHead + tail[i * kOutputChannels + c] * (1.0f - toHead);
    }
  }
  return true;
}

size_t OggStream::Decode(float* interleaved, size_t frames) {
  size_t done = 0;
  int holes = 0;
  while (done < frames) {
    float** pcm = nullptr;
    int link = 0;
    const int chunk = static_cast<int>(std::min<size_t>(frames - done, kDecodeChunk));
    const long count = ov_read_float(&vorbis_, &pcm, chunk, &link);
    if (count == OV_HOLE && ++holes < kMaxHoles) continue;
    if (count <= 0) break;
    holes = 0;
    const vorbis_info* info = ov_info(&vorbis_, link);
    const int channels = info ? info->channels : 1;
    // Mono plays on both sides; channels past the first two are left out.
    const float* left = pcm[0];
    const float* right = pcm[channels > 1 ? 1 : 0];
    float* out = interleaved + done * kOutputChannels;
    for (long i = 0; i < count; ++i) {
      // A damaged packet can decode to infinities; they would spoil the mix.
      out[2 * i] = std::isfinite(left[i]) ? left[i] : 0.0f;
      out[2 * i + 1] = std::isfinite(right[i]) ? right[i] : 0.0f;
    }
    done += static_cast<size_t>(count);
    position_ += count;
  }
  return done;
}

size_t OggStream::ReadBytes(void* out, size_t size, size_t count, void* source) {
  Input& input = *static_cast<Input*>(source);
  if (input.file) return std::fread(out, size, count, input.file);
  const size_t wanted = size * count;
  const size_t available = input.bytes.size() - std::min(input.offset, input.bytes.size());
  const size_t n = std::min(wanted, available);
  if (n > 0) std::memcpy(out, input.bytes.data() + input.offset, n);
  input.offset += n;
  return size == 0 ? 0 : n / size;
}

int OggStream::SeekBytes(void* source, ogg_int64_t offset, int whence) {
  Input& input = *static_cast<Input*>(source);
  if (input.file) return std::fseek(input.file, static_cast<long>(offset), whence);
  const int64_t base = whence == SEEK_SET   ? 0
                       : whence == SEEK_CUR ? static_cast<int64_t>(input.offset)
                                            : static_cast<int64_t>(input.bytes.size());
  const int64_t size = static_cast<int64_t>(input.bytes.size());
  if (offset < -size || offset > size) return -1;
  const int64_t target = base + offset;
  if (target < 0 || target > size) return -1;
  input.offset = static_cast<size_t>(target);
  return 0;
}

long OggStream::TellBytes(void* source) {
  Input& input = *static_cast<Input*>(source);
  return input.file ? std::ftell(input.file) : static_cast<long>(input.offset);
}

}  // namespace sorvane
