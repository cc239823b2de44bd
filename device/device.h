// The Direct3D 8 operations the saver uses, behind one small interface with
// three implementations: the runtime's d3d8.dll (Windows), OpenGL ES 3.0 with
// Direct3D 8's meaning (the Linux hack and the page) and a recorder (tests).
// Results are HRESULT values; anything below 0 is a failure.
#pragma once
#include <cstdint>

#include "base/hresult.h"
#include "base/vector.h"

namespace sorvane {

struct DisplayMode {
  uint32_t width = 0;
  uint32_t height = 0;
  uint32_t refreshRate = 0;
  uint32_t format = 0;
};

struct PresentParameters {
  uint32_t backBufferWidth = 0;
  uint32_t backBufferHeight = 0;
  uint32_t backBufferFormat = 0;
  uint32_t backBufferCount = 0;
  uint32_t multiSampleType = 0;
  uint32_t swapEffect = 0;
  void* deviceWindow = nullptr;
  bool windowed = false;
  bool enableAutoDepthStencil = false;
  uint32_t autoDepthStencilFormat = 0;
  uint32_t flags = 0;
  uint32_t refreshRate = 0;
  uint32_t presentationInterval = 0;
};

// Opaque handles: each implementation knows what stands behind them.
struct VertexBuffer;
struct IndexBuffer;
struct Texture;

class Device {
 public:
  virtual ~Device() = default;
  virtual HResult TestCooperativeLevel() = 0;
  virtual HResult Reset(const PresentParameters& parameters) = 0;
  virtual HResult Clear(uint32_t flags, uint32_t color, float z, uint32_t stencil) = 0;
  virtual HResult BeginScene() = 0;
  virtual HResult EndScene() = 0;
  virtual HResult Present() = 0;
  virtual HResult SetTransform(uint32_t state, const Matrix& matrix) = 0;
  virtual HResult SetRenderState(uint32_t state, uint32_t value) = 0;
  virtual HResult SetTextureStageState(uint32_t stage, uint32_t type, uint32_t value) = 0;
  virtual HResult SetTexture(uint32_t stage, Texture* texture) = 0;
  virtual HResult CreateVertexShader(const uint32_t* declaration, const uint32_t* function, uint32_t* handle,
                                     uint32_t usage) = 0;
  virtual HResult DeleteVertexShader(uint32_t handle) = 0;
  virtual HResult SetVertexShader(uint32_t handleOrFvf) = 0;
  virtual HResult SetVertexShaderConstant(uint32_t reg, const void* data, uint32_t count) = 0;
  virtual HResult CreateVertexBuffer(uint32_t length, uint32_t usage, uint32_t fvf, uint32_t pool,
                                     VertexBuffer** buffer) = 0;
  virtual HResult CreateIndexBuffer(uint32_t length, uint32_t usage, uint32_t format, uint32_t pool,
                                    IndexBuffer** buffer) = 0;
  virtual HResult SetStreamSource(uint32_t stream, VertexBuffer* buffer, uint32_t stride) = 0;
  virtual HResult SetIndices(IndexBuffer* buffer, uint32_t baseVertex) = 0;
  virtual HResult DrawPrimitive(uint32_t type, uint32_t startVertex, uint32_t count) = 0;
  virtual HResult DrawIndexedPrimitive(uint32_t type, uint32_t minIndex, uint32_t vertexCount, uint32_t startIndex,
                                       uint32_t count) = 0;
  virtual HResult ResourceManagerDiscardBytes(uint32_t bytes) = 0;
  virtual HResult LockVertexBuffer(VertexBuffer* buffer, uint32_t offset, uint32_t size, uint8_t** data,
                                   uint32_t flags) = 0;
  virtual HResult UnlockVertexBuffer(VertexBuffer* buffer) = 0;
  virtual void ReleaseVertexBuffer(VertexBuffer* buffer) = 0;
  virtual HResult LockIndexBuffer(IndexBuffer* buffer, uint32_t offset, uint32_t size, uint8_t** data,
                                  uint32_t flags) = 0;
  virtual HResult UnlockIndexBuffer(IndexBuffer* buffer) = 0;
  virtual void ReleaseIndexBuffer(IndexBuffer* buffer) = 0;
  virtual HResult CreateTexture(uint32_t width, uint32_t height, uint32_t levels, uint32_t usage, uint32_t format,
                                uint32_t pool, Texture** texture) = 0;
  virtual HResult LockTextureLevel(Texture* texture, uint32_t level, uint8_t** bits, int32_t* pitch) = 0;
  virtual HResult UnlockTextureLevel(Texture* texture, uint32_t level) = 0;
  virtual void ReleaseTexture(Texture* texture) = 0;
  // Releases the device itself; the object must not be used afterwards.
  virtual void Release() = 0;
};

// The Direct3D object: adapter queries and device creation (adapter 0, HAL).
class Direct3D {
 public:
  virtual ~Direct3D() = default;
  virtual HResult GetAdapterDisplayMode(DisplayMode* mode) = 0;
  virtual HResult CheckDeviceMultiSampleType(uint32_t format, bool windowed, uint32_t samples) = 0;
  virtual HResult CheckDeviceFormat(uint32_t adapterFormat, uint32_t usage, uint32_t resourceType,
                                    uint32_t format) = 0;
  virtual HResult CreateDevice(void* focusWindow, uint32_t behaviour, PresentParameters* parameters,
                               Device** device) = 0;
  virtual void Release() = 0;
};

}  // namespace sorvane
