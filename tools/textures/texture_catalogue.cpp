// Every texture resource in load order, with its file name, format and painter;
// and the writing of the files and the resource script.
#include "tools/textures/texture_catalogue.h"

#include <cstdio>

#include "resources/texture_ids.h"
#include "tools/imagegen/bmp_writer.h"
#include "tools/imagegen/dds_writer.h"
#include "tools/imagegen/jpeg_writer.h"
#include "tools/imagegen/palette.h"
#include "tools/textures/caustics.h"
#include "tools/textures/corals.h"
#include "tools/textures/fish_skins.h"
#include "tools/textures/marble.h"
#include "tools/textures/masonry.h"
#include "tools/textures/plants.h"
#include "tools/textures/sand.h"
#include "tools/textures/stones.h"
#include "tools/textures/water_effects.h"
#include "tools/textures/wide_image.h"

namespace sorvane::imagegen {

namespace {

std::string Numbered(const char* stem, int n, const char* extension) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%s%02d.%s", stem, n, extension);
  return buffer;
}

// The resource id of the texture at `order` in the scene's load order.
int Id(int order) { return kTextureResourceIds[order]; }

std::string WithId(const char* stem, int id, const char* extension) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%s_%d.%s", stem, id, extension);
  return buffer;
}

}  // namespace

std::vector<TextureEntry> TextureCatalogue() {
  using K = ImageKind;
  constexpr ResourceType Data = ResourceType::RcData;
  std::vector<TextureEntry> list;
  auto add = [&](int id, std::string file, ResourceType type, ImageKind kind, int w, int h,
                 std::function<Canvas()> paint) {
    list.push_back({id, std::move(file), type, kind, w, h, std::move(paint)});
  };

  add(Id(kSandTexture), "sand.jpg", Data, K::Jpeg, 256, 256, [] { return PaintSand(); });
  for (int f = 0; f < kCausticFrames; ++f)
    add(Id(kFirstCausticTexture + f), Numbered("caustic", f, "jpg"), Data, K::Jpeg, 64, 64,
        [f] { return PaintCausticFrame(f); });

  add(Id(kFirstStoneTexture), "stone_237.jpg", Data, K::Jpeg, 128, 128,
      [] { return PaintStone(128, SandstoneStone()); });
  add(Id(kFirstStoneTexture + 1), "stone_240.jpg", Data, K::Jpeg, 128, 128,
      [] { return PaintStone(128, GraniteStone()); });
  add(Id(kFirstStoneTexture + 2), "stone_290.jpg", Data, K::Jpeg, 128, 128,
      [] { return PaintStone(128, MossyStone()); });
  add(Id(kFirstStoneTexture + 3), "column_291.jpg", Data, K::Jpeg, 256, 256,
      [] { return PaintMarble(256, 256, FlutedMarble()); });
  add(Id(kFirstStoneTexture + 4), "column_292.jpg", Data, K::Jpeg, 256, 256,
      [] { return PaintMarble(256, 256, VeinedMarble()); });
  add(Id(kFirstStoneTexture + 5), "column_293.jpg", Data, K::Jpeg, 256, 256,
      [] { return PaintMarble(256, 256, GreenMarble()); });

  add(Id(kFirstPlantTexture), "plant_239.dds", Data, K::DdsA1R5G5B5, 256, 256, [] { return PaintFrond(256); });
  add(Id(kFirstPlantTexture + 1), "plant_242.dds", Data, K::DdsA1R5G5B5, 256, 256, [] { return PaintGrassTuft(256); });
  add(Id(kFirstPlantTexture + 2), "plant_244.dds", Data, K::DdsA1R5G5B5, 128, 256,
      [] { return PaintKelpLeaf(128, 256); });
  add(Id(kFirstPlantTexture + 3), "plant_326.dds", Data, K::DdsA1R5G5B5, 64, 512,
      [] { return PaintRibbonBlade(64, 512); });
  add(Id(kBubbleTexture), "bubble.dds", Data, K::DdsA8R8G8B8, 32, 32, [] { return PaintBubble(32); });

  for (int species = 0; species < kFishSpecies; ++species) {
    add(Id(kFirstFishTexture + species), Numbered("fish", species, "bmp"), ResourceType::Bitmap, K::Bmp24, kSkinWidth,
        kSkinHeight,
        [species] { return PaintFishSkin(FishSkinStyles()[species], FishSkinKey(species), 252 + species); });
  }

  add(Id(kWideTexture), "wide_245.dds", Data, K::DdsA8R8G8B8, 512, 256, [] { return PaintWideImage({.seed = 245}); });
  add(kWideCyrillicResource, "wide_450.dds", Data, K::DdsA8R8G8B8, 512, 256,
      [] { return PaintWideImage({.seed = 450}); });
  for (int f = 0; f < kShimmerFrames; ++f)
    add(Id(kFirstShimmerTexture + f), Numbered("shimmer", f, "bmp"), Data, K::Bmp8Grey, 32, 32,
        [f] { return PaintShimmerFrame(f); });

  std::vector<MasonryStyle> walls = WallStyles();
  for (int i = 0; i < 9; ++i) {
    int id = Id(kFirstWallTexture + i);
    int w = (id == 305 || id == 306 || id == 322) ? 128 : 256;
    MasonryStyle style = walls[i];
    add(id, WithId("wall", id, "jpg"), Data, K::Jpeg, w, 256, [w, style] { return PaintMasonry(w, 256, style); });
  }
  static const int kBrickSizes[5][2] = {{128, 256}, {256, 256}, {256, 256}, {128, 128}, {128, 128}};
  std::vector<MasonryStyle> bricks = BrickStyles();
  for (int i = 0; i < 5; ++i) {
    int w = kBrickSizes[i][0], h = kBrickSizes[i][1];
    MasonryStyle style = bricks[i];
    const int id = Id(kFirstBrickTexture + i);
    add(id, WithId("brick", id, "jpg"), Data, K::Jpeg, w, h, [w, h, style] { return PaintMasonry(w, h, style); });
  }

  constexpr int coral = kFirstCoralTexture;
  add(Id(coral), "coral_327.jpg", Data, K::Jpeg, 128, 128, [] { return PaintCoral(128, 128, CoralBaseStyle()); });
  add(Id(coral + 1), "coral_328.jpg", Data, K::Jpeg, 128, 128, [] { return PaintCoral(128, 128, BranchCoralStyle()); });
  add(Id(coral + 2), "coral_329.jpg", Data, K::Jpeg, 128, 128, [] { return PaintCoral(128, 128, TubeCoralStyle()); });
  add(Id(coral + 3), "coral_330.dds", Data, K::DdsA8R8G8B8, 128, 128, [] { return PaintSeaFan(128); });
  add(Id(coral + 4), "coral_331.jpg", Data, K::Jpeg, 256, 256, [] { return PaintCoral(256, 256, BrainCoralStyle()); });
  add(Id(coral + 5), "coral_332.jpg", Data, K::Jpeg, 128, 128, [] { return PaintCoral(128, 128, SpongeStyle()); });

  add(333, "light_ray.dds", Data, K::DdsA8R8G8B8, 64, 64, [] { return PaintLightRay(64); });
  return list;
}

