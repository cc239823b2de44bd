// The Direct3D object on OpenGL ES: it holds the EGL context, answers the
// adapter queries with what the GL device draws, and makes that device.
#include <memory>

#include "device/context_gl.h"
#include "device/d3d8_constants.h"
#include "device/device_gl.h"
#include "device/draw_device_gl.h"
#include "device/texture_formats_gl.h"

namespace sorvane {
namespace {

constexpr uint32_t kRefreshRate = 60;

class GlDirect3D : public Direct3D {
 public:
  explicit GlDirect3D(std::unique_ptr<GlContext> context) : context_(std::move(context)) {}

  HResult GetAdapterDisplayMode(DisplayMode* mode) override {
    uint32_t width = 0, height = 0;
    context_->Size(&width, &height);
    *mode = {width, height, kRefreshRate, D3DFMT_X8R8G8B8};
    return D3D_OK;
  }

  HResult CheckDeviceMultiSampleType(uint32_t, bool, uint32_t samples) override {
    return samples == D3DMULTISAMPLE_NONE ? D3D_OK : D3DERR_NOTAVAILABLE;
  }

  // The texture formats the device stores.
  HResult CheckDeviceFormat(uint32_t, uint32_t usage, uint32_t resourceType, uint32_t format) override {
    const bool texture = resourceType == D3DRTYPE_TEXTURE && usage == 0;
    return texture && FindGlTextureFormat(format) != nullptr ? D3D_OK : D3DERR_NOTAVAILABLE;
  }

  // One device at a time: it owns the context's GL state while it lives.
  HResult CreateDevice(void*, uint32_t, PresentParameters* parameters, Device** device) override {
    *device = nullptr;
    if (parameters->multiSampleType != D3DMULTISAMPLE_NONE) return D3DERR_INVALIDCALL;
    if (context_.use_count() > 1) return D3DERR_NOTAVAILABLE;
    context_->MakeCurrent();
    const uint32_t depthBits =
        !parameters->enableAutoDepthStencil ? 0 : parameters->autoDepthStencilFormat == D3DFMT_D16 ? 16 : 24;
    *device = new GlDevice(context_, depthBits);
    return D3D_OK;
  }

  void Release() override { delete this; }

 private:
  std::shared_ptr<GlContext> context_;
};

}  // namespace

Direct3D* CreateGlDirect3D(const GlSurface& surface) {
  std::unique_ptr<GlContext> context = GlContext::Create(surface);
  return context != nullptr ? new GlDirect3D(std::move(context)) : nullptr;
}

bool ReadGlFrame(Device& device, uint32_t* width, uint32_t* height, std::vector<uint32_t>* pixels) {
  auto* gl = dynamic_cast<GlDevice*>(&device);
  return gl != nullptr && gl->ReadFrame(width, height, pixels);
}

uint32_t GlProgramsBuiltAtDraw(Device& device) {
  auto* gl = dynamic_cast<GlDevice*>(&device);
  return gl != nullptr ? gl->programsBuiltAtDraw() : 0;
}

}  // namespace sorvane
