// Forwards the device interface to d3d8.dll. The opaque buffer and texture
// handles are the runtime's own interface pointers.
#include <d3d8.h>

#include "device/device_d3d8_win32.h"

namespace sorvane {

namespace {

static_assert(sizeof(Matrix) == sizeof(D3DMATRIX));

IDirect3DVertexBuffer8* Native(VertexBuffer* b) { return reinterpret_cast<IDirect3DVertexBuffer8*>(b); }
IDirect3DIndexBuffer8* Native(IndexBuffer* b) { return reinterpret_cast<IDirect3DIndexBuffer8*>(b); }
IDirect3DTexture8* Native(Texture* t) { return reinterpret_cast<IDirect3DTexture8*>(t); }

D3DPRESENT_PARAMETERS Native(const PresentParameters& p) {
  D3DPRESENT_PARAMETERS n = {};
  n.BackBufferWidth = p.backBufferWidth;
  n.BackBufferHeight = p.backBufferHeight;
  n.BackBufferFormat = static_cast<D3DFORMAT>(p.backBufferFormat);
  n.BackBufferCount = p.backBufferCount;
  n.MultiSampleType = static_cast<D3DMULTISAMPLE_TYPE>(p.multiSampleType);
  n.SwapEffect = static_cast<D3DSWAPEFFECT>(p.swapEffect);
  n.hDeviceWindow = static_cast<HWND>(p.deviceWindow);
  n.Windowed = p.windowed;
  n.EnableAutoDepthStencil = p.enableAutoDepthStencil;
  n.AutoDepthStencilFormat = static_cast<D3DFORMAT>(p.autoDepthStencilFormat);
  n.Flags = p.flags;
  n.FullScreen_RefreshRateInHz = p.refreshRate;
  n.FullScreen_PresentationInterval = p.presentationInterval;
  return n;
}

class RuntimeDevice : public Device {
 public:
  explicit RuntimeDevice(IDirect3DDevice8* d) : d_(d) {}

  HResult TestCooperativeLevel() override { return d_->TestCooperativeLevel(); }
  HResult Reset(const PresentParameters& parameters) override {
    D3DPRESENT_PARAMETERS n = Native(parameters);
    return d_->Reset(&n);
  }
  HResult Clear(uint32_t flags, uint32_t color, float z, uint32_t stencil) override {
    return d_->Clear(0, nullptr, flags, color, z, stencil);
  }
  HResult BeginScene() override { return d_->BeginScene(); }
  HResult EndScene() override { return d_->EndScene(); }
  HResult Present() override { return d_->Present(nullptr, nullptr, nullptr, nullptr); }
  HResult SetTransform(uint32_t state, const Matrix& matrix) override {
    return d_->SetTransform(static_cast<D3DTRANSFORMSTATETYPE>(state), reinterpret_cast<const D3DMATRIX*>(&matrix));
  }
  HResult SetRenderState(uint32_t state, uint32_t value) override {
    return d_->SetRenderState(static_cast<D3DRENDERSTATETYPE>(state), value);
  }
  HResult SetTextureStageState(uint32_t stage, uint32_t type, uint32_t value) override {
    return d_->SetTextureStageState(stage, static_cast<D3DTEXTURESTAGESTATETYPE>(type), value);
  }
  HResult SetTexture(uint32_t stage, Texture* texture) override { return d_->SetTexture(stage, Native(texture)); }
  HResult CreateVertexShader(const uint32_t* declaration, const uint32_t* function, uint32_t* handle,
                             uint32_t usage) override {
    DWORD h = 0;
    HResult r = d_->CreateVertexShader(reinterpret_cast<const DWORD*>(declaration),
                                       reinterpret_cast<const DWORD*>(function), &h, usage);
    *handle = h;
    return r;
  }
  HResult DeleteVertexShader(uint32_t handle) override { return d_->DeleteVertexShader(handle); }
  HResult SetVertexShader(uint32_t handleOrFvf) override { return d_->SetVertexShader(handleOrFvf); }
  HResult SetVertexShaderConstant(uint32_t reg, const void* data, uint32_t count) override {
    return d_->SetVertexShaderConstant(reg, data, count);
  }
  HResult CreateVertexBuffer(uint32_t length, uint32_t usage, uint32_t fvf, uint32_t pool,
                             VertexBuffer** buffer) override {
    IDirect3DVertexBuffer8* b = nullptr;
    HResult r = d_->CreateVertexBuffer(length, usage, fvf, static_cast<D3DPOOL>(pool), &b);
    *buffer = reinterpret_cast<VertexBuffer*>(b);
    return r;
  }
  HResult CreateIndexBuffer(uint32_t length, uint32_t usage, uint32_t format, uint32_t pool,
                            IndexBuffer** buffer) override {
    IDirect3DIndexBuffer8* b = nullptr;
    HResult r = d_->CreateIndexBuffer(length, usage, static_cast<D3DFORMAT>(format), static_cast<D3DPOOL>(pool), &b);
    *buffer = reinterpret_cast<IndexBuffer*>(b);
    return r;
  }
  HResult SetStreamSource(uint32_t stream, VertexBuffer* buffer, uint32_t stride) override {
    return d_->SetStreamSource(stream, Native(buffer), stride);
  }
  HResult SetIndices(IndexBuffer* buffer, uint32_t baseVertex) override {
    return d_->SetIndices(Native(buffer), baseVertex);
  }
  HResult DrawPrimitive(uint32_t type, uint32_t startVertex, uint32_t count) override {
    return d_->DrawPrimitive(static_cast<D3DPRIMITIVETYPE>(type), startVertex, count);
  }
  HResult DrawIndexedPrimitive(uint32_t type, uint32_t minIndex, uint32_t vertexCount, uint32_t startIndex,
                               uint32_t count) override {
    return d_->DrawIndexedPrimitive(static_cast<D3DPRIMITIVETYPE>(type), minIndex, vertexCount, startIndex, count);
  }
  HResult ResourceManagerDiscardBytes(uint32_t bytes) override { return d_->ResourceManagerDiscardBytes(bytes); }
  HResult LockVertexBuffer(VertexBuffer* buffer, uint32_t offset, uint32_t size, uint8_t** data,
                           uint32_t flags) override {
    BYTE* p = nullptr;
    HResult r = Native(buffer)->Lock(offset, size, &p, flags);
    *data = p;
    return r;
  }
  HResult UnlockVertexBuffer(VertexBuffer* buffer) override { return Native(buffer)->Unlock(); }
  void ReleaseVertexBuffer(VertexBuffer* buffer) override { Native(buffer)->Release(); }
  HResult LockIndexBuffer(IndexBuffer* buffer, uint32_t offset, uint32_t size, uint8_t** data,
                          uint32_t flags) override {
    BYTE* p = nullptr;
    HResult r = Native(buffer)->Lock(offset, size, &p, flags);
    *data = p;
    return r;
  }
  HResult UnlockIndexBuffer(IndexBuffer* buffer) override { return Native(buffer)->Unlock(); }
  void ReleaseIndexBuffer(IndexBuffer* buffer) override { Native(buffer)->Release(); }
  HResult CreateTexture(uint32_t width, uint32_t height, uint32_t levels, uint32_t usage, uint32_t format,
                        uint32_t pool, Texture** texture) override {
    IDirect3DTexture8* t = nullptr;
    HResult r = d_->CreateTexture(width, height, levels, usage, static_cast<D3DFORMAT>(format),
                                  static_cast<D3DPOOL>(pool), &t);
    *texture = reinterpret_cast<Texture*>(t);
    return r;
  }
  HResult LockTextureLevel(Texture* texture, uint32_t level, uint8_t** bits, int32_t* pitch) override {
    D3DLOCKED_RECT rect = {};
    HResult r = Native(texture)->LockRect(level, &rect, nullptr, 0);
    *bits = static_cast<uint8_t*>(rect.pBits);
    *pitch = rect.Pitch;
    return r;
  }
  HResult UnlockTextureLevel(Texture* texture, uint32_t level) override { return Native(texture)->UnlockRect(level); }
  void ReleaseTexture(Texture* texture) override { Native(texture)->Release(); }
  void Release() override {
    d_->Release();
    delete this;
  }

