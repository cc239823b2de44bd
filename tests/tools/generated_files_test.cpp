// The files the generators write: right headers for what the loaders and the
// resource compiler expect, the catalogue matching the resource list, colour keys
// only where cut-outs are meant, and the same bytes on every run.
#include <cstdlib>
#include <gtest/gtest.h>

#include <jpeglib.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>

#include "tools/imagegen/bmp_writer.h"
#include "tools/imagegen/ico_writer.h"
#include "tools/shell_images/app_icon.h"
#include "tools/shell_images/preview_picture.h"
#include "tools/textures/fish_skins.h"
#include "tools/textures/texture_catalogue.h"

namespace sorvane::imagegen {
namespace {

uint32_t U16(const Bytes& b, size_t at) { return b[at] | (b[at + 1] << 8); }
uint32_t U32(const Bytes& b, size_t at) { return U16(b, at) | (U16(b, at + 2) << 16); }

Bytes ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string MakeTempDir() {
  char pattern[] = "/tmp/sorvane-images-XXXXXX";
  return mkdtemp(pattern);
}

// A scratch folder removed when the test program ends.
struct ScratchDir {
  std::string path = MakeTempDir();
  ~ScratchDir() { std::filesystem::remove_all(path); }
};

// One generation shared by the tests of this file.
const std::string& Generated() {
  static const ScratchDir dir;
  static const bool written = GenerateTextures(dir.path);
  EXPECT_TRUE(written);
  return dir.path;
}

TEST(PreviewBitmap, Is152By112With8BitPalette) {
  Bytes bmp = EncodeBmp8(PreviewIndexed());
  ASSERT_GE(bmp.size(), 54u);
  EXPECT_EQ(bmp[0], 'B');
  EXPECT_EQ(bmp[1], 'M');
  EXPECT_EQ(U32(bmp, 2), bmp.size());
  EXPECT_EQ(U32(bmp, 10), 14u + 40u + 256u * 4u);  // pixels follow the full palette
  EXPECT_EQ(U32(bmp, 14), 40u);
  EXPECT_EQ(U32(bmp, 18), 152u);
  EXPECT_EQ(U32(bmp, 22), 112u);  // positive: bottom-up, as GetDIBits reads it
  EXPECT_EQ(U16(bmp, 28), 8u);
  EXPECT_EQ(U32(bmp, 30), 0u);  // BI_RGB
  EXPECT_EQ(U32(bmp, 46), 256u);
  EXPECT_EQ(bmp.size(), 14u + 40u + 1024u + 152u * 112u);
}

TEST(PreviewBitmap, UsesAWidePalette) {
  IndexedImage image = PreviewIndexed();
  std::set<int> used(image.indices.begin(), image.indices.end());
  EXPECT_GT(used.size(), 150u);  // a scene, not a few flat colours
}

TEST(IconFile, HoldsThreeSizesOf32BitWithMask) {
  Bytes ico = EncodeIco(IconSizes());
  ASSERT_EQ(U16(ico, 2), 1u);
  ASSERT_EQ(U16(ico, 4), 3u);
  int sizes[3] = {16, 32, 48};
  for (int i = 0; i < 3; ++i) {
    size_t entry = 6 + 16 * i;
    int s = sizes[i];
    EXPECT_EQ(ico[entry], s);
    EXPECT_EQ(U16(ico, entry + 6), 32u);
    uint32_t length = U32(ico, entry + 8), offset = U32(ico, entry + 12);
    ASSERT_LE(offset + length, ico.size());
    EXPECT_EQ(U32(ico, offset + 4), static_cast<uint32_t>(s));
    EXPECT_EQ(U32(ico, offset + 8), static_cast<uint32_t>(2 * s));
    uint32_t maskStride = ((s + 31) / 32) * 4;
    EXPECT_EQ(length, 40u + s * s * 4u + maskStride * s);
  }
}

TEST(TextureCatalogue, ListsEveryResourceOnceWithItsType) {
  std::vector<TextureEntry> entries = TextureCatalogue();
  EXPECT_EQ(entries.size(), 99u);  // 97 textures, the second wide image, the light ray
  std::set<int> ids;
  for (const TextureEntry& e : entries) EXPECT_TRUE(ids.insert(e.resourceId).second) << e.resourceId;
  EXPECT_EQ(ids.count(255), 0u);
  for (int id : {102, 195, 226, 235, 245, 450, 330, 332, 333, 334, 345}) EXPECT_EQ(ids.count(id), 1u) << id;
  int bitmaps = 0;
  for (const TextureEntry& e : entries) bitmaps += e.type == ResourceType::Bitmap;
  EXPECT_EQ(bitmaps, 20);

  std::string script = ResourceScript(entries);
  EXPECT_NE(script.find("252 BITMAP \"fish00.bmp\"\n"), std::string::npos);
  EXPECT_NE(script.find("256 BITMAP \"fish03.bmp\"\n"), std::string::npos);
  EXPECT_NE(script.find("333 RCDATA \"light_ray.dds\"\n"), std::string::npos);
  EXPECT_NE(script.find("195 RCDATA \"caustic00.jpg\"\n"), std::string::npos);
}

void ExpectJpeg(const Bytes& data, int width, int height, const std::string& name) {
  jpeg_decompress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, data.data(), static_cast<unsigned long>(data.size()));
  ASSERT_EQ(jpeg_read_header(&info, TRUE), JPEG_HEADER_OK) << name;
  EXPECT_EQ(static_cast<int>(info.image_width), width) << name;
  EXPECT_EQ(static_cast<int>(info.image_height), height) << name;
  EXPECT_EQ(info.num_components, 3) << name;
  jpeg_destroy_decompress(&info);
}

void ExpectDds(const Bytes& d, int width, int height, int bits, const std::string& name) {
  ASSERT_GE(d.size(), 128u) << name;
  EXPECT_EQ(std::string(d.begin(), d.begin() + 4), "DDS ") << name;
  EXPECT_EQ(U32(d, 4), 124u) << name;
  EXPECT_EQ(U32(d, 12), static_cast<uint32_t>(height)) << name;
  EXPECT_EQ(U32(d, 16), static_cast<uint32_t>(width)) << name;
  EXPECT_EQ(U32(d, 20), static_cast<uint32_t>(width * bits / 8)) << name;
  EXPECT_EQ(U32(d, 76), 32u) << name;
  EXPECT_EQ(U32(d, 80), 0x41u) << name;  // RGB with alpha
  EXPECT_EQ(U32(d, 88), static_cast<uint32_t>(bits)) << name;
  uint32_t alphaMask = bits == 16 ? 0x8000u : 0xFF000000u;
  EXPECT_EQ(U32(d, 104), alphaMask) << name;
  EXPECT_EQ(d.size(), 128u + static_cast<size_t>(width) * height * bits / 8) << name;
}

void ExpectBmp(const Bytes& b, int width, int height, int bits, const std::string& name) {
  ASSERT_GE(b.size(), 54u) << name;
  EXPECT_EQ(b[0], 'B') << name;
  EXPECT_EQ(U32(b, 2), b.size()) << name;
  EXPECT_EQ(U32(b, 18), static_cast<uint32_t>(width)) << name;
  EXPECT_EQ(U32(b, 22), static_cast<uint32_t>(height)) << name;
  EXPECT_EQ(U16(b, 28), static_cast<uint32_t>(bits)) << name;
  if (bits == 8) {
    EXPECT_EQ(U32(b, 46), 256u) << name;
  }
}

TEST(GeneratedTextures, HeadersMatchTheCatalogue) {
  for (const TextureEntry& e : TextureCatalogue()) {
    Bytes data = ReadAll(Generated() + "/" + e.fileName);
    switch (e.kind) {
      case ImageKind::Jpeg: ExpectJpeg(data, e.width, e.height, e.fileName); break;
      case ImageKind::DdsA1R5G5B5: ExpectDds(data, e.width, e.height, 16, e.fileName); break;
      case ImageKind::DdsA8R8G8B8: ExpectDds(data, e.width, e.height, 32, e.fileName); break;
      case ImageKind::Bmp24: ExpectBmp(data, e.width, e.height, 24, e.fileName); break;
      case ImageKind::Bmp8Grey: ExpectBmp(data, e.width, e.height, 8, e.fileName); break;
    }
  }
}

TEST(GeneratedTextures, PlantsAreCutOutByAlpha) {
  for (const char* name : {"plant_239.dds", "plant_242.dds", "plant_244.dds", "plant_326.dds"}) {
    Bytes d = ReadAll(Generated() + "/" + name);
    int clear = 0, opaque = 0, opaqueBlack = 0;
    for (size_t at = 128; at + 1 < d.size(); at += 2) {
      uint32_t texel = U16(d, at);
      if (texel & 0x8000) {
        ++opaque;
        opaqueBlack += (texel & 0x7FFF) == 0;
      } else {
        ++clear;
        EXPECT_EQ(texel, 0u) << name;  // transparent texels are black, as the colour key expects
      }
    }
    EXPECT_GT(clear, 0) << name;
    EXPECT_GT(opaque, 0) << name;
    EXPECT_EQ(opaqueBlack, 0) << name;  // the black colour key would punch holes in the plant
  }
}

TEST(FishSkins, KeyColourOnlyInTheFinCutOuts) {
  std::vector<FishSkinStyle> styles = FishSkinStyles();
  ASSERT_EQ(styles.size(), 20u);
  for (int species = 0; species < 20; ++species) {
    uint32_t key = FishSkinKey(species);
    Canvas skin = PaintFishSkin(styles[species], key, 252 + species);
    int keyedInBody = 0, keyedInFins = 0, nearKey = 0;
    for (int y = 0; y < skin.Height(); ++y)
      for (int x = 0; x < skin.Width(); ++x) {
        const Rgba& p = skin.At(x, y);
        uint32_t rgb = (ToByte(p.r) << 16) | (ToByte(p.g) << 8) | ToByte(p.b);
        // A cut-out nudged off the key would show as an opaque key-coloured fringe.
        int distance = 0;
        for (int shift : {0, 8, 16}) distance += std::abs(static_cast<int>((rgb >> shift) & 255) - static_cast<int>((key >> shift) & 255));
        if (rgb != key && distance < 8) ++nearKey;
        if (rgb != key) continue;
        (y < skin.Height() * 3 / 4 ? keyedInBody : keyedInFins)++;
      }
    EXPECT_EQ(keyedInBody, 0) << "species " << species;
    EXPECT_GT(keyedInFins, 0) << "species " << species;
    EXPECT_EQ(nearKey, 0) << "species " << species;
  }
}

TEST(Generators, GiveTheSameBytesOnEveryRun) {
  ScratchDir scratch;
  const std::string& second = scratch.path;
  ASSERT_TRUE(GenerateTextures(second));
  for (const TextureEntry& e : TextureCatalogue()) {
    Bytes a = ReadAll(Generated() + "/" + e.fileName), b = ReadAll(second + "/" + e.fileName);
    EXPECT_FALSE(a.empty()) << e.fileName;
    EXPECT_EQ(a, b) << e.fileName;
  }
  EXPECT_EQ(ReadAll(Generated() + "/textures.rc"), ReadAll(second + "/textures.rc"));
  EXPECT_EQ(EncodeBmp8(PreviewIndexed()), EncodeBmp8(PreviewIndexed()));
  EXPECT_EQ(EncodeIco(IconSizes()), EncodeIco(IconSizes()));
}

}  // namespace
}  // namespace sorvane::imagegen
