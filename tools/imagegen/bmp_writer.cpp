// BMP encoding: BITMAPFILEHEADER, BITMAPINFOHEADER, palette, bottom-up rows
// padded to four bytes.
#include "tools/imagegen/bmp_writer.h"

namespace sorvane::imagegen {

namespace {

void PutHeaders(Bytes& out, int width, int height, int bitsPerPixel, int paletteEntries,
                uint32_t imageSize) {
  uint32_t offset = 14 + 40 + 4u * paletteEntries;
  out.push_back('B');
  out.push_back('M');
  PutU32(out, offset + imageSize);
  PutU32(out, 0);
  PutU32(out, offset);
  PutU32(out, 40);
  PutU32(out, static_cast<uint32_t>(width));
  PutU32(out, static_cast<uint32_t>(height));  // positive: bottom-up rows
  PutU16(out, 1);
  PutU16(out, static_cast<uint32_t>(bitsPerPixel));
  PutU32(out, 0);  // BI_RGB
  PutU32(out, imageSize);
  PutU32(out, 2835);  // 72 dpi
  PutU32(out, 2835);
  PutU32(out, static_cast<uint32_t>(paletteEntries));
  PutU32(out, 0);
}

}  // namespace

Bytes EncodeBmp24(const Canvas& canvas) {
  int w = canvas.Width(), h = canvas.Height();
  int stride = (w * 3 + 3) & ~3;
  Bytes out;
  PutHeaders(out, w, h, 24, 0, static_cast<uint32_t>(stride * h));
  for (int y = h - 1; y >= 0; --y) {
    size_t rowStart = out.size();
    for (int x = 0; x < w; ++x) {
      const Rgba& p = canvas.At(x, y);
      out.push_back(ToByte(p.b));
      out.push_back(ToByte(p.g));
      out.push_back(ToByte(p.r));
    }
    while (out.size() - rowStart < static_cast<size_t>(stride)) out.push_back(0);
  }
  return out;
}

Bytes EncodeBmp8(const IndexedImage& image) {
  int w = image.width, h = image.height;
  int stride = (w + 3) & ~3;
  Bytes out;
  PutHeaders(out, w, h, 8, 256, static_cast<uint32_t>(stride * h));
  for (int i = 0; i < 256; ++i) {
    PaletteEntry e = i < static_cast<int>(image.palette.size()) ? image.palette[i] : PaletteEntry{};
    out.push_back(e.b);
    out.push_back(e.g);
    out.push_back(e.r);
    out.push_back(0);
  }
  for (int y = h - 1; y >= 0; --y) {
    for (int x = 0; x < stride; ++x) {
      out.push_back(x < w ? image.indices[static_cast<size_t>(y) * w + x] : 0);
    }
  }
  return out;
}

}  // namespace sorvane::imagegen