 private:
  IDirect3DDevice8* d_;
};

class RuntimeDirect3D : public Direct3D {
 public:
  explicit RuntimeDirect3D(IDirect3D8* d) : d_(d) {}

  HResult GetAdapterDisplayMode(DisplayMode* mode) override {
    D3DDISPLAYMODE m = {};
    HResult r = d_->GetAdapterDisplayMode(D3DADAPTER_DEFAULT, &m);
    *mode = {m.Width, m.Height, m.RefreshRate, static_cast<uint32_t>(m.Format)};
    return r;
  }
  HResult CheckDeviceMultiSampleType(uint32_t format, bool windowed, uint32_t samples) override {
    return d_->CheckDeviceMultiSampleType(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, static_cast<D3DFORMAT>(format), windowed,
                                          static_cast<D3DMULTISAMPLE_TYPE>(samples));
  }
  HResult CheckDeviceFormat(uint32_t adapterFormat, uint32_t usage, uint32_t resourceType, uint32_t format) override {
    return d_->CheckDeviceFormat(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, static_cast<D3DFORMAT>(adapterFormat), usage,
                                 static_cast<D3DRESOURCETYPE>(resourceType), static_cast<D3DFORMAT>(format));
  }
  HResult CreateDevice(void* focusWindow, uint32_t behaviour, PresentParameters* parameters,
                       Device** device) override {
    D3DPRESENT_PARAMETERS n = Native(*parameters);
    IDirect3DDevice8* d = nullptr;
    HResult r = d_->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, static_cast<HWND>(focusWindow), behaviour, &n, &d);
    *device = d ? new RuntimeDevice(d) : nullptr;
    return r;
  }
  void Release() override {
    d_->Release();
    delete this;
  }

 private:
  IDirect3D8* d_;
};

}  // namespace

Direct3D* CreateRuntimeDirect3D(void* direct3DCreate8) {
  using CreateFn = IDirect3D8*(WINAPI*)(UINT);
  IDirect3D8* d = reinterpret_cast<CreateFn>(direct3DCreate8)(D3D_SDK_VERSION);
  return d ? new RuntimeDirect3D(d) : nullptr;
}

}  // namespace sorvane
