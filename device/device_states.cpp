#include "device/device_states.h"

#include <bit>

#include "device/d3d8_constants.h"

namespace sorvane {

DeviceStates DefaultDeviceStates(bool depthBuffer) {
  DeviceStates d;
  auto& r = d.render;
  r[D3DRS_ZENABLE] = depthBuffer ? 1 : 0;
  r[D3DRS_SHADEMODE] = D3DSHADE_GOURAUD;
  r[D3DRS_ZWRITEENABLE] = 1;
  r[D3DRS_SRCBLEND] = D3DBLEND_ONE;
  r[D3DRS_DESTBLEND] = D3DBLEND_ZERO;
  r[D3DRS_CULLMODE] = D3DCULL_CCW;
  r[D3DRS_ZFUNC] = D3DCMP_LESSEQUAL;
  r[D3DRS_ALPHAFUNC] = D3DCMP_ALWAYS;
  r[D3DRS_FOGEND] = std::bit_cast<uint32_t>(1.0f);
  r[D3DRS_TEXTUREFACTOR] = 0xFFFFFFFFu;
  r[D3DRS_LIGHTING] = 1;
  r[D3DRS_COLORVERTEX] = 1;
  for (uint32_t s = 0; s < d.stages.size(); ++s) {
    auto& t = d.stages[s];
    t[D3DTSS_COLOROP] = s == 0 ? D3DTOP_MODULATE : D3DTOP_DISABLE;
    t[D3DTSS_COLORARG1] = D3DTA_TEXTURE;
    t[D3DTSS_COLORARG2] = D3DTA_CURRENT;
    t[D3DTSS_ALPHAOP] = s == 0 ? D3DTOP_SELECTARG1 : D3DTOP_DISABLE;
    t[D3DTSS_ALPHAARG1] = D3DTA_TEXTURE;
    t[D3DTSS_ALPHAARG2] = D3DTA_CURRENT;
    t[D3DTSS_TEXCOORDINDEX] = s;
    t[D3DTSS_ADDRESSU] = D3DTADDRESS_WRAP;
    t[D3DTSS_ADDRESSV] = D3DTADDRESS_WRAP;
    t[D3DTSS_MAGFILTER] = D3DTEXF_POINT;
    t[D3DTSS_MINFILTER] = D3DTEXF_POINT;
    t[D3DTSS_MIPFILTER] = D3DTEXF_NONE;
  }
  return d;
}

}  // namespace sorvane
