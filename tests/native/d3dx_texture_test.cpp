// Texture creation through the recording device: colour keys, mip chains and
// their filters, scaling to powers of two, format fallback and failures.
#include <gtest/gtest.h>

#include <cstring>

#include "d3dx/texture_loader.h"
#include "device/d3d8_constants.h"
#include "tests/support/device_recording.h"
#include "tests/native/d3dx_test_images.h"

namespace sorvane {
namespace {

Image MakeImage(uint32_t width, uint32_t height, std::vector<uint32_t> pixels) {
  Image image;
  image.width = width;
  image.height = height;
  image.pixels = std::move(pixels);
  return image;
}

std::vector<uint32_t> Words(const std::vector<uint8_t>& bytes) {
  std::vector<uint32_t> words(bytes.size() / 4);
  std::memcpy(words.data(), bytes.data(), words.size() * 4);
  return words;
}

std::vector<uint16_t> Halfwords(const std::vector<uint8_t>& bytes) {
  std::vector<uint16_t> halves(bytes.size() / 2);
  std::memcpy(halves.data(), bytes.data(), halves.size() * 2);
  return halves;
}

class D3dxTextureTest : public ::testing::Test {
 protected:
  void Unsupported(std::vector<uint32_t> formats) {
    direct3d.unsupportedFormats = formats;
    device.unsupportedTextureFormats = formats;
  }
  RecordedTexture& Create(const Image& image, const TextureOptions& options) {
    Texture* texture = nullptr;
    const HResult r = CreateTextureFromImage(direct3d, device, image, options, &texture);
    EXPECT_EQ(r, D3D_OK);
    EXPECT_NE(texture, nullptr);
    return RecordingDevice::Of(texture);
  }
  RecordingDirect3D direct3d;
  RecordingDevice device;
};

TEST_F(D3dxTextureTest, ColourKeyAndBoxFilteredChain) {
  const Image image = MakeImage(4, 2,
                                {0xFF000000, 0xFF204060, 0x80FFFFFF, 0xFF000000,  //
                                 0xFF102030, 0xFF000000, 0x00000000, 0xFF00FF00});
  const RecordedTexture& t =
      Create(image, {D3DFMT_A8R8G8B8, D3DX_FILTER_LINEAR, D3DX_FILTER_BOX, 0xFF000000});
  ASSERT_EQ(device.Count("CreateTexture"), 1u);
  EXPECT_EQ(device.calls()[0].args, (std::vector<uint64_t>{4, 2, 3, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED}));
  ASSERT_EQ(t.levels.size(), 3u);
  // Opaque black becomes transparent black; nothing else changes.
  EXPECT_EQ(Words(t.levels[0]), (std::vector<uint32_t>{0, 0xFF204060, 0x80FFFFFF, 0, 0xFF102030, 0, 0, 0xFF00FF00}));
  // Each channel of a 2 × 2 block averaged, rounded.
  EXPECT_EQ(Words(t.levels[1]), (std::vector<uint32_t>{0x800C1824, 0x60408040}));
  EXPECT_EQ(Words(t.levels[2]), (std::vector<uint32_t>{0x70264C32}));
  EXPECT_EQ(device.Count("LockTextureLevel"), 3u);
  EXPECT_EQ(device.Count("UnlockTextureLevel"), 3u);
}

TEST_F(D3dxTextureTest, ChainOfATallImageAndThePointMipFilter) {
  std::vector<uint32_t> pixels(64 * 512);
  for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = 0xFF000000u | static_cast<uint32_t>(i);
  const RecordedTexture& t = Create(MakeImage(64, 512, pixels), {D3DFMT_A8R8G8B8, D3DX_FILTER_POINT, D3DX_FILTER_POINT, 0});
  ASSERT_EQ(t.levels.size(), 10u);
  for (uint32_t level = 0; level < 10; ++level) {
    const uint32_t w = std::max(1u, 64u >> level), h = 512u >> level;
    EXPECT_EQ(t.pitches[level], static_cast<int32_t>(w * 4)) << "level " << level;
    EXPECT_EQ(t.levels[level].size(), size_t{w} * h * 4) << "level " << level;
  }
  // Point sampling keeps the top-left pixel of each block: level 2, pixel (1, 1) is source (4, 4).
  EXPECT_EQ(Words(t.levels[2])[1 * 16 + 1], pixels[4 * 64 + 4]);
  // Once one side is a pixel wide only the other halves (level 6 is 1 × 8),
  // and level 7 (1 × 4) row 1 is source row 128.
  EXPECT_EQ(Words(t.levels[7])[1], pixels[128 * 64]);
}

TEST_F(D3dxTextureTest, TwentyFourBitTexturesFallBackToTheNearestFormat) {
  const Image image = MakeImage(2, 1, {0x80123456, 0xFF000000});
  const TextureOptions sand{D3DFMT_R8G8B8, D3DX_DEFAULT, D3DX_FILTER_BOX, 0xFF000000};

  RecordedTexture* t = &Create(image, sand);
  EXPECT_EQ(t->format, D3DFMT_R8G8B8);
  EXPECT_EQ(t->levels[0], (std::vector<uint8_t>{0x56, 0x34, 0x12, 0, 0, 0}));
  // The format check names the adapter's format and a texture.
  ASSERT_GE(direct3d.Count("CheckDeviceFormat"), 1u);
  EXPECT_EQ(direct3d.calls()[1].args,
            (std::vector<uint64_t>{direct3d.displayMode.format, 0, D3DRTYPE_TEXTURE, D3DFMT_R8G8B8}));

  Unsupported({D3DFMT_R8G8B8});
  t = &Create(image, sand);
  EXPECT_EQ(t->format, D3DFMT_X8R8G8B8);
  EXPECT_EQ(Words(t->levels[0]), (std::vector<uint32_t>{0xFF123456, 0xFF000000}));

  Unsupported({D3DFMT_R8G8B8, D3DFMT_X8R8G8B8});
  EXPECT_EQ(Create(image, sand).format, D3DFMT_A8R8G8B8);

  Unsupported({D3DFMT_R8G8B8, D3DFMT_X8R8G8B8, D3DFMT_A8R8G8B8});
  t = &Create(MakeImage(1, 1, {0xFFFF8000}), {D3DFMT_R8G8B8, D3DX_FILTER_LINEAR, D3DX_FILTER_BOX, 0});
  EXPECT_EQ(t->format, D3DFMT_R5G6B5);
  EXPECT_EQ(Halfwords(t->levels[0]), std::vector<uint16_t>{31 << 11 | 32 << 5});
}

TEST_F(D3dxTextureTest, AlphaTexturesKeepAnAlphaChannelWhenFallingBack) {
  Unsupported({D3DFMT_A8R8G8B8});
  const RecordedTexture& t =
      Create(MakeImage(2, 1, {0x00FFFFFF, 0xFF0000FF}), {D3DFMT_A8R8G8B8, D3DX_FILTER_POINT, D3DX_FILTER_POINT, 0});
  EXPECT_EQ(t.format, D3DFMT_A1R5G5B5);
  EXPECT_EQ(Halfwords(t.levels[0]), (std::vector<uint16_t>{0x7FFF, 0x801F}));

  Unsupported({D3DFMT_A8R8G8B8, D3DFMT_A1R5G5B5});
  EXPECT_EQ(Create(MakeImage(1, 1, {0x88FFFFFF}), {D3DFMT_A8R8G8B8, D3DX_DEFAULT, D3DX_DEFAULT, 0}).format,
            D3DFMT_A4R4G4B4);
}

TEST_F(D3dxTextureTest, NoUsableFormatCreatesNothing) {
  Unsupported({D3DFMT_R8G8B8, D3DFMT_X8R8G8B8, D3DFMT_A8R8G8B8, D3DFMT_R5G6B5, D3DFMT_X1R5G5B5, D3DFMT_A1R5G5B5,
               D3DFMT_A4R4G4B4});
  Texture* texture = nullptr;
  EXPECT_EQ(CreateTextureFromImage(direct3d, device, MakeImage(1, 1, {0}), {D3DFMT_R8G8B8}, &texture),
            D3DERR_NOTAVAILABLE);
  EXPECT_EQ(texture, nullptr);
  EXPECT_EQ(device.Count("CreateTexture"), 0u);
}

TEST_F(D3dxTextureTest, DitherSpreadsAChannelBetweenTheTwoNearestLevels) {
  const Image grey = MakeImage(16, 16, std::vector<uint32_t>(256, 0xFF888888));
  Unsupported({D3DFMT_R8G8B8, D3DFMT_X8R8G8B8, D3DFMT_A8R8G8B8});
  auto reds = [](const RecordedTexture& t) {
    std::vector<int> values;
    for (uint16_t p : Halfwords(t.levels[0])) values.push_back(p >> 11);
    return values;
  };
  const std::vector<int> plain = reds(Create(grey, {D3DFMT_R8G8B8, D3DX_FILTER_LINEAR, D3DX_FILTER_BOX, 0}));
  EXPECT_EQ(plain, std::vector<int>(256, 17));  // 0x88 is 16.53 of 31: rounded up everywhere

  const std::vector<int> dithered =
      reds(Create(grey, {D3DFMT_R8G8B8, D3DX_FILTER_LINEAR | D3DX_FILTER_DITHER, D3DX_FILTER_POINT, 0}));
  int sum = 0;
  for (int v : dithered) {
    EXPECT_TRUE(v == 16 || v == 17) << v;
    sum += v;
  }
  EXPECT_NEAR(sum / 256.0 * 255.0 / 31.0, 136.0, 1.0);
}

TEST_F(D3dxTextureTest, OtherSizesAreScaledUpToPowersOfTwo) {
  const std::vector<uint32_t> ramp = {0xFF000000, 0xFF500000, 0xFFA00000};
  std::vector<uint32_t> pixels;
  for (int row = 0; row < 3; ++row) pixels.insert(pixels.end(), ramp.begin(), ramp.end());
  const Image image = MakeImage(3, 3, pixels);

  const RecordedTexture& none = Create(image, {D3DFMT_A8R8G8B8, D3DX_FILTER_NONE, D3DX_FILTER_POINT, 0});
  EXPECT_EQ(none.width, 4u);
  EXPECT_EQ(none.height, 4u);
  const std::vector<uint32_t> padded = Words(none.levels[0]);
  EXPECT_EQ(std::vector<uint32_t>(padded.begin(), padded.begin() + 4),
            (std::vector<uint32_t>{0xFF000000, 0xFF500000, 0xFFA00000, 0}));
  EXPECT_EQ(padded[15], 0u);

  const std::vector<uint32_t> point =
      Words(Create(image, {D3DFMT_A8R8G8B8, D3DX_FILTER_POINT, D3DX_FILTER_POINT, 0}).levels[0]);
  EXPECT_EQ(std::vector<uint32_t>(point.begin(), point.begin() + 4),
            (std::vector<uint32_t>{0xFF000000, 0xFF000000, 0xFF500000, 0xFFA00000}));

  const std::vector<uint32_t> linear =
      Words(Create(image, {D3DFMT_A8R8G8B8, D3DX_FILTER_LINEAR, D3DX_FILTER_POINT, 0}).levels[0]);
  EXPECT_EQ(std::vector<uint32_t>(linear.begin() + 12, linear.end()),
            (std::vector<uint32_t>{0xFF000000, 0xFF320000, 0xFF6E0000, 0xFFA00000}));
}

TEST_F(D3dxTextureTest, FailuresReleaseWhatWasCreated) {
  Texture* texture = nullptr;
  const Image image = MakeImage(2, 2, {1, 2, 3, 4});
  EXPECT_EQ(CreateTextureFromImage(direct3d, device, image, {D3DFMT_D16}, &texture), D3DERR_INVALIDCALL);
  EXPECT_EQ(CreateTextureFromImage(direct3d, device, image, {D3DFMT_A8R8G8B8, 9}, &texture), D3DERR_INVALIDCALL);
  EXPECT_EQ(CreateTextureFromImage(direct3d, device, Image{}, {D3DFMT_A8R8G8B8}, &texture), D3DERR_INVALIDCALL);
  EXPECT_EQ(device.Count("CreateTexture"), 0u);

  device.Fail("CreateTexture", E_OUTOFMEMORY, 1);
  EXPECT_EQ(CreateTextureFromImage(direct3d, device, image, {D3DFMT_A8R8G8B8}, &texture), E_OUTOFMEMORY);
  device.Fail("LockTextureLevel", D3DERR_INVALIDCALL, 1);
  EXPECT_EQ(CreateTextureFromImage(direct3d, device, image, {D3DFMT_A8R8G8B8}, &texture), D3DERR_INVALIDCALL);
  EXPECT_EQ(device.Count("ReleaseTexture"), 1u);
  EXPECT_EQ(device.LiveResources(), 0u);
  EXPECT_EQ(texture, nullptr);

  direct3d.Fail("GetAdapterDisplayMode", D3DERR_NOTAVAILABLE, 1);
  EXPECT_EQ(CreateTextureFromImage(direct3d, device, image, {D3DFMT_A8R8G8B8}, &texture), D3DERR_NOTAVAILABLE);
}

TEST_F(D3dxTextureTest, FromResourceBytes) {
  using namespace testimages;
  // A fish skin: a palettised bitmap resource whose opaque green turns transparent.
  const std::vector<uint8_t> dib = MakeDib(2, 2, 8, {0x00FF00, 0x804020}, {0, 1, 1, 0});
  Texture* texture = nullptr;
  ASSERT_EQ(CreateTextureFromResourceData(direct3d, device, dib, true,
                                          {D3DFMT_A8R8G8B8, D3DX_FILTER_POINT | D3DX_FILTER_DITHER, D3DX_FILTER_POINT,
                                           0xFF00FF00},
                                          &texture),
            D3D_OK);
  EXPECT_EQ(Words(RecordingDevice::Of(texture).levels[0]), (std::vector<uint32_t>{0, 0xFF804020, 0xFF804020, 0}));

  const std::vector<uint8_t> jpeg = EncodeJpeg(16, 16, 3, QuadrantSamples(16));
  ASSERT_EQ(CreateTextureFromResourceData(direct3d, device, jpeg, false, {D3DFMT_A8R8G8B8}, &texture), D3D_OK);
  EXPECT_EQ(RecordingDevice::Of(texture).levels.size(), 5u);

  const size_t created = device.Count("CreateTexture");
  EXPECT_EQ(CreateTextureFromResourceData(direct3d, device, dib, false, {D3DFMT_A8R8G8B8}, &texture),
            D3DXERR_INVALIDDATA);
  EXPECT_EQ(CreateTextureFromResourceData(direct3d, device, std::span(jpeg.data(), jpeg.size() / 2), false,
                                          {D3DFMT_A8R8G8B8}, &texture),
            D3DXERR_INVALIDDATA);
  EXPECT_EQ(device.Count("CreateTexture"), created);
}

}  // namespace
}  // namespace sorvane
