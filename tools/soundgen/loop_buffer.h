// A stereo track that loops: sample n and sample n + frames are the same, so
// anything added past the end wraps round to the start and the join has no seam.
#pragma once
#include <cstddef>
#include <vector>

namespace sorvane::soundgen {

constexpr int kSampleRate = 44100;

struct LoopBuffer {
  explicit LoopBuffer(size_t frameCount) : left(frameCount, 0.0f), right(frameCount, 0.0f) {}
  size_t frames() const { return left.size(); }
  // Adds a sample pair at `position`, wrapping past the end.
  void Add(size_t position, float l, float r) {
    const size_t i = position % left.size();
    left[i] += l;
    right[i] += r;
  }

  std::vector<float> left;
  std::vector<float> right;
};

}  // namespace sorvane::soundgen
