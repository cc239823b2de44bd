// The image decoders on small images made here, and their refusal of damaged ones.
#include <gtest/gtest.h>

#include <cstdlib>

#include "d3dx/image.h"
#include "tests/native/d3dx_test_images.h"

namespace sorvane {
namespace {

using namespace testimages;

using Decoder = bool (*)(std::span<const uint8_t>, Image*);

// Every strict prefix of a good image must be refused.
void ExpectEveryPrefixRefused(const std::vector<uint8_t>& bytes, Decoder decode) {
  for (size_t length = 0; length < bytes.size(); ++length) {
    Image image;
    EXPECT_FALSE(decode(std::span(bytes.data(), length), &image)) << "prefix of " << length << " bytes";
  }
}

void ExpectRefused(const std::vector<uint8_t>& bytes, Decoder decode) {
  Image image;
  image.width = 7;
  EXPECT_FALSE(decode(bytes, &image));
  EXPECT_EQ(image.width, 7u) << "a refused image leaves the output alone";
}

TEST(D3dxDdsTest, SixteenBitWithOneBitAlphaExpandsEachChannel) {
  // Opaque black, transparent red, opaque green at half, opaque blue.
  const std::vector<uint8_t> dds = MakeDds(2, 2, 16, A1R5G5B5Masks(), {0x8000, 0x7C00, 0x8000 | 16 << 5, 0x801F});
  Image image;
  ASSERT_TRUE(DecodeDds(dds, &image));
  EXPECT_EQ(image.width, 2u);
  EXPECT_EQ(image.height, 2u);
  EXPECT_EQ(image.pixels, (std::vector<uint32_t>{0xFF000000, 0x00FF0000, 0xFF008400, 0xFF0000FF}));
}

TEST(D3dxDdsTest, ThirtyTwoAndTwentyFourBitPixels) {
  Image image;
  ASSERT_TRUE(DecodeDds(MakeDds(3, 1, 32, A8R8G8B8Masks(), {0x80123456, 0x00FFFFFF, 0xFF000001}), &image));
  EXPECT_EQ(image.pixels, (std::vector<uint32_t>{0x80123456, 0x00FFFFFF, 0xFF000001}));
  // Without the alpha flag (X8R8G8B8) every pixel is opaque.
  ASSERT_TRUE(DecodeDds(MakeDds(2, 1, 32, {0xFF0000, 0xFF00, 0xFF, 0}, {0x00123456, 0x7F000000}), &image));
  EXPECT_EQ(image.pixels, (std::vector<uint32_t>{0xFF123456, 0xFF000000}));
  ASSERT_TRUE(DecodeDds(MakeDds(1, 2, 24, {0xFF0000, 0xFF00, 0xFF, 0}, {0xABCDEF, 0x010203}), &image));
  EXPECT_EQ(image.width, 1u);
  EXPECT_EQ(image.pixels, (std::vector<uint32_t>{0xFFABCDEF, 0xFF010203}));
}

TEST(D3dxDdsTest, DamagedOrUnsupportedImagesAreRefused) {
  const std::vector<uint8_t> good = MakeDds(4, 3, 16, A1R5G5B5Masks(), std::vector<uint32_t>(12, 0x8421));
  ExpectEveryPrefixRefused(good, DecodeDds);

  std::vector<uint8_t> bad = good;
  bad[0] = 'X';
  ExpectRefused(bad, DecodeDds);
  bad = good;
  Set32(&bad, 80, 0x4);  // compressed (four-character code)
  ExpectRefused(bad, DecodeDds);
  bad = good;
  Set32(&bad, 92, 0x7C01);  // red mask with a hole
  ExpectRefused(bad, DecodeDds);
  bad = good;
  Set32(&bad, 88, 8);
  ExpectRefused(bad, DecodeDds);
  bad = good;
  Set32(&bad, 16, 0);  // width
  ExpectRefused(bad, DecodeDds);
  bad = good;
  Set32(&bad, 12, 0x10000000);  // height far beyond the data
  ExpectRefused(bad, DecodeDds);
  bad = good;
  Set32(&bad, 112, 0x200);  // cube map
  ExpectRefused(bad, DecodeDds);
}

TEST(D3dxBmpTest, EightBitPaletteBottomUpAsResourceAndFile) {
  // 3 × 2 image: row strides are padded to 4 bytes.
  const std::vector<uint32_t> palette = {0x000000, 0x00FF00, 0x123456};
  const std::vector<uint32_t> indices = {0, 1, 2, 2, 1, 0};
  const std::vector<uint8_t> dib = MakeDib(3, 2, 8, palette, indices);
  const std::vector<uint32_t> expected = {0xFF000000, 0xFF00FF00, 0xFF123456, 0xFF123456, 0xFF00FF00, 0xFF000000};
  Image image;
  ASSERT_TRUE(DecodeDib(dib, &image));
  EXPECT_EQ(image.width, 3u);
  EXPECT_EQ(image.height, 2u);
  EXPECT_EQ(image.pixels, expected);
  // The file's pixel offset is honoured even with a gap before the pixels.
  ASSERT_TRUE(DecodeBmpFile(MakeBmpFile(dib, 3, 6), &image));
  EXPECT_EQ(image.pixels, expected);
  ASSERT_TRUE(DecodeImageFile(MakeBmpFile(dib, 3), &image));
  EXPECT_EQ(image.pixels, expected);
}

TEST(D3dxBmpTest, TwentyFourBitTopDown) {
  const std::vector<uint32_t> rgb = {0x102030, 0x405060, 0x708090, 0xA0B0C0, 0xD0E0F0, 0x000001};
  Image bottomUp, topDown;
  ASSERT_TRUE(DecodeDib(MakeDib(3, 2, 24, {}, rgb), &bottomUp));
  ASSERT_TRUE(DecodeDib(MakeDib(3, 2, 24, {}, rgb, true), &topDown));
  const std::vector<uint32_t> expected = {0xFF102030, 0xFF405060, 0xFF708090, 0xFFA0B0C0, 0xFFD0E0F0, 0xFF000001};
  EXPECT_EQ(bottomUp.pixels, expected);
  EXPECT_EQ(topDown.pixels, expected);
}

TEST(D3dxBmpTest, DamagedOrUnsupportedImagesAreRefused) {
  const std::vector<uint8_t> dib = MakeDib(5, 3, 8, {0xFF0000, 0x00FF00}, std::vector<uint32_t>(15, 1));
  ExpectEveryPrefixRefused(dib, DecodeDib);
  ExpectEveryPrefixRefused(MakeBmpFile(dib, 2), DecodeBmpFile);

  std::vector<uint8_t> bad = MakeDib(5, 3, 8, {0xFF0000, 0x00FF00}, {0, 1, 0, 1, 0, 1, 0, 2, 0, 1, 0, 1, 0, 1, 0});
  ExpectRefused(bad, DecodeDib);  // index 2 beyond a palette of two
  bad = dib;
  Set32(&bad, 16, 1);  // run-length compressed
  ExpectRefused(bad, DecodeDib);
  bad = dib;
  bad[14] = 16;  // 16 bits per pixel
  ExpectRefused(bad, DecodeDib);
  bad = dib;
  Set32(&bad, 32, 257);  // palette larger than 8 bits can index
  ExpectRefused(bad, DecodeDib);
  bad = dib;
  Set32(&bad, 0, 12);  // the old core header
  ExpectRefused(bad, DecodeDib);
  bad = dib;
  Set32(&bad, 4, 0x80000000);  // negative width
  ExpectRefused(bad, DecodeDib);
  bad = dib;
  Set32(&bad, 8, 0x80000000);  // the most negative height
  ExpectRefused(bad, DecodeDib);
  bad = MakeBmpFile(dib, 2);
  Set32(&bad, 10, static_cast<uint32_t>(bad.size()));  // pixels past the end
  ExpectRefused(bad, DecodeBmpFile);
  bad = MakeBmpFile(dib, 2);
  Set32(&bad, 10, 3);  // pixels inside the file header
  ExpectRefused(bad, DecodeBmpFile);
}

TEST(D3dxJpegTest, ColourAndGreyImagesDecodeOpaque) {
  const std::vector<uint8_t> jpeg = EncodeJpeg(16, 16, 3, QuadrantSamples(16));
  Image image;
  ASSERT_TRUE(DecodeJpeg(jpeg, &image));
  ASSERT_EQ(image.width, 16u);
  ASSERT_EQ(image.height, 16u);
  auto expectNear = [&](uint32_t x, uint32_t y, uint32_t argb) {
    const uint32_t got = image.pixels[y * 16 + x];
    EXPECT_EQ(got >> 24, 0xFFu);
    for (int shift : {16, 8, 0}) {
      EXPECT_NEAR(static_cast<int>((got >> shift) & 0xFF), static_cast<int>((argb >> shift) & 0xFF), 12)
          << "pixel " << x << "," << y;
    }
  };
  expectNear(2, 2, 0xFFFF0000);
  expectNear(13, 2, 0xFF00FF00);
  expectNear(2, 13, 0xFF0000FF);
  expectNear(13, 13, 0xFFFFFFFF);

  ASSERT_TRUE(DecodeImageFile(EncodeJpeg(8, 4, 1, std::vector<uint8_t>(32, 100)), &image));
  EXPECT_EQ(image.width, 8u);
  EXPECT_EQ(image.height, 4u);
  for (uint32_t pixel : image.pixels) {
    EXPECT_EQ(pixel >> 24, 0xFFu);
    EXPECT_EQ((pixel >> 16) & 0xFF, pixel & 0xFF);
    EXPECT_NEAR(static_cast<int>(pixel & 0xFF), 100, 2);
  }
}

TEST(D3dxJpegTest, TruncatedCorruptAndOversizedStreamsAreRefused) {
  const std::vector<uint8_t> jpeg = EncodeJpeg(16, 8, 3, QuadrantSamples(16), 80);
  ExpectEveryPrefixRefused(jpeg, DecodeJpeg);
  ExpectRefused({}, DecodeJpeg);
  ExpectRefused({0xFF, 0xD8, 0xFF, 0xD9}, DecodeJpeg);

  // Claimed dimensions beyond the limit are refused before any pixel is read.
  std::vector<uint8_t> huge = jpeg;
  bool patched = false;
  for (size_t i = 0; i + 8 < huge.size(); ++i) {
    if (huge[i] == 0xFF && huge[i + 1] == 0xC0) {
      huge[i + 5] = 0x13;  // height 0x1388 = 5000
      huge[i + 6] = 0x88;
      patched = true;
      break;
    }
  }
  ASSERT_TRUE(patched);
  ExpectRefused(huge, DecodeJpeg);

  // A damaged entropy-coded segment is reported, not painted over.
  std::vector<uint8_t> corrupt = jpeg;
  for (size_t i = corrupt.size() / 2; i < corrupt.size() - 2; ++i) corrupt[i] = 0xFF;
  ExpectRefused(corrupt, DecodeJpeg);
}

TEST(D3dxImageFileTest, UnknownKindsAndBareDibsAreRefused) {
  Image image;
  EXPECT_FALSE(DecodeImageFile(std::vector<uint8_t>{'G', 'I', 'F', '8', '9', 'a'}, &image));
  EXPECT_FALSE(DecodeImageFile(MakeDib(1, 1, 24, {}, {0}), &image));
  EXPECT_TRUE(DecodeImageFile(MakeDds(1, 1, 32, A8R8G8B8Masks(), {0x11223344}), &image));
  EXPECT_EQ(image.pixels, std::vector<uint32_t>{0x11223344});
}

}  // namespace
}  // namespace sorvane
