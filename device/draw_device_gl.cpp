#include "device/draw_device_gl.h"

#include <GLES3/gl3.h>

#include <algorithm>
#include <bit>
#include <cstring>
#include <utility>

#include "device/d3d8_constants.h"
#include "device/prepared_programs_gl.h"
#include "device/program_text_gl.h"

namespace sorvane {
namespace {

// Shader handles lie above every vertex format code, as in Wine's d3d8.
constexpr uint32_t kShaderHandleBase = 0xF0000001u;
constexpr uint32_t kPositionMask = 0x00E;
constexpr uint32_t kTexCountMask = 0xF00;
constexpr uint32_t kMaxAttributes = 16;

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

// What a change must bring to GL before the next draw.
enum Dirty : uint32_t { kProgram = 1, kRaster = 2, kUniforms = 4, kTextures = 8, kArrays = 16 };

const void* At(uint32_t offset) { return reinterpret_cast<const void*>(uintptr_t{offset}); }

// What each state's change brings to GL.
uint32_t RenderStateDirt(uint32_t state) {
  switch (state) {
    case D3DRS_ALPHATESTENABLE:
    case D3DRS_ALPHAFUNC:
    case D3DRS_FOGENABLE:
    case D3DRS_FOGTABLEMODE: return kProgram;
    case D3DRS_ZENABLE:
    case D3DRS_ZWRITEENABLE:
    case D3DRS_ZFUNC:
    case D3DRS_ALPHABLENDENABLE:
    case D3DRS_SRCBLEND:
    case D3DRS_DESTBLEND:
    case D3DRS_CULLMODE: return kRaster;
    case D3DRS_TEXTUREFACTOR:
    case D3DRS_ALPHAREF:
    case D3DRS_FOGCOLOR:
    case D3DRS_FOGSTART:
    case D3DRS_FOGEND: return kUniforms;
    default: return 0;
  }
}

GLint MinFilter(uint32_t min, uint32_t mip) {
  const bool linear = min >= D3DTEXF_LINEAR;
  switch (mip) {
    case D3DTEXF_NONE: return linear ? GL_LINEAR : GL_NEAREST;
    case D3DTEXF_POINT: return linear ? GL_LINEAR_MIPMAP_NEAREST : GL_NEAREST_MIPMAP_NEAREST;
    default: return linear ? GL_LINEAR_MIPMAP_LINEAR : GL_NEAREST_MIPMAP_LINEAR;
  }
}

}  // namespace

GlDevice::GlDevice(std::shared_ptr<GlContext> context, uint32_t depthBits)
    : context_(std::move(context)), frames_(depthBits), states_(DefaultDeviceStates(depthBits != 0)) {
  glGenSamplers(kStages, samplers_.data());
  for (uint32_t s = 0; s < kStages; ++s) glBindSampler(s, samplers_[s]);
  for (const ProgramKey& key : PreparedProgramKeys()) {
    if (key.shader == 0) programs_.Build(key, nullptr);
  }
}

GlDevice::~GlDevice() { glDeleteSamplers(kStages, samplers_.data()); }

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
  transform_.SetFrameSize(width, height);
  dirty_ |= kUniforms;
}

HResult GlDevice::TestCooperativeLevel() { return D3D_OK; }

// Nothing is lost on GL: the resources stay, and the size follows the window.
HResult GlDevice::Reset(const PresentParameters&) { return D3D_OK; }

