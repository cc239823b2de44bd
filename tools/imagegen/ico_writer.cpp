// ICO encoding: ICONDIR, one ICONDIRENTRY per size, then per size a
// BITMAPINFOHEADER (height doubled for the mask), BGRA rows bottom-up and a
// 1-bit AND mask that marks the fully transparent pixels.
#include "tools/imagegen/ico_writer.h"

namespace sorvane::imagegen {

namespace {

Bytes EncodeEntry(const Canvas& c) {
  int w = c.Width(), h = c.Height();
  int maskStride = ((w + 31) / 32) * 4;
  Bytes out;
  PutU32(out, 40);
  PutU32(out, static_cast<uint32_t>(w));
  PutU32(out, static_cast<uint32_t>(2 * h));
  PutU16(out, 1);
  PutU16(out, 32);
  PutU32(out, 0);
  PutU32(out, static_cast<uint32_t>(w * h * 4 + maskStride * h));
  for (int i = 0; i < 4; ++i) PutU32(out, 0);
  for (int y = h - 1; y >= 0; --y)
    for (int x = 0; x < w; ++x) {
      const Rgba& p = c.At(x, y);
      out.push_back(ToByte(p.b));
      out.push_back(ToByte(p.g));
      out.push_back(ToByte(p.r));
      out.push_back(ToByte(p.a));
    }
  for (int y = h - 1; y >= 0; --y) {
    Bytes row(static_cast<size_t>(maskStride), 0);
    for (int x = 0; x < w; ++x)
      if (ToByte(c.At(x, y).a) == 0) row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

}  // namespace

Bytes EncodeIco(const std::vector<Canvas>& sizes) {
  std::vector<Bytes> entries;
  for (const Canvas& c : sizes) entries.push_back(EncodeEntry(c));
  Bytes out;
  PutU16(out, 0);
  PutU16(out, 1);
  PutU16(out, static_cast<uint32_t>(sizes.size()));
  uint32_t offset = 6 + 16 * static_cast<uint32_t>(sizes.size());
  for (size_t i = 0; i < sizes.size(); ++i) {
    out.push_back(static_cast<uint8_t>(sizes[i].Width()));
    out.push_back(static_cast<uint8_t>(sizes[i].Height()));
    out.push_back(0);  // no palette
    out.push_back(0);
    PutU16(out, 1);   // planes
    PutU16(out, 32);  // bits per pixel
    PutU32(out, static_cast<uint32_t>(entries[i].size()));
    PutU32(out, offset);
    offset += static_cast<uint32_t>(entries[i].size());
  }
  for (const Bytes& e : entries) out.insert(out.end(), e.begin(), e.end());
  return out;
}

}  // namespace sorvane::imagegen
