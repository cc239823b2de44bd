#include "device/draw_device_gl.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

#include <algorithm>
#include <string>
#include <utility>

#include "device/d3d8_constants.h"

namespace sorvane {
namespace {

// Shader handles lie above every vertex format code, as in Wine's d3d8.
constexpr uint32_t kShaderHandleBase = 0xF0000001u;
constexpr uint32_t kConstantRegisters = 96;
constexpr uint32_t kPositionMask = 0x00E;
constexpr uint32_t kTexCountMask = 0xF00;

GlBuffer* Of(VertexBuffer* b) { return reinterpret_cast<GlBuffer*>(b); }
GlBuffer* Of(IndexBuffer* b) { return reinterpret_cast<GlBuffer*>(b); }
GlTexture* Of(Texture* t) { return reinterpret_cast<GlTexture*>(t); }

// Position, an optional diffuse colour and up to eight pairs of texture
// coordinates: the formats this device draws.
bool DrawableFormat(uint32_t fvf) {
  return (fvf & kPositionMask) == D3DFVF_XYZ && (fvf & ~(kPositionMask | D3DFVF_DIFFUSE | kTexCountMask)) == 0 &&
         (fvf & kTexCountMask) >> 8 <= 8;
}

bool Primitive(uint32_t type, uint32_t count, GLenum* mode, uint32_t* vertices) {
  if (count == 0) return false;
  switch (type) {
    case D3DPT_TRIANGLELIST: *mode = GL_TRIANGLES, *vertices = 3 * count; return true;
    case D3DPT_TRIANGLESTRIP: *mode = GL_TRIANGLE_STRIP, *vertices = count + 2; return true;
    default: return false;
  }
}

const void* At(uint32_t offset) { return reinterpret_cast<const void*>(uintptr_t{offset}); }

}  // namespace

GlDevice::GlDevice(std::shared_ptr<EglContext> context, uint32_t depthBits)
    : context_(std::move(context)), frames_(depthBits), states_(depthBits != 0) {
  programs_.Load();
}

GlDevice::~GlDevice() {
  for (const Shader& s : shaders_) programs_.Delete(s.program);
}

void GlDevice::Release() {
  context_->MakeCurrent();
  delete this;
}

void GlDevice::BeginFrame() {
  if (frameOpen_) return;
  frameOpen_ = true;
  uint32_t width = 0, height = 0;
  context_->Size(&width, &height);
  width = std::max(width, 1u);
  height = std::max(height, 1u);
  frames_.Prepare(width, height);
  states_.SetFrameSize(width, height);
  const float offset[4] = {states_.pixelOffsetX(), states_.pixelOffsetY(), 0.0f, 0.0f};
  programs_.SetEnv(kPixelOffsetEnvRegister, offset, 1);
}

HResult GlDevice::TestCooperativeLevel() { return D3D_OK; }

// Nothing is lost on GL: the resources stay, and the size follows the window.
HResult GlDevice::Reset(const PresentParameters&) { return D3D_OK; }

HResult GlDevice::Clear(uint32_t flags, uint32_t color, float z, uint32_t) {
  BeginFrame();
  // Direct3D clears whatever the write masks say; GL obeys them.
  GLbitfield bits = 0;
  if (flags & D3DCLEAR_TARGET) {
    float rgba[4];
    GlColour(color, rgba);
    glClearColor(rgba[0], rgba[1], rgba[2], rgba[3]);
    bits |= GL_COLOR_BUFFER_BIT;
  }
  if (flags & D3DCLEAR_ZBUFFER) {
    glClearDepth(z);
    glDepthMask(GL_TRUE);
    states_.DepthMaskChanged();
    bits |= GL_DEPTH_BUFFER_BIT;
  }
  glClear(bits);
  return D3D_OK;
}

HResult GlDevice::BeginScene() {
  BeginFrame();
  return D3D_OK;
}

HResult GlDevice::EndScene() { return D3D_OK; }

HResult GlDevice::Present() {
  BeginFrame();
  frames_.Present(context_->onWindow());
  context_->SwapBuffers();
  // A window's swap waits for the frame; offscreen nothing else would, and a
  // stop would wait for a queue of frames still to be drawn.
  if (!context_->onWindow()) glFinish();
  frameOpen_ = false;
  return D3D_OK;
}

HResult GlDevice::SetTransform(uint32_t state, const Matrix& matrix) {
  return states_.SetTransform(state, matrix) ? D3D_OK : D3DERR_INVALIDCALL;
}

HResult GlDevice::SetRenderState(uint32_t state, uint32_t value) {
  return states_.SetRenderState(state, value) ? D3D_OK : D3DERR_INVALIDCALL;
}

HResult GlDevice::SetTextureStageState(uint32_t stage, uint32_t type, uint32_t value) {
  return states_.SetStageState(stage, type, value) ? D3D_OK : D3DERR_INVALIDCALL;
}

HResult GlDevice::SetTexture(uint32_t stage, Texture* texture) {
  if (stage >= GlStateTranslation::kStages) return D3DERR_INVALIDCALL;
  states_.SetTexture(stage, texture != nullptr ? Of(texture)->name : 0);
  return D3D_OK;
}

HResult GlDevice::CreateVertexShader(const uint32_t* declaration, const uint32_t* function, uint32_t* handle,
                                     uint32_t) {
  Shader shader;
  std::string text;
  if (declaration == nullptr || function == nullptr || handle == nullptr || !programs_.available() ||
      !ParseShaderDeclaration(declaration, &shader.declaration) || !TranslateVertexShader(function, &text)) {
    return D3DERR_INVALIDCALL;
  }
  shader.program = programs_.Compile(text);
  if (shader.program == 0) return D3DERR_INVALIDCALL;
  const auto free = std::find_if(shaders_.begin(), shaders_.end(), [](const Shader& s) { return s.program == 0; });
  const auto index = static_cast<uint32_t>(free - shaders_.begin());
  if (free == shaders_.end()) {
    shaders_.push_back(shader);
  } else {
    *free = shader;
  }
  *handle = kShaderHandleBase + index;
  return D3D_OK;
}

const GlDevice::Shader* GlDevice::CurrentShader() const {
  if (vertexShader_ < kShaderHandleBase) return nullptr;
  return &shaders_[vertexShader_ - kShaderHandleBase];
}

HResult GlDevice::DeleteVertexShader(uint32_t handle) {
  const uint32_t index = handle - kShaderHandleBase;
  if (handle < kShaderHandleBase || index >= shaders_.size() || shaders_[index].program == 0) {
    return D3DERR_INVALIDCALL;
  }
  if (boundProgram_ == shaders_[index].program) {
    programs_.Use(0);
    boundProgram_ = 0;
  }
  programs_.Delete(shaders_[index].program);
  shaders_[index] = {};
  if (vertexShader_ == handle) vertexShader_ = 0;
  return D3D_OK;
}

HResult GlDevice::SetVertexShader(uint32_t handleOrFvf) {
  if (handleOrFvf >= kShaderHandleBase) {
    const uint32_t index = handleOrFvf - kShaderHandleBase;
    if (index >= shaders_.size() || shaders_[index].program == 0) return D3DERR_INVALIDCALL;
  } else if (!DrawableFormat(handleOrFvf)) {
    return D3DERR_INVALIDCALL;
  }
  if (handleOrFvf != vertexShader_) arraysDirty_ = true;
  vertexShader_ = handleOrFvf;
  return D3D_OK;
}

HResult GlDevice::SetVertexShaderConstant(uint32_t reg, const void* data, uint32_t count) {
  if (data == nullptr || reg > kConstantRegisters || count > kConstantRegisters - reg) return D3DERR_INVALIDCALL;
  programs_.SetEnv(reg, static_cast<const float*>(data), count);
  return D3D_OK;
}

HResult GlDevice::CreateVertexBuffer(uint32_t length, uint32_t usage, uint32_t, uint32_t, VertexBuffer** buffer) {
  GlBuffer* b = nullptr;
  const HResult r = CreateGlBuffer(length, usage, &b);
  *buffer = reinterpret_cast<VertexBuffer*>(b);
  return r;
}

HResult GlDevice::CreateIndexBuffer(uint32_t length, uint32_t usage, uint32_t format, uint32_t,
                                    IndexBuffer** buffer) {
  *buffer = nullptr;
  if (format != D3DFMT_INDEX16) return D3DERR_INVALIDCALL;
  GlBuffer* b = nullptr;
  const HResult r = CreateGlBuffer(length, usage, &b);
  *buffer = reinterpret_cast<IndexBuffer*>(b);
  return r;
}

HResult GlDevice::SetStreamSource(uint32_t stream, VertexBuffer* buffer, uint32_t stride) {
  if (stream != 0) return D3DERR_INVALIDCALL;
  if (Of(buffer) != stream_ || stride != stride_) arraysDirty_ = true;
  stream_ = Of(buffer);
  stride_ = stride;
  return D3D_OK;
}

HResult GlDevice::SetIndices(IndexBuffer* buffer, uint32_t baseVertex) {
  indices_ = Of(buffer);
  baseVertex_ = baseVertex;
  return D3D_OK;
}

bool GlDevice::PrepareDraw() {
  if (stream_ == nullptr || stream_->locked || stride_ == 0 || vertexShader_ == 0) return false;
  BeginFrame();
  const Shader* shader = CurrentShader();
  const uint32_t program = shader != nullptr ? shader->program : 0;
  if (program != boundProgram_) {
    programs_.Use(program);
    boundProgram_ = program;
  }
  states_.Apply();
  if (arraysDirty_) BindVertexArrays();
  return true;
}

void GlDevice::BindVertexArrays() {
  glBindBuffer(GL_ARRAY_BUFFER, stream_->name);
  const auto stride = static_cast<GLsizei>(stride_);
  const Shader* shader = CurrentShader();
  uint32_t generic = 0;
  if (shader != nullptr) {
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_COLOR_ARRAY);
    for (uint32_t unit = 0; unit < GlStateTranslation::kStages; ++unit) {
      glClientActiveTexture(GL_TEXTURE0 + unit);
      glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    }
    for (uint32_t i = 0; i < shader->declaration.count; ++i) {
      const ShaderInput& in = shader->declaration.inputs[i];
      if (in.type == D3DVSDT_D3DCOLOR) {
        glVertexAttribPointer(in.reg, GL_BGRA, GL_UNSIGNED_BYTE, GL_TRUE, stride, At(in.offset));
      } else {
        glVertexAttribPointer(in.reg, static_cast<GLint>(in.type + 1), GL_FLOAT, GL_FALSE, stride, At(in.offset));
      }
      generic |= 1u << in.reg;
    }
  } else {
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, stride, At(0));
    uint32_t offset = 12;
    if (vertexShader_ & D3DFVF_DIFFUSE) {
      glEnableClientState(GL_COLOR_ARRAY);
      glColorPointer(GL_BGRA, GL_UNSIGNED_BYTE, stride, At(offset));
      offset += 4;
    } else {
      // Without a diffuse colour Direct3D takes opaque white.
      glDisableClientState(GL_COLOR_ARRAY);
      glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    }
    const uint32_t sets = (vertexShader_ & kTexCountMask) >> 8;
    for (uint32_t unit = 0; unit < GlStateTranslation::kStages; ++unit) {
      glClientActiveTexture(GL_TEXTURE0 + unit);
      if (unit < sets) {
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glTexCoordPointer(2, GL_FLOAT, stride, At(offset + 8 * unit));
      } else {
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
      }
    }
  }
  for (uint32_t n = 0; n < 16; ++n) {
    const uint32_t bit = 1u << n;
    if ((generic & bit) && !(genericArrays_ & bit)) glEnableVertexAttribArray(n);
    if (!(generic & bit) && (genericArrays_ & bit)) glDisableVertexAttribArray(n);
  }
  genericArrays_ = generic;
  arraysDirty_ = false;
}

