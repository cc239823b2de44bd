#include "tests/support/device_recording.h"

#include <algorithm>

#include "device/d3d8_constants.h"

namespace sorvane {

namespace {
uint64_t Ptr(const void* p) { return reinterpret_cast<uintptr_t>(p); }
uint64_t Bits(float f) {
  uint32_t u;
  static_assert(sizeof u == sizeof f);
  __builtin_memcpy(&u, &f, sizeof u);
  return u;
}
}  // namespace

size_t CallLog::Count(const std::string& name) const {
  return static_cast<size_t>(std::count_if(calls_.begin(), calls_.end(), [&](const RecordedCall& c) { return c.name == name; }));
}

HResult CallLog::Record(const std::string& name, std::vector<uint64_t> args) {
  if (sink) {
    sink(name, args);
  } else {
    calls_.push_back({name, std::move(args)});
  }
  auto it = failures_.find(name);
  if (it == failures_.end() || it->second.times == 0) return D3D_OK;
  if (it->second.times > 0) --it->second.times;
  return it->second.result;
}

HResult RecordingDevice::TestCooperativeLevel() { return Record("TestCooperativeLevel"); }
HResult RecordingDevice::Reset(const PresentParameters& p) {
  return Record("Reset", {p.backBufferWidth, p.backBufferHeight, p.backBufferFormat, p.windowed});
}
HResult RecordingDevice::Clear(uint32_t flags, uint32_t color, float z, uint32_t stencil) {
  return Record("Clear", {flags, color, Bits(z), stencil});
}
HResult RecordingDevice::BeginScene() { return Record("BeginScene"); }
HResult RecordingDevice::EndScene() { return Record("EndScene"); }
HResult RecordingDevice::Present() { return Record("Present"); }
HResult RecordingDevice::SetTransform(uint32_t state, const Matrix& m) {
  std::vector<uint64_t> args{state};
  for (auto& row : m.m)
    for (float f : row) args.push_back(Bits(f));
  return Record("SetTransform", std::move(args));
}
HResult RecordingDevice::SetRenderState(uint32_t state, uint32_t value) {
  const HResult r = Record("SetRenderState", {state, value});
  if (!Failed(r) && state < states.render.size()) states.render[state] = value;
  return r;
}
HResult RecordingDevice::SetTextureStageState(uint32_t stage, uint32_t type, uint32_t value) {
  const HResult r = Record("SetTextureStageState", {stage, type, value});
  if (!Failed(r) && stage < states.stages.size() && type < states.stages[stage].size()) {
    states.stages[stage][type] = value;
  }
  return r;
}
HResult RecordingDevice::SetTexture(uint32_t stage, Texture* t) {
  const HResult r = Record("SetTexture", {stage, Ptr(t)});
  if (!Failed(r) && stage < textures.size()) textures[stage] = t;
  return r;
}

HResult RecordingDevice::CreateVertexShader(const uint32_t* declaration, const uint32_t* function, uint32_t* handle,
                                            uint32_t usage) {
  HResult r = Record("CreateVertexShader", {Ptr(declaration), Ptr(function), usage});
  if (Failed(r)) return r;
  lastShaderFunction.clear();
  for (const uint32_t* t = function; t; ++t) {
    lastShaderFunction.push_back(*t);
    if (*t == 0x0000FFFF) break;
  }
  *handle = ++lastShaderHandle;
  return r;
}
HResult RecordingDevice::DeleteVertexShader(uint32_t handle) { return Record("DeleteVertexShader", {handle}); }
HResult RecordingDevice::SetVertexShader(uint32_t handle) {
  vertexShader = handle;
  return Record("SetVertexShader", {handle});
}
HResult RecordingDevice::SetVertexShaderConstant(uint32_t reg, const void*, uint32_t count) {
  return Record("SetVertexShaderConstant", {reg, count});
}

HResult RecordingDevice::CreateVertexBuffer(uint32_t length, uint32_t usage, uint32_t fvf, uint32_t pool,
                                            VertexBuffer** buffer) {
  HResult r = Record("CreateVertexBuffer", {length, usage, fvf, pool});
  if (Failed(r)) return r;
  buffers_.push_back(std::make_unique<RecordedBuffer>(RecordedBuffer{std::vector<uint8_t>(length), usage, fvf, pool}));
  *buffer = reinterpret_cast<VertexBuffer*>(buffers_.back().get());
  return r;
}
HResult RecordingDevice::CreateIndexBuffer(uint32_t length, uint32_t usage, uint32_t format, uint32_t pool,
                                           IndexBuffer** buffer) {
  HResult r = Record("CreateIndexBuffer", {length, usage, format, pool});
  if (Failed(r)) return r;
  buffers_.push_back(
      std::make_unique<RecordedBuffer>(RecordedBuffer{std::vector<uint8_t>(length), usage, format, pool}));
  *buffer = reinterpret_cast<IndexBuffer*>(buffers_.back().get());
  return r;
}
HResult RecordingDevice::SetStreamSource(uint32_t stream, VertexBuffer* b, uint32_t stride) {
  return Record("SetStreamSource", {stream, Ptr(b), stride});
}
HResult RecordingDevice::SetIndices(IndexBuffer* b, uint32_t baseVertex) { return Record("SetIndices", {Ptr(b), baseVertex}); }
void RecordingDevice::KeepDrawStates() {
  // The recorder's shader handles count from 1, below every format code.
  if (keepDrawStates) {
    drawStates.push_back({states, textures, vertexShader, vertexShader != 0 && vertexShader <= lastShaderHandle});
  }
}
HResult RecordingDevice::DrawPrimitive(uint32_t type, uint32_t start, uint32_t count) {
  KeepDrawStates();
  return Record("DrawPrimitive", {type, start, count});
}
HResult RecordingDevice::DrawIndexedPrimitive(uint32_t type, uint32_t minIndex, uint32_t vertexCount,
                                              uint32_t startIndex, uint32_t count) {
  KeepDrawStates();
  return Record("DrawIndexedPrimitive", {type, minIndex, vertexCount, startIndex, count});
}
HResult RecordingDevice::ResourceManagerDiscardBytes(uint32_t bytes) { return Record("ResourceManagerDiscardBytes", {bytes}); }

HResult RecordingDevice::LockBuffer(RecordedBuffer& b, uint32_t offset, uint32_t size, uint8_t** data) {
  // As the runtime does, a size of 0 locks from the offset to the end.
  if (b.released || b.locked || offset > b.bytes.size() || size > b.bytes.size() - offset) return D3DERR_INVALIDCALL;
  b.locked = true;
  *data = b.bytes.data() + offset;
  return D3D_OK;
}
HResult RecordingDevice::LockVertexBuffer(VertexBuffer* buffer, uint32_t offset, uint32_t size, uint8_t** data,
                                          uint32_t flags) {
  HResult r = Record("LockVertexBuffer", {Ptr(buffer), offset, size, flags});
  return Failed(r) ? r : LockBuffer(Buffer(buffer), offset, size, data);
}
HResult RecordingDevice::UnlockVertexBuffer(VertexBuffer* buffer) {
  Buffer(buffer).locked = false;
  return Record("UnlockVertexBuffer", {Ptr(buffer)});
}
void RecordingDevice::ReleaseVertexBuffer(VertexBuffer* buffer) {
  Record("ReleaseVertexBuffer", {Ptr(buffer)});
  Buffer(buffer).released = true;
}
HResult RecordingDevice::LockIndexBuffer(IndexBuffer* buffer, uint32_t offset, uint32_t size, uint8_t** data,
                                         uint32_t flags) {
  HResult r = Record("LockIndexBuffer", {Ptr(buffer), offset, size, flags});
  return Failed(r) ? r : LockBuffer(Buffer(buffer), offset, size, data);
}
HResult RecordingDevice::UnlockIndexBuffer(IndexBuffer* buffer) {
  Buffer(buffer).locked = false;
  return Record("UnlockIndexBuffer", {Ptr(buffer)});
}
void RecordingDevice::ReleaseIndexBuffer(IndexBuffer* buffer) {
  Record("ReleaseIndexBuffer", {Ptr(buffer)});
  Buffer(buffer).released = true;
}

namespace {
uint32_t BytesPerPixel(uint32_t format) {
  switch (format) {
    case D3DFMT_R8G8B8: return 3;
    case D3DFMT_A8R8G8B8:
    case D3DFMT_X8R8G8B8: return 4;
    default: return 2;
  }
}
}  // namespace

HResult RecordingDevice::CreateTexture(uint32_t width, uint32_t height, uint32_t levels, uint32_t usage,
                                       uint32_t format, uint32_t pool, Texture** texture) {
  HResult r = Record("CreateTexture", {width, height, levels, usage, format, pool});
  if (Failed(r)) return r;
  if (width == 0 || height == 0) return D3DERR_INVALIDCALL;
  if (std::find(unsupportedTextureFormats.begin(), unsupportedTextureFormats.end(), format) !=
      unsupportedTextureFormats.end())
    return D3DERR_NOTAVAILABLE;
  auto t = std::make_unique<RecordedTexture>();
  t->width = width;
  t->height = height;
  t->format = format;
  t->usage = usage;
  t->pool = pool;
  uint32_t w = width, h = height;
  for (uint32_t level = 0; levels == 0 || level < levels; ++level) {
    int32_t pitch = static_cast<int32_t>(w * BytesPerPixel(format));
    t->levels.emplace_back(static_cast<size_t>(pitch) * h);
    t->pitches.push_back(pitch);
    if (w == 1 && h == 1) break;
    w = w > 1 ? w / 2 : 1;
    h = h > 1 ? h / 2 : 1;
  }
  textures_.push_back(std::move(t));
  *texture = reinterpret_cast<Texture*>(textures_.back().get());
  return r;
}
HResult RecordingDevice::LockTextureLevel(Texture* texture, uint32_t level, uint8_t** bits, int32_t* pitch) {
  HResult r = Record("LockTextureLevel", {Ptr(texture), level});
  RecordedTexture& t = Of(texture);
  if (Failed(r)) return r;
  if (level >= t.levels.size() || t.released) return D3DERR_INVALIDCALL;
  *bits = t.levels[level].data();
  *pitch = t.pitches[level];
  return r;
}
HResult RecordingDevice::UnlockTextureLevel(Texture* texture, uint32_t level) {
  return Record("UnlockTextureLevel", {Ptr(texture), level});
}
void RecordingDevice::ReleaseTexture(Texture* texture) {
  Record("ReleaseTexture", {Ptr(texture)});
  Of(texture).released = true;
}
void RecordingDevice::Release() {
  Record("Release");
  released = true;
}

size_t RecordingDevice::LiveResources() const {
  size_t live = 0;
  for (auto& b : buffers_) live += !b->released;
  for (auto& t : textures_) live += !t->released;
  return live;
}

HResult RecordingDirect3D::GetAdapterDisplayMode(DisplayMode* mode) {
  HResult r = Record("GetAdapterDisplayMode");
  if (!Failed(r)) *mode = displayMode;
  return r;
}
HResult RecordingDirect3D::CheckDeviceMultiSampleType(uint32_t format, bool windowed, uint32_t samples) {
  HResult r = Record("CheckDeviceMultiSampleType", {format, windowed, samples});
  if (Failed(r)) return r;
  bool ok = std::find(supportedSamples.begin(), supportedSamples.end(), samples) != supportedSamples.end();
  return ok ? D3D_OK : D3DERR_NOTAVAILABLE;
}
HResult RecordingDirect3D::CheckDeviceFormat(uint32_t adapterFormat, uint32_t usage, uint32_t resourceType,
                                             uint32_t format) {
  HResult r = Record("CheckDeviceFormat", {adapterFormat, usage, resourceType, format});
  if (Failed(r)) return r;
  bool refused = std::find(unsupportedFormats.begin(), unsupportedFormats.end(), format) != unsupportedFormats.end();
  return refused ? D3DERR_NOTAVAILABLE : D3D_OK;
}
HResult RecordingDirect3D::CreateDevice(void* focusWindow, uint32_t behaviour, PresentParameters* parameters,
                                        Device** device) {
  lastParameters = *parameters;
  HResult r = Record("CreateDevice", {Ptr(focusWindow), behaviour});
  if (Failed(r)) return r;
  devices.push_back(NewDevice());
  devices.back()->unsupportedTextureFormats = unsupportedFormats;
  *device = devices.back().get();
  return r;
}
void RecordingDirect3D::Release() {
  Record("Release");
  released = true;
}

}  // namespace sorvane
