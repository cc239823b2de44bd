// Writes small valid images of each kind and a short Ogg loop as the fuzzers' seed
// corpora: make_seeds <dir> fills <dir>/jpeg, <dir>/dds, <dir>/bmp, <dir>/texture and
// <dir>/ogg; the shader fuzzer is seeded from the plant shader in resources/.
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/native/d3dx_test_images.h"
#include "tools/soundgen/vorbis_writer.h"

namespace {

using namespace sorvane::testimages;

void Write(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const std::filesystem::path root = argv[1];
  for (const char* kind : {"jpeg", "dds", "bmp"}) std::filesystem::create_directories(root / kind);

  Write(root / "jpeg/colour.jpg", EncodeJpeg(16, 16, 3, QuadrantSamples(16), 90));
  Write(root / "jpeg/odd.jpg", EncodeJpeg(13, 7, 3, QuadrantSamples(13), 50));
  Write(root / "jpeg/grey.jpg", EncodeJpeg(8, 8, 1, std::vector<uint8_t>(64, 77)));

  std::vector<uint32_t> raw16, raw32;
  for (uint32_t i = 0; i < 16; ++i) {
    raw16.push_back(i * 0x1111);
    raw32.push_back(i * 0x11111111);
  }
  Write(root / "dds/a1r5g5b5.dds", MakeDds(4, 4, 16, A1R5G5B5Masks(), raw16));
  Write(root / "dds/a8r8g8b8.dds", MakeDds(4, 4, 32, A8R8G8B8Masks(), raw32));
  Write(root / "dds/r8g8b8.dds", MakeDds(2, 8, 24, {0xFF0000, 0xFF00, 0xFF, 0}, raw32));

  std::vector<uint32_t> indices;
  for (uint32_t i = 0; i < 15; ++i) indices.push_back(i % 4);
  const std::vector<uint8_t> dib8 = MakeDib(5, 3, 8, {0x000000, 0xFF0000, 0x00FF00, 0x0000FF}, indices);
  const std::vector<uint8_t> dib24 = MakeDib(3, 5, 24, {}, raw32, true);
  Write(root / "bmp/palette.dib", dib8);
  Write(root / "bmp/palette.bmp", MakeBmpFile(dib8, 4));
  Write(root / "bmp/rgb.dib", dib24);
  Write(root / "bmp/rgb.bmp", MakeBmpFile(dib24, 0, 2));

  // The texture fuzzer's first byte picks options (0x10: the rest is a DIB).
  std::filesystem::create_directories(root / "texture");
  auto withChoice = [](uint8_t choice, std::vector<uint8_t> bytes) {
    bytes.insert(bytes.begin(), choice);
    return bytes;
  };
  Write(root / "texture/jpeg", withChoice(0x05, EncodeJpeg(13, 7, 3, QuadrantSamples(13), 50)));
  Write(root / "texture/dds", withChoice(0xA9, MakeDds(3, 5, 16, A1R5G5B5Masks(), raw16)));
  Write(root / "texture/dib", withChoice(0x52, dib8));

  // A 0.1 s loop of a low tone, with its loop comments.
  std::filesystem::create_directories(root / "ogg");
  sorvane::soundgen::LoopBuffer tone(4410);
  for (size_t i = 0; i < tone.frames(); ++i) tone.left[i] = tone.right[i] = 0.3f * std::sin(0.0142476f * i);
  return sorvane::soundgen::WriteOggVorbis((root / "ogg/tone.ogg").string(), tone, 0.1f, "seed") ? 0 : 1;
}
