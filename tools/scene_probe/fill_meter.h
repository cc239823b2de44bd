// A recording device that also estimates the pixels each draw call covers:
// every triangle is taken through the transforms in force (or the plant
// shader's matrices), clipped to the view and measured on a 1024 x 768
// screen, after culling. Overdraw is what a software rasteriser pays for, so
// this is the figure to watch when a scene gets slow under Wine.
#pragma once
#include <array>
#include <cstdint>
#include <map>
#include <memory>

#include "tests/support/device_recording.h"

namespace sorvane {

class FillMeter : public RecordingDevice {
 public:
  HResult SetTransform(uint32_t state, const Matrix& matrix) override;
  HResult SetRenderState(uint32_t state, uint32_t value) override;
  HResult CreateVertexShader(const uint32_t* declaration, const uint32_t* function, uint32_t* handle,
                             uint32_t usage) override;
  HResult SetVertexShader(uint32_t handleOrFvf) override;
  HResult SetVertexShaderConstant(uint32_t reg, const void* data, uint32_t count) override;
  HResult SetStreamSource(uint32_t stream, VertexBuffer* buffer, uint32_t stride) override;
  HResult SetIndices(IndexBuffer* buffer, uint32_t baseVertex) override;
  HResult DrawPrimitive(uint32_t type, uint32_t startVertex, uint32_t count) override;
  HResult DrawIndexedPrimitive(uint32_t type, uint32_t minIndex, uint32_t vertexCount, uint32_t startIndex,
                               uint32_t count) override;

  // Pixels covered since the last TakePixels, by the vertex buffer drawn from.
  std::map<const VertexBuffer*, double> TakePixels();

 private:
  void Measure(uint32_t type, uint32_t count, const uint16_t* indices, uint32_t firstVertex);
  Matrix ClipMatrix() const;

  std::array<Matrix, 3> transforms_{};  // world, view, projection
  std::array<float, 16 * 4> constants_{};
  uint32_t shader_ = 0;
  uint32_t plantShader_ = 0;
  uint32_t cullMode_ = 3;
  VertexBuffer* stream_ = nullptr;
  uint32_t stride_ = 0;
  IndexBuffer* indices_ = nullptr;
  std::map<const VertexBuffer*, double> pixels_;
};

class FillMeterDirect3D : public RecordingDirect3D {
 protected:
  std::unique_ptr<RecordingDevice> NewDevice() override { return std::make_unique<FillMeter>(); }
};

}  // namespace sorvane
