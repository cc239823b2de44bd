// JPEG images through libjpeg. The library's own error handler ends the
// process, so errors long-jump back here instead; warnings (a truncated or
// corrupt stream) count as errors too, rather than yielding a grey-filled image.
#include <csetjmp>
#include <cstdio>
#include <utility>

#include <jpeglib.h>

#include "d3dx/image.h"

namespace sorvane {
namespace {

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};

[[noreturn]] void OnError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

void OnMessage(j_common_ptr info, int level) {
  if (level < 0) OnError(info);
}

void Silence(j_common_ptr) {}

void RgbRowToArgb(const uint8_t* row, uint32_t width, uint32_t* out) {
  for (uint32_t x = 0; x < width; ++x, row += 3) out[x] = 0xFF000000u | row[0] << 16 | row[1] << 8 | row[2];
}

// The steps that call libjpeg create no C++ objects, so a long jump out of
// libjpeg skips no destructor; buffers belong to the caller.
bool ReadHeader(jpeg_decompress_struct* info, ErrorManager* errors, std::span<const uint8_t> data) {
  if (setjmp(errors->jump) != 0) return false;
  jpeg_mem_src(info, data.data(), static_cast<unsigned long>(data.size()));
  if (jpeg_read_header(info, TRUE) != JPEG_HEADER_OK) return false;
  info->out_color_space = JCS_RGB;
  return true;
}

bool ReadPixels(jpeg_decompress_struct* info, ErrorManager* errors, uint8_t* row, uint32_t* out) {
  if (setjmp(errors->jump) != 0) return false;
  jpeg_start_decompress(info);
  if (info->output_components != 3 || info->output_width != info->image_width ||
      info->output_height != info->image_height) {
    return false;
  }
  while (info->output_scanline < info->output_height) {
    uint32_t* target = out + static_cast<size_t>(info->output_scanline) * info->output_width;
    JSAMPROW rows[1] = {row};
    if (jpeg_read_scanlines(info, rows, 1) != 1) return false;
    RgbRowToArgb(row, info->output_width, target);
  }
  jpeg_finish_decompress(info);
  return true;
}

}  // namespace

bool DecodeJpeg(std::span<const uint8_t> data, Image* image) {
  jpeg_decompress_struct info;
  ErrorManager errors;
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = OnError;
  errors.base.emit_message = OnMessage;
  errors.base.output_message = Silence;
  jpeg_create_decompress(&info);

  Image decoded;
  std::vector<uint8_t> row;
  bool ok = ReadHeader(&info, &errors, data);
  if (ok) {
    ok = info.image_width > 0 && info.image_height > 0 && info.image_width <= kMaxImageDimension &&
         info.image_height <= kMaxImageDimension;
  }
  if (ok) {
    decoded.width = info.image_width;
    decoded.height = info.image_height;
    decoded.pixels.resize(static_cast<size_t>(decoded.width) * decoded.height);
    row.resize(static_cast<size_t>(decoded.width) * 3);
    ok = ReadPixels(&info, &errors, row.data(), decoded.pixels.data());
  }
  jpeg_destroy_decompress(&info);
  if (ok) *image = std::move(decoded);
  return ok;
}

}  // namespace sorvane