HResult GlDevice::DrawPrimitive(uint32_t type, uint32_t startVertex, uint32_t count) {
  GLenum mode;
  uint32_t vertices = 0;
  if (!Primitive(type, count, &mode, &vertices) || !PrepareDraw() ||
      uint64_t{startVertex} + vertices > stream_->length / stride_) {
    return D3DERR_INVALIDCALL;
  }
  glDrawArrays(mode, static_cast<GLint>(startVertex), static_cast<GLsizei>(vertices));
  return D3D_OK;
}

HResult GlDevice::DrawIndexedPrimitive(uint32_t type, uint32_t minIndex, uint32_t vertexCount, uint32_t startIndex,
                                       uint32_t count) {
  GLenum mode;
  uint32_t indices = 0;
  if (!Primitive(type, count, &mode, &indices) || indices_ == nullptr || indices_->locked || vertexCount == 0 ||
      !PrepareDraw() || (uint64_t{startIndex} + indices) * 2 > indices_->length ||
      uint64_t{baseVertex_} + minIndex + vertexCount > stream_->length / stride_) {
    return D3DERR_INVALIDCALL;
  }
  if (indices_->name != boundIndices_) {
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indices_->name);
    boundIndices_ = indices_->name;
  }
  // The range lets GL transform only the vertices the indices name.
  glDrawRangeElementsBaseVertex(mode, minIndex, minIndex + vertexCount - 1, static_cast<GLsizei>(indices),
                                GL_UNSIGNED_SHORT, At(startIndex * 2), static_cast<GLint>(baseVertex_));
  return D3D_OK;
}

