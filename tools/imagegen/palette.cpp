// Median-cut quantisation and dithered palette mapping.
#include "tools/imagegen/palette.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace sorvane::imagegen {

namespace {

using Colour8 = std::array<int, 3>;

struct Box {
  std::vector<Colour8> colours;
  int Range(int channel) const {
    int lo = 255, hi = 0;
    for (const Colour8& c : colours) {
      lo = std::min(lo, c[channel]);
      hi = std::max(hi, c[channel]);
    }
    return hi - lo;
  }
};

PaletteEntry Average(const Box& box) {
  long sum[3] = {0, 0, 0};
  for (const Colour8& c : box.colours)
    for (int k = 0; k < 3; ++k) sum[k] += c[k];
  long n = static_cast<long>(box.colours.size());
  return {static_cast<uint8_t>((sum[0] + n / 2) / n), static_cast<uint8_t>((sum[1] + n / 2) / n),
          static_cast<uint8_t>((sum[2] + n / 2) / n)};
}

int Nearest(const std::vector<PaletteEntry>& palette, float r, float g, float b) {
  int best = 0;
  float bestD = 1e30f;
  for (size_t i = 0; i < palette.size(); ++i) {
    float dr = r - palette[i].r, dg = g - palette[i].g, db = b - palette[i].b;
    // Green weighs most for the eye, blue least.
    float d = 0.30f * dr * dr + 0.59f * dg * dg + 0.11f * db * db;
    if (d < bestD) {
      bestD = d;
      best = static_cast<int>(i);
    }
  }
  return best;
}

}  // namespace

IndexedImage QuantiseMedianCut(const Canvas& canvas, int colours, bool dither) {
  int w = canvas.Width(), h = canvas.Height();
  std::vector<Box> boxes(1);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const Rgba& p = canvas.At(x, y);
      boxes[0].colours.push_back({ToByte(p.r), ToByte(p.g), ToByte(p.b)});
    }
  while (static_cast<int>(boxes.size()) < colours) {
    // Split the box whose widest channel, weighted by its pixel count, is largest.
    int pick = -1, pickChannel = 0;
    double pickScore = 0;
    for (size_t i = 0; i < boxes.size(); ++i) {
      if (boxes[i].colours.size() < 2) continue;
      for (int k = 0; k < 3; ++k) {
        int range = boxes[i].Range(k);
        double score = static_cast<double>(range) * std::sqrt(static_cast<double>(boxes[i].colours.size()));
        if (range > 0 && score > pickScore) {
          pickScore = score;
          pick = static_cast<int>(i);
          pickChannel = k;
        }
      }
    }
    if (pick < 0) break;
    std::vector<Colour8>& c = boxes[pick].colours;
    std::stable_sort(c.begin(), c.end(), [&](const Colour8& a, const Colour8& b) {
      return a[pickChannel] < b[pickChannel];
    });
    size_t mid = c.size() / 2;
    // Keep equal values on one side so both halves differ in the split channel.
    while (mid > 0 && c[mid][pickChannel] == c[mid - 1][pickChannel]) --mid;
    if (mid == 0) {
      mid = c.size() / 2;
      while (mid < c.size() && c[mid][pickChannel] == c[mid - 1][pickChannel]) ++mid;
    }
    Box upper;
    upper.colours.assign(c.begin() + static_cast<long>(mid), c.end());
    c.resize(mid);
    boxes.push_back(std::move(upper));
  }

  IndexedImage out;
  out.width = w;
  out.height = h;
  for (const Box& b : boxes) out.palette.push_back(Average(b));
  out.indices.resize(static_cast<size_t>(w) * h);

  std::vector<float> err(static_cast<size_t>(w + 2) * 2 * 3, 0.0f);
  auto errAt = [&](int row, int x, int k) -> float& {
    return err[(static_cast<size_t>(row & 1) * (w + 2) + static_cast<size_t>(x + 1)) * 3 + k];
  };
  for (int y = 0; y < h; ++y) {
    for (int x = -1; x <= w; ++x)
      for (int k = 0; k < 3; ++k) errAt(y + 1, x, k) = 0;
    for (int x = 0; x < w; ++x) {
      const Rgba& p = canvas.At(x, y);
      float want[3] = {p.r * 255.0f, p.g * 255.0f, p.b * 255.0f};
      if (dither)
        for (int k = 0; k < 3; ++k) want[k] = std::clamp(want[k] + errAt(y, x, k), 0.0f, 255.0f);
      int idx = Nearest(out.palette, want[0], want[1], want[2]);
      out.indices[static_cast<size_t>(y) * w + x] = static_cast<uint8_t>(idx);
      if (!dither) continue;
      const PaletteEntry& e = out.palette[idx];
      float got[3] = {static_cast<float>(e.r), static_cast<float>(e.g), static_cast<float>(e.b)};
      for (int k = 0; k < 3; ++k) {
        float d = want[k] - got[k];
        errAt(y, x + 1, k) += d * 7.0f / 16.0f;
        errAt(y + 1, x - 1, k) += d * 3.0f / 16.0f;
        errAt(y + 1, x, k) += d * 5.0f / 16.0f;
        errAt(y + 1, x + 1, k) += d * 1.0f / 16.0f;
      }
    }
  }
  return out;
}

IndexedImage ToGreyIndexed(const Canvas& canvas) {
  IndexedImage out;
  out.width = canvas.Width();
  out.height = canvas.Height();
  for (int i = 0; i < 256; ++i) {
    uint8_t v = static_cast<uint8_t>(i);
    out.palette.push_back({v, v, v});
  }
  for (int y = 0; y < out.height; ++y)
    for (int x = 0; x < out.width; ++x) out.indices.push_back(ToByte(canvas.At(x, y).r));
  return out;
}

}  // namespace sorvane::imagegen
