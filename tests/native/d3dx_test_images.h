// Small JPEG, DDS and BMP images built in memory, for the decoder tests and the
// fuzzers' seed corpora.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace sorvane::testimages {

inline void Put16(std::vector<uint8_t>* out, uint32_t v) {
  out->push_back(v & 0xFF);
  out->push_back((v >> 8) & 0xFF);
}

inline void Put32(std::vector<uint8_t>* out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

inline void Set32(std::vector<uint8_t>* out, size_t offset, uint32_t v) {
  for (int i = 0; i < 4; ++i) (*out)[offset + i] = (v >> (8 * i)) & 0xFF;
}

// Masks in the order red, green, blue, alpha; alpha 0 leaves out the alpha flag.
// raw holds width × height pixel values of bitCount bits, rows from the top.
inline std::vector<uint8_t> MakeDds(uint32_t width, uint32_t height, uint32_t bitCount,
                                    const std::array<uint32_t, 4>& masks, const std::vector<uint32_t>& raw) {
  std::vector<uint8_t> out;
  Put32(&out, 0x20534444);
  Put32(&out, 124);
  Put32(&out, 0x100F);  // caps, height, width, pitch, pixel format
  Put32(&out, height);
  Put32(&out, width);
  Put32(&out, width * bitCount / 8);
  Put32(&out, 0);
  Put32(&out, 0);
  for (int i = 0; i < 11; ++i) Put32(&out, 0);
  Put32(&out, 32);
  Put32(&out, 0x40 | (masks[3] != 0 ? 0x1 : 0));
  Put32(&out, 0);
  Put32(&out, bitCount);
  for (uint32_t mask : masks) Put32(&out, mask);
  Put32(&out, 0x1000);  // a plain texture
  for (int i = 0; i < 4; ++i) Put32(&out, 0);
  for (uint32_t value : raw) {
    for (uint32_t b = 0; b < bitCount / 8; ++b) out.push_back((value >> (8 * b)) & 0xFF);
  }
  return out;
}

inline std::array<uint32_t, 4> A1R5G5B5Masks() { return {0x7C00, 0x03E0, 0x001F, 0x8000}; }
inline std::array<uint32_t, 4> A8R8G8B8Masks() { return {0xFF0000, 0xFF00, 0xFF, 0xFF000000}; }

// A packed DIB. For 8 bits, values are palette indices and palette holds
// 0x00RRGGBB entries; for 24 bits, values are 0xRRGGBB. Rows are given from the
// top and stored bottom-up unless topDown.
inline std::vector<uint8_t> MakeDib(uint32_t width, uint32_t height, uint32_t bitCount,
                                    const std::vector<uint32_t>& palette, const std::vector<uint32_t>& values,
                                    bool topDown = false) {
  std::vector<uint8_t> out;
  Put32(&out, 40);
  Put32(&out, width);
  Put32(&out, topDown ? static_cast<uint32_t>(-static_cast<int32_t>(height)) : height);
  Put16(&out, 1);
  Put16(&out, bitCount);
  Put32(&out, 0);
  const uint32_t stride = (width * bitCount + 31) / 32 * 4;
  Put32(&out, stride * height);
  Put32(&out, 2835);
  Put32(&out, 2835);
  Put32(&out, static_cast<uint32_t>(palette.size()));
  Put32(&out, 0);
  for (uint32_t entry : palette) Put32(&out, entry);
  for (uint32_t row = 0; row < height; ++row) {
    const uint32_t y = topDown ? row : height - 1 - row;
    const size_t start = out.size();
    for (uint32_t x = 0; x < width; ++x) {
      const uint32_t v = values[y * width + x];
      if (bitCount == 8) {
        out.push_back(v & 0xFF);
      } else {
        out.push_back(v & 0xFF);
        out.push_back((v >> 8) & 0xFF);
        out.push_back((v >> 16) & 0xFF);
      }
    }
    out.resize(start + stride, 0);
  }
  return out;
}

// The DIB behind a BITMAPFILEHEADER, with gap spare bytes before the pixels.
inline std::vector<uint8_t> MakeBmpFile(const std::vector<uint8_t>& dib, uint32_t paletteCount, uint32_t gap = 0) {
  const uint32_t headers = 14 + 40 + paletteCount * 4;
  std::vector<uint8_t> out{'B', 'M'};
  Put32(&out, static_cast<uint32_t>(14 + dib.size() + gap));
  Put32(&out, 0);
  Put32(&out, headers + gap);
  out.insert(out.end(), dib.begin(), dib.begin() + (headers - 14));
  out.resize(out.size() + gap, 0xEE);
  out.insert(out.end(), dib.begin() + (headers - 14), dib.end());
  return out;
}

// rgb holds width × height × components samples (components 3 or 1).
inline std::vector<uint8_t> EncodeJpeg(uint32_t width, uint32_t height, int components,
                                       const std::vector<uint8_t>& samples, int quality = 95) {
  jpeg_compress_struct info;
  jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = width;
  info.image_height = height;
  info.input_components = components;
  info.in_color_space = components == 3 ? JCS_RGB : JCS_GRAYSCALE;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < height) {
    JSAMPROW row = const_cast<uint8_t*>(samples.data()) + static_cast<size_t>(info.next_scanline) * width * components;
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  std::vector<uint8_t> out(buffer, buffer + size);
  jpeg_destroy_compress(&info);
  std::free(buffer);
  return out;
}

// An RGB image of four flat quadrants: red, green / blue, white.
inline std::vector<uint8_t> QuadrantSamples(uint32_t size) {
  std::vector<uint8_t> rgb;
  for (uint32_t y = 0; y < size; ++y) {
    for (uint32_t x = 0; x < size; ++x) {
      const bool right = x >= size / 2, bottom = y >= size / 2;
      const uint8_t r = (!right && !bottom) || (right && bottom) ? 255 : 0;
      const uint8_t g = (right && !bottom) || (right && bottom) ? 255 : 0;
      const uint8_t b = bottom ? 255 : 0;
      rgb.insert(rgb.end(), {r, g, b});
    }
  }
  return rgb;
}

}  // namespace sorvane::testimages