HResult GlDevice::ResourceManagerDiscardBytes(uint32_t) { return D3D_OK; }

HResult GlDevice::LockVertexBuffer(VertexBuffer* buffer, uint32_t offset, uint32_t size, uint8_t** data,
                                   uint32_t flags) {
  return LockGlBuffer(Of(buffer), offset, size, flags, data);
}

HResult GlDevice::UnlockVertexBuffer(VertexBuffer* buffer) {
  return UnlockGlBuffer(Of(buffer));
}

void GlDevice::ReleaseVertexBuffer(VertexBuffer* buffer) {
  if (buffer == nullptr) return;
  // GL hands a deleted buffer's name out again: nothing may stay bound to it.
  if (Of(buffer) == stream_) stream_ = nullptr;
  arraysDirty_ = true;
  ReleaseGlBuffer(Of(buffer));
}

HResult GlDevice::LockIndexBuffer(IndexBuffer* buffer, uint32_t offset, uint32_t size, uint8_t** data,
                                  uint32_t flags) {
  return LockGlBuffer(Of(buffer), offset, size, flags, data);
}

HResult GlDevice::UnlockIndexBuffer(IndexBuffer* buffer) {
  return UnlockGlBuffer(Of(buffer));
}

void GlDevice::ReleaseIndexBuffer(IndexBuffer* buffer) {
  if (buffer == nullptr) return;
  if (Of(buffer) == indices_) indices_ = nullptr;
  if (Of(buffer)->name == boundIndices_) boundIndices_ = 0;
  ReleaseGlBuffer(Of(buffer));
}

HResult GlDevice::CreateTexture(uint32_t width, uint32_t height, uint32_t levels, uint32_t, uint32_t format,
                                uint32_t, Texture** texture) {
  GlTexture* t = nullptr;
  const HResult r = CreateGlTexture(width, height, levels, format, &t);
  *texture = reinterpret_cast<Texture*>(t);
  return r;
}

HResult GlDevice::LockTextureLevel(Texture* texture, uint32_t level, uint8_t** bits, int32_t* pitch) {
  return LockGlTextureLevel(Of(texture), level, bits, pitch);
}

HResult GlDevice::UnlockTextureLevel(Texture* texture, uint32_t level) {
  return UnlockGlTextureLevel(Of(texture), level);
}

void GlDevice::ReleaseTexture(Texture* texture) {
  if (texture == nullptr) return;
  states_.ForgetTexture(Of(texture)->name);
  ReleaseGlTexture(Of(texture));
}

bool GlDevice::ReadFrame(uint32_t* width, uint32_t* height, std::vector<uint32_t>* pixels) {
  return frames_.Read(width, height, pixels);
}

}  // namespace sorvane