HResult GlDevice::Clear(uint32_t flags, uint32_t color, float z, uint32_t) {
  BeginFrame();
  // Direct3D clears whatever the write masks say; GL obeys them.
  GLbitfield bits = 0;
  if (flags & D3DCLEAR_TARGET) {
    glClearColor(static_cast<float>(color >> 16 & 0xFF) / 255.0f, static_cast<float>(color >> 8 & 0xFF) / 255.0f,
                 static_cast<float>(color & 0xFF) / 255.0f, static_cast<float>(color >> 24) / 255.0f);
    bits |= GL_COLOR_BUFFER_BIT;
  }
  if (flags & D3DCLEAR_ZBUFFER) {
    glClearDepthf(z);
    glDepthMask(GL_TRUE);
    raster_.DepthMaskChanged();
    dirty_ |= kRaster;
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
  if (!transform_.Set(state, matrix)) return D3DERR_INVALIDCALL;
  dirty_ |= kUniforms;
  return D3D_OK;
}

HResult GlDevice::SetRenderState(uint32_t state, uint32_t value) {
  if (state >= states_.render.size()) return D3DERR_INVALIDCALL;
  if (states_.render[state] != value) {
    states_.render[state] = value;
    dirty_ |= RenderStateDirt(state);
  }
  return D3D_OK;
}

HResult GlDevice::SetTextureStageState(uint32_t stage, uint32_t type, uint32_t value) {
  if (stage >= kStages || type >= states_.stages[stage].size()) return D3DERR_INVALIDCALL;
  uint32_t& was = states_.stages[stage][type];
  if (was == value) return D3D_OK;
  was = value;
  switch (type) {
    case D3DTSS_COLOROP:
    case D3DTSS_COLORARG1:
    case D3DTSS_COLORARG2:
    case D3DTSS_ALPHAOP:
    case D3DTSS_ALPHAARG1:
    case D3DTSS_ALPHAARG2: dirty_ |= kProgram; break;
    case D3DTSS_MIPMAPLODBIAS: dirty_ |= kProgram | kUniforms; break;
    case D3DTSS_MAGFILTER:
    case D3DTSS_MINFILTER:
    case D3DTSS_MIPFILTER: dirty_ |= kTextures; break;
    default: break;
  }
  return D3D_OK;
}

HResult GlDevice::SetTexture(uint32_t stage, Texture* texture) {
  if (stage >= kStages) return D3DERR_INVALIDCALL;
  GlTexture* t = Of(texture);
  if (t == textures_[stage]) return D3D_OK;
  // Whether a stage has a texture decides what its operations compute.
  if ((t == nullptr) != (textures_[stage] == nullptr)) dirty_ |= kProgram;
  textures_[stage] = t;
  dirty_ |= kTextures;
  return D3D_OK;
}

HResult GlDevice::CreateVertexShader(const uint32_t* declaration, const uint32_t* function, uint32_t* handle,
                                     uint32_t) {
  Shader shader;
  if (declaration == nullptr || function == nullptr || handle == nullptr ||
      !ParseShaderDeclaration(declaration, &shader.declaration) ||
      !TranslateVertexShader(function, shader.declaration, &shader.glsl)) {
    return D3DERR_INVALIDCALL;
  }
  shader.used = true;
  const auto free = std::find_if(shaders_.begin(), shaders_.end(), [](const Shader& s) { return !s.used; });
  const auto index = static_cast<uint32_t>(free - shaders_.begin());
  if (free == shaders_.end()) {
    shaders_.push_back(std::move(shader));
  } else {
    *free = std::move(shader);
  }
  for (ProgramKey key : PreparedProgramKeys()) {
    if (key.shader == 0) continue;
    key.shader = static_cast<uint16_t>(index + 1);
    programs_.Build(key, &shaders_[index].glsl);
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
  if (handle < kShaderHandleBase || index >= shaders_.size() || !shaders_[index].used) return D3DERR_INVALIDCALL;
  programs_.ForgetShader(static_cast<uint16_t>(index + 1));
  shaders_[index] = {};
  program_ = nullptr;
  glUseProgram(0);
  if (vertexShader_ == handle) vertexShader_ = 0;
  dirty_ |= kProgram;
  return D3D_OK;
}

HResult GlDevice::SetVertexShader(uint32_t handleOrFvf) {
  if (handleOrFvf >= kShaderHandleBase) {
    const uint32_t index = handleOrFvf - kShaderHandleBase;
    if (index >= shaders_.size() || !shaders_[index].used) return D3DERR_INVALIDCALL;
  } else if (!DrawableFormat(handleOrFvf)) {
    return D3DERR_INVALIDCALL;
  }
  if (handleOrFvf != vertexShader_) dirty_ |= kProgram | kArrays;
  vertexShader_ = handleOrFvf;
  return D3D_OK;
}

HResult GlDevice::SetVertexShaderConstant(uint32_t reg, const void* data, uint32_t count) {
  if (data == nullptr || reg > vs11::kConstCount || count > vs11::kConstCount - reg) return D3DERR_INVALIDCALL;
  std::memcpy(constants_[reg].data(), data, size_t{count} * sizeof constants_[0]);
  dirty_ |= kUniforms;
  return D3D_OK;
}

HResult GlDevice::CreateVertexBuffer(uint32_t length, uint32_t usage, uint32_t, uint32_t, VertexBuffer** buffer) {
  GlBuffer* b = nullptr;
  const HResult r = CreateGlBuffer(length, usage, GL_ARRAY_BUFFER, &b);
  *buffer = reinterpret_cast<VertexBuffer*>(b);
  return r;
}

HResult GlDevice::CreateIndexBuffer(uint32_t length, uint32_t usage, uint32_t format, uint32_t,
                                    IndexBuffer** buffer) {
  *buffer = nullptr;
  if (format != D3DFMT_INDEX16) return D3DERR_INVALIDCALL;
  GlBuffer* b = nullptr;
  const HResult r = CreateGlBuffer(length, usage, GL_ELEMENT_ARRAY_BUFFER, &b);
  boundIndices_ = b != nullptr ? b->name : 0;
  *buffer = reinterpret_cast<IndexBuffer*>(b);
  return r;
}

HResult GlDevice::SetStreamSource(uint32_t stream, VertexBuffer* buffer, uint32_t stride) {
  if (stream != 0) return D3DERR_INVALIDCALL;
  if (Of(buffer) != stream_ || stride != stride_) dirty_ |= kArrays;
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
  if (dirty_ & kProgram) {
    DrawInputs inputs;
    const Shader* shader = CurrentShader();
    inputs.vertexShader = vertexShader_;
    inputs.shaderSlot = shader != nullptr ? vertexShader_ - kShaderHandleBase + 1 : 0;
    for (uint32_t s = 0; s < kStages; ++s) inputs.textured[s] = textures_[s] != nullptr;
    GlProgram* program = programs_.Get(ProgramKeyOf(states_, inputs), shader != nullptr ? &shader->glsl : nullptr);
    if (program == nullptr) return false;
    if (program != program_) {
      glUseProgram(program->name());
      program_ = program;
      dirty_ |= kUniforms;
    }
  }
  if (dirty_ & kRaster) raster_.Apply(states_.render);
  if (dirty_ & kTextures) BindTextures();
  if (dirty_ & kUniforms) SetUniforms();
  if (dirty_ & kArrays) BindVertexArrays();
  dirty_ = 0;
  return true;
}

void GlDevice::SetUniforms() {
  const auto& r = states_.render;
  GlProgram& p = *program_;
  if (CurrentShader() != nullptr) {
    p.SetOffset(transform_.offsetX(), transform_.offsetY());
    p.SetConstants(constants_);
  } else {
    p.SetClip(transform_.Clip());
  }
  p.SetFactor(r[D3DRS_TEXTUREFACTOR]);
  p.SetAlphaRef(r[D3DRS_ALPHAREF]);
  p.SetFog(r[D3DRS_FOGCOLOR], std::bit_cast<float>(r[D3DRS_FOGEND]), std::bit_cast<float>(r[D3DRS_FOGSTART]));
  for (uint32_t s = 0; s < kStages; ++s) p.SetBias(s, std::bit_cast<float>(states_.stages[s][D3DTSS_MIPMAPLODBIAS]));
}

void GlDevice::BindTextures() {
  for (uint32_t s = 0; s < kStages; ++s) {
    const uint32_t name = textures_[s] != nullptr ? textures_[s]->name : 0;
    if (name != boundTextures_[s]) {
      glActiveTexture(GL_TEXTURE0 + s);
      glBindTexture(GL_TEXTURE_2D, name);
      boundTextures_[s] = name;
    }
    const auto& t = states_.stages[s];
    const std::array<int, 2> filters = {t[D3DTSS_MAGFILTER] >= D3DTEXF_LINEAR ? GL_LINEAR : GL_NEAREST,
                                        MinFilter(t[D3DTSS_MINFILTER], t[D3DTSS_MIPFILTER])};
    if (filters == filters_[s]) continue;
    glSamplerParameteri(samplers_[s], GL_TEXTURE_MAG_FILTER, filters[0]);
    glSamplerParameteri(samplers_[s], GL_TEXTURE_MIN_FILTER, filters[1]);
    filters_[s] = filters;
  }
}

void GlDevice::BindVertexArrays() {
  glBindBuffer(GL_ARRAY_BUFFER, stream_->name);
  const auto stride = static_cast<GLsizei>(stride_);
  // ES has no base vertex for indexed draws: the arrays start at it instead.
  const uint32_t base = arraysBaseVertex_ * stride_;
  uint32_t enabled = 0;
  auto point = [&](uint32_t location, GLint size, GLenum type, bool normalised, uint32_t offset) {
    glVertexAttribPointer(location, size, type, normalised ? GL_TRUE : GL_FALSE, stride, At(base + offset));
    enabled |= 1u << location;
  };
  if (const Shader* shader = CurrentShader()) {
    for (uint32_t i = 0; i < shader->declaration.count; ++i) {
      const ShaderInput& in = shader->declaration.inputs[i];
      if (in.type == D3DVSDT_D3DCOLOR) {
        point(in.reg, 4, GL_UNSIGNED_BYTE, true, in.offset);
      } else {
        point(in.reg, static_cast<GLint>(in.type + 1), GL_FLOAT, false, in.offset);
      }
    }
  } else {
    point(kPositionLocation, 3, GL_FLOAT, false, 0);
    uint32_t offset = 12;
    if (vertexShader_ & D3DFVF_DIFFUSE) {
      point(kDiffuseLocation, 4, GL_UNSIGNED_BYTE, true, offset);
      offset += 4;
    }
    const uint32_t sets = std::min((vertexShader_ & kTexCountMask) >> 8, kStages);
    for (uint32_t s = 0; s < sets; ++s) point(kTexCoordLocation + s, 2, GL_FLOAT, false, offset + 8 * s);
  }
  for (uint32_t n = 0; n < kMaxAttributes; ++n) {
    const uint32_t bit = 1u << n;
    if ((enabled & bit) && !(enabledArrays_ & bit)) glEnableVertexAttribArray(n);
    if (!(enabled & bit) && (enabledArrays_ & bit)) glDisableVertexAttribArray(n);
  }
  enabledArrays_ = enabled;
}

HResult GlDevice::DrawPrimitive(uint32_t type, uint32_t startVertex, uint32_t count) {
  GLenum mode;
  uint32_t vertices = 0;
  if (!Primitive(type, count, &mode, &vertices)) return D3DERR_INVALIDCALL;
  if (arraysBaseVertex_ != 0) {
    arraysBaseVertex_ = 0;
    dirty_ |= kArrays;
  }
  if (!PrepareDraw() || uint64_t{startVertex} + vertices > stream_->length / stride_) return D3DERR_INVALIDCALL;
  glDrawArrays(mode, static_cast<GLint>(startVertex), static_cast<GLsizei>(vertices));
  return D3D_OK;
}

HResult GlDevice::DrawIndexedPrimitive(uint32_t type, uint32_t minIndex, uint32_t vertexCount, uint32_t startIndex,
                                       uint32_t count) {
  GLenum mode;
  uint32_t indices = 0;
  if (!Primitive(type, count, &mode, &indices) || indices_ == nullptr || indices_->locked || vertexCount == 0 ||
      (uint64_t{startIndex} + indices) * 2 > indices_->length) {
    return D3DERR_INVALIDCALL;
  }
  if (baseVertex_ != arraysBaseVertex_) {
    arraysBaseVertex_ = baseVertex_;
    dirty_ |= kArrays;
  }
  if (!PrepareDraw() || uint64_t{baseVertex_} + minIndex + vertexCount > stream_->length / stride_) {
    return D3DERR_INVALIDCALL;
  }
  if (indices_->name != boundIndices_) {
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indices_->name);
    boundIndices_ = indices_->name;
  }
  // The range lets GL transform only the vertices the indices name.
  glDrawRangeElements(mode, minIndex, minIndex + vertexCount - 1, static_cast<GLsizei>(indices), GL_UNSIGNED_SHORT,
                      At(startIndex * 2));
  return D3D_OK;
}

HResult GlDevice::ResourceManagerDiscardBytes(uint32_t) { return D3D_OK; }

HResult GlDevice::LockVertexBuffer(VertexBuffer* buffer, uint32_t offset, uint32_t size, uint8_t** data,
                                   uint32_t flags) {
  return LockGlBuffer(Of(buffer), offset, size, flags, data);
}

HResult GlDevice::UnlockVertexBuffer(VertexBuffer* buffer) { return UnlockGlBuffer(Of(buffer)); }

void GlDevice::ReleaseVertexBuffer(VertexBuffer* buffer) {
  if (buffer == nullptr) return;
  // GL hands a deleted buffer's name out again: nothing may stay bound to it.
  if (Of(buffer) == stream_) stream_ = nullptr;
  dirty_ |= kArrays;
  ReleaseGlBuffer(Of(buffer));
}

HResult GlDevice::LockIndexBuffer(IndexBuffer* buffer, uint32_t offset, uint32_t size, uint8_t** data,
                                  uint32_t flags) {
  return LockGlBuffer(Of(buffer), offset, size, flags, data);
}

HResult GlDevice::UnlockIndexBuffer(IndexBuffer* buffer) {
  const HResult r = UnlockGlBuffer(Of(buffer));
  // The upload bound the buffer.
  if (!Failed(r)) boundIndices_ = Of(buffer)->name;
  return r;
}

void GlDevice::ReleaseIndexBuffer(IndexBuffer* buffer) {
  if (buffer == nullptr) return;
  if (Of(buffer) == indices_) indices_ = nullptr;
  if (Of(buffer)->name == boundIndices_) boundIndices_ = 0;
  ReleaseGlBuffer(Of(buffer));
}

HResult GlDevice::CreateTexture(uint32_t width, uint32_t height, uint32_t levels, uint32_t, uint32_t format,
                                uint32_t, Texture** texture) {
  // Texture work binds on a unit of its own, which no stage samples.
  glActiveTexture(GL_TEXTURE0 + kStages);
  GlTexture* t = nullptr;
  const HResult r = CreateGlTexture(width, height, levels, format, &t);
  *texture = reinterpret_cast<Texture*>(t);
  return r;
}

HResult GlDevice::LockTextureLevel(Texture* texture, uint32_t level, uint8_t** bits, int32_t* pitch) {
  return LockGlTextureLevel(Of(texture), level, bits, pitch);
}

HResult GlDevice::UnlockTextureLevel(Texture* texture, uint32_t level) {
  glActiveTexture(GL_TEXTURE0 + kStages);
  return UnlockGlTextureLevel(Of(texture), level);
}

void GlDevice::ReleaseTexture(Texture* texture) {
  if (texture == nullptr) return;
  // GL hands a deleted texture's name out again: no stage may keep it.
  for (uint32_t s = 0; s < kStages; ++s) {
    if (textures_[s] == Of(texture)) SetTexture(s, nullptr);
    if (boundTextures_[s] == Of(texture)->name) boundTextures_[s] = 0;
  }
  ReleaseGlTexture(Of(texture));
}

bool GlDevice::ReadFrame(uint32_t* width, uint32_t* height, std::vector<uint32_t>* pixels) {
  return frames_.Read(width, height, pixels);
}

}  // namespace sorvane
