// The Direct3D 8 device on OpenGL ES 3.0: every operation of the interface
// with Direct3D's meaning. Each draw goes through a program made from the
// states in force (programs_gl.h); the other states are GL's own.
#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "device/clip_transform_gl.h"
#include "device/context_gl.h"
#include "device/device.h"
#include "device/device_states.h"
#include "device/frame_buffer_gl.h"
#include "device/programs_gl.h"
#include "device/raster_states_gl.h"
#include "device/resources_gl.h"
#include "device/shader_translation_gl.h"

namespace sorvane {

class GlDevice : public Device {
 public:
  static constexpr uint32_t kStages = ProgramKey::kStages;

  // The context must be current. depthBits 0 for no depth buffer.
  GlDevice(std::shared_ptr<GlContext> context, uint32_t depthBits);

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

  // The frame shown by the last Present, rows from the top, 0xAARRGGBB.
  bool ReadFrame(uint32_t* width, uint32_t* height, std::vector<uint32_t>* pixels);
  // Programs built at a draw rather than ahead of it.
  uint32_t programsBuiltAtDraw() const { return programs_.builtAtDraw(); }

 private:
  struct Shader {
    bool used = false;  // false: a deleted shader's slot
    ShaderDeclaration declaration;
    VertexShaderGlsl glsl;
  };
  ~GlDevice() override;
  // The window's size is taken when a frame begins: the first clear, scene
  // or draw after a Present.
  void BeginFrame();
  // The program, the states and the vertex arrays for a draw; false when
  // there is nothing to draw from.
  bool PrepareDraw();
  void SetUniforms();
  void BindTextures();
  void BindVertexArrays();
  const Shader* CurrentShader() const;

  std::shared_ptr<GlContext> context_;
  GlFrameBuffers frames_;
  GlPrograms programs_;
  GlRasterStates raster_;
  GlClipTransform transform_;
  std::vector<Shader> shaders_;
  bool frameOpen_ = false;

  // Direct3D's side of what the draws read.
  DeviceStates states_;
  std::array<GlTexture*, kStages> textures_{};
  std::array<std::array<float, 4>, vs11::kConstCount> constants_{};
  uint32_t vertexShader_ = 0;  // a format code or a shader handle; 0 before the first
  GlBuffer* stream_ = nullptr;
  uint32_t stride_ = 0;
  GlBuffer* indices_ = nullptr;
  uint32_t baseVertex_ = 0;

  // What GL was last given, and what changed since (a mask of Dirty bits).
  uint32_t dirty_ = ~0u;
  GlProgram* program_ = nullptr;
  uint32_t arraysBaseVertex_ = 0;
  uint32_t boundIndices_ = 0;
  uint32_t enabledArrays_ = 0;  // bit n: attribute n enabled
  std::array<uint32_t, kStages> samplers_{};
  std::array<uint32_t, kStages> boundTextures_{};
  std::array<std::array<int, 2>, kStages> filters_{};  // magnification, minification
};

}  // namespace sorvane
