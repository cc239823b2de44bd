// Costs of the utility library at scene load: decoding a 256 × 256 JPEG,
// building a texture with its full chain, assembling the plant shader.
#include <benchmark/benchmark.h>

#include "d3dx/image.h"
#include "d3dx/shader_assembler.h"
#include "d3dx/texture_loader.h"
#include "device/d3d8_constants.h"
#include "tests/support/device_recording.h"
#include "tests/native/d3dx_test_images.h"

namespace sorvane {
namespace {

std::vector<uint8_t> PatternSamples(uint32_t size) {
  std::vector<uint8_t> rgb;
  for (uint32_t y = 0; y < size; ++y) {
    for (uint32_t x = 0; x < size; ++x) {
      rgb.insert(rgb.end(), {static_cast<uint8_t>(x), static_cast<uint8_t>(y), static_cast<uint8_t>((x ^ y) * 7)});
    }
  }
  return rgb;
}

void BM_DecodeJpeg256(benchmark::State& state) {
  const std::vector<uint8_t> jpeg = testimages::EncodeJpeg(256, 256, 3, PatternSamples(256), 85);
  for (auto _ : state) {
    Image image;
    benchmark::DoNotOptimize(DecodeJpeg(jpeg, &image));
  }
}
BENCHMARK(BM_DecodeJpeg256)->Unit(benchmark::kMicrosecond);

void BM_CreateTexture256(benchmark::State& state) {
  const std::vector<uint8_t> jpeg = testimages::EncodeJpeg(256, 256, 3, PatternSamples(256), 85);
  Image image;
  DecodeJpeg(jpeg, &image);
  const TextureOptions options{static_cast<uint32_t>(state.range(0)), D3DX_FILTER_LINEAR, D3DX_FILTER_BOX, 0xFF000000};
  RecordingDirect3D direct3d;
  for (auto _ : state) {
    state.PauseTiming();
    RecordingDevice device;
    state.ResumeTiming();
    Texture* texture = nullptr;
    benchmark::DoNotOptimize(CreateTextureFromImage(direct3d, device, image, options, &texture));
  }
}
BENCHMARK(BM_CreateTexture256)->Arg(D3DFMT_A8R8G8B8)->Arg(D3DFMT_R5G6B5)->Unit(benchmark::kMicrosecond);

void BM_AssemblePlantShader(benchmark::State& state) {
  const char* text =
      "vs.1.1\nmov oT0, v7\nmov oT1, v8\nmov r0, c4\nmul r0.x, r0.x, v0.y\nadd r0, v0, r0\nm4x4 r2, r0, c8\n"
      "m4x4 oPos, r2, c0\nmov oD0, c6.x\nsub r3.xyz, c5, r2\ndp3 r3.w, r3, r3\nrsq r3.w, r3.w\nrcp r3.w, r3.w\n"
      "add oFog.x, r3.w, c6.z\n";
  for (auto _ : state) {
    std::vector<uint32_t> tokens;
    benchmark::DoNotOptimize(AssembleVertexShader(text, &tokens));
  }
}
BENCHMARK(BM_AssemblePlantShader);

}  // namespace
}  // namespace sorvane