Bytes EncodeEntry(const TextureEntry& entry) {
  Canvas picture = entry.paint();
  switch (entry.kind) {
    case ImageKind::Jpeg:
      return EncodeJpeg(picture);
    case ImageKind::DdsA1R5G5B5:
      return EncodeDds(picture, DdsFormat::A1R5G5B5);
    case ImageKind::DdsA8R8G8B8:
      return EncodeDds(picture, DdsFormat::A8R8G8B8);
    case ImageKind::Bmp24:
      return EncodeBmp24(picture);
    case ImageKind::Bmp8Grey:
      return EncodeBmp8(ToGreyIndexed(picture));
  }
  return {};
}

std::string ResourceScript(const std::vector<TextureEntry>& entries) {
  std::string out = "// Generated by gen_textures: the scene's images as module resources.\n";
  for (const TextureEntry& e : entries) {
    out += std::to_string(e.resourceId);
    out += e.type == ResourceType::Bitmap ? " BITMAP \"" : " RCDATA \"";
    out += e.fileName + "\"\n";
  }
  return out;
}

bool GenerateTextures(const std::string& outdir) {
  std::vector<TextureEntry> entries = TextureCatalogue();
  for (const TextureEntry& e : entries) {
    if (!WriteFileBytes(outdir + "/" + e.fileName, EncodeEntry(e))) return false;
  }
  std::string script = ResourceScript(entries);
  return WriteFileBytes(outdir + "/textures.rc", Bytes(script.begin(), script.end()));
}

}  // namespace sorvane::imagegen
