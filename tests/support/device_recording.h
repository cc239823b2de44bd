// A Direct3D stand-in for native tests: it records every call, keeps buffers and
// textures in memory so that what was written can be read back, and fails the
// calls a test asks it to fail.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "device/device.h"
#include "device/device_states.h"

namespace sorvane {

struct RecordedCall {
  std::string name;
  std::vector<uint64_t> args;
};

struct RecordedBuffer {
  std::vector<uint8_t> bytes;
  uint32_t usage = 0;
  uint32_t formatOrFvf = 0;
  uint32_t pool = 0;
  bool locked = false;
  bool released = false;
};

struct RecordedTexture {
  uint32_t width = 0, height = 0, format = 0, usage = 0, pool = 0;
  std::vector<std::vector<uint8_t>> levels;  // pixels of each mip level, tightly packed
  std::vector<int32_t> pitches;
  bool released = false;
};

// What both recorders share: the call log and the failures to inject.
class CallLog {
 public:
  // The call `name` returns `result` the next `times` times (forever with -1).
  void Fail(const std::string& name, HResult result, int times = -1) { failures_[name] = {result, times}; }
  const std::vector<RecordedCall>& calls() const { return calls_; }
  // When set, every call goes to the sink instead of the log: long runs keep
  // no history.
  std::function<void(const std::string& name, const std::vector<uint64_t>& args)> sink;
  size_t Count(const std::string& name) const;
  void Clear() { calls_.clear(); }

 protected:
  HResult Record(const std::string& name, std::vector<uint64_t> args = {});

 private:
  struct Failure {
    HResult result;
    int times;
  };
  std::vector<RecordedCall> calls_;
  std::map<std::string, Failure> failures_;
};

// What a draw drew with.
struct DrawStates {
  DeviceStates states = DefaultDeviceStates(true);
  std::array<Texture*, 2> textures;
  uint32_t vertexShader = 0;  // a format code or a shader handle
  bool shader = false;        // vertexShader is a shader handle
};

class RecordingDevice : public Device, public CallLog {
 public:
  HResult TestCooperativeLevel() override;
  HResult Reset(const PresentParameters& parameters) override;
  HResult Clear(uint32_t flags, uint32_t color, float z, uint32_t stencil) override;
  HResult BeginScene() override;
  HResult EndScene() override;
  HResult Present() override;
  HResult SetTransform(uint32_t state, const Matrix& matrix) override;
  HResult SetRenderState(uint32_t state, uint32_t value) override;
  HResult SetTextureStageState(uint32_t stage, uint32_t type, uint32_t value) override;
  HResult SetTexture(uint32_t stage, Texture* texture) override;
  HResult CreateVertexShader(const uint32_t* declaration, const uint32_t* function, uint32_t* handle,
                             uint32_t usage) override;
  HResult DeleteVertexShader(uint32_t handle) override;
  HResult SetVertexShader(uint32_t handleOrFvf) override;
  HResult SetVertexShaderConstant(uint32_t reg, const void* data, uint32_t count) override;
  HResult CreateVertexBuffer(uint32_t length, uint32_t usage, uint32_t fvf, uint32_t pool,
                             VertexBuffer** buffer) override;
  HResult CreateIndexBuffer(uint32_t length, uint32_t usage, uint32_t format, uint32_t pool,
                            IndexBuffer** buffer) override;
  HResult SetStreamSource(uint32_t stream, VertexBuffer* buffer, uint32_t stride) override;
  HResult SetIndices(IndexBuffer* buffer, uint32_t baseVertex) override;
  HResult DrawPrimitive(uint32_t type, uint32_t startVertex, uint32_t count) override;
  HResult DrawIndexedPrimitive(uint32_t type, uint32_t minIndex, uint32_t vertexCount, uint32_t startIndex,
                               uint32_t count) override;
  HResult ResourceManagerDiscardBytes(uint32_t bytes) override;
  HResult LockVertexBuffer(VertexBuffer* buffer, uint32_t offset, uint32_t size, uint8_t** data,
                           uint32_t flags) override;
  HResult UnlockVertexBuffer(VertexBuffer* buffer) override;
  void ReleaseVertexBuffer(VertexBuffer* buffer) override;
  HResult LockIndexBuffer(IndexBuffer* buffer, uint32_t offset, uint32_t size, uint8_t** data,
                          uint32_t flags) override;
  HResult UnlockIndexBuffer(IndexBuffer* buffer) override;
  void ReleaseIndexBuffer(IndexBuffer* buffer) override;
  HResult CreateTexture(uint32_t width, uint32_t height, uint32_t levels, uint32_t usage, uint32_t format,
                        uint32_t pool, Texture** texture) override;
  HResult LockTextureLevel(Texture* texture, uint32_t level, uint8_t** bits, int32_t* pitch) override;
  HResult UnlockTextureLevel(Texture* texture, uint32_t level) override;
  void ReleaseTexture(Texture* texture) override;
  void Release() override;

  // What a handle stands for, for reading back what was written.
  static RecordedBuffer& Buffer(VertexBuffer* buffer) { return *reinterpret_cast<RecordedBuffer*>(buffer); }
  static RecordedBuffer& Buffer(IndexBuffer* buffer) { return *reinterpret_cast<RecordedBuffer*>(buffer); }
  static RecordedTexture& Of(Texture* texture) { return *reinterpret_cast<RecordedTexture*>(texture); }

  // Formats CreateTexture refuses, to exercise fallbacks.
  std::vector<uint32_t> unsupportedTextureFormats;
  bool released = false;
  size_t LiveResources() const;
  // What the states and the textures of stages 0 and 1 are now, as the
  // device took them; with keepDrawStates, each draw keeps a copy.
  DeviceStates states = DefaultDeviceStates(true);
  std::array<Texture*, 2> textures{};
  uint32_t vertexShader = 0;
  bool keepDrawStates = false;
  std::vector<DrawStates> drawStates;
  uint32_t lastShaderHandle = 0;
  std::vector<uint32_t> lastShaderFunction;

 private:
  HResult LockBuffer(RecordedBuffer& b, uint32_t offset, uint32_t size, uint8_t** data);
  void KeepDrawStates();
  std::vector<std::unique_ptr<RecordedBuffer>> buffers_;
  std::vector<std::unique_ptr<RecordedTexture>> textures_;
};

class RecordingDirect3D : public Direct3D, public CallLog {
 public:
  HResult GetAdapterDisplayMode(DisplayMode* mode) override;
  HResult CheckDeviceMultiSampleType(uint32_t format, bool windowed, uint32_t samples) override;
  HResult CheckDeviceFormat(uint32_t adapterFormat, uint32_t usage, uint32_t resourceType, uint32_t format) override;
  HResult CreateDevice(void* focusWindow, uint32_t behaviour, PresentParameters* parameters,
                       Device** device) override;
  void Release() override;

  DisplayMode displayMode{1024, 768, 60, 22};
  std::vector<uint32_t> supportedSamples{0};
  std::vector<uint32_t> unsupportedFormats;
  // The devices handed out; they stay readable after Release.
  std::vector<std::unique_ptr<RecordingDevice>> devices;
  PresentParameters lastParameters;
  bool released = false;

 protected:
  // The device CreateDevice hands out; a recorder that measures more makes its own.
  virtual std::unique_ptr<RecordingDevice> NewDevice() { return std::make_unique<RecordingDevice>(); }
};

}  // namespace sorvane
