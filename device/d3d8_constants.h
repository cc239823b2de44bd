// Direct3D 8 constants with their documented values, for code that never sees
// the runtime's headers. Never include this beside <d3d8.h>.
#pragma once
#include <cstdint>

#include "device/device.h"

namespace sorvane {

constexpr uint32_t D3D_SDK_VERSION = 220;

constexpr HResult D3D_OK = 0;
constexpr HResult D3DERR_DEVICELOST = static_cast<HResult>(0x88760868u);
constexpr HResult D3DERR_DEVICENOTRESET = static_cast<HResult>(0x88760869u);
constexpr HResult D3DERR_NOTAVAILABLE = static_cast<HResult>(0x8876086Au);
constexpr HResult D3DERR_INVALIDCALL = static_cast<HResult>(0x8876086Cu);
// windows.h defines it as a macro of the same value.
#ifndef E_OUTOFMEMORY
constexpr HResult E_OUTOFMEMORY = static_cast<HResult>(0x8007000Eu);
#endif

// Formats
constexpr uint32_t D3DFMT_R8G8B8 = 20;
constexpr uint32_t D3DFMT_A8R8G8B8 = 21;
constexpr uint32_t D3DFMT_X8R8G8B8 = 22;
constexpr uint32_t D3DFMT_R5G6B5 = 23;
constexpr uint32_t D3DFMT_X1R5G5B5 = 24;
constexpr uint32_t D3DFMT_A1R5G5B5 = 25;
constexpr uint32_t D3DFMT_A4R4G4B4 = 26;
constexpr uint32_t D3DFMT_D16 = 80;
constexpr uint32_t D3DFMT_INDEX16 = 101;

constexpr uint32_t D3DMULTISAMPLE_NONE = 0;
constexpr uint32_t D3DMULTISAMPLE_2_SAMPLES = 2;
constexpr uint32_t D3DMULTISAMPLE_4_SAMPLES = 4;

constexpr uint32_t D3DSWAPEFFECT_DISCARD = 1;
constexpr uint32_t D3DPRESENT_INTERVAL_ONE = 1;

constexpr uint32_t D3DCREATE_SOFTWARE_VERTEXPROCESSING = 0x20;
constexpr uint32_t D3DCREATE_HARDWARE_VERTEXPROCESSING = 0x40;

constexpr uint32_t D3DCLEAR_TARGET = 1;
constexpr uint32_t D3DCLEAR_ZBUFFER = 2;

constexpr uint32_t D3DTS_VIEW = 2;
constexpr uint32_t D3DTS_PROJECTION = 3;
constexpr uint32_t D3DTS_WORLD = 256;

constexpr uint32_t D3DRTYPE_TEXTURE = 3;

constexpr uint32_t D3DPOOL_DEFAULT = 0;
constexpr uint32_t D3DPOOL_MANAGED = 1;
constexpr uint32_t D3DPOOL_SYSTEMMEM = 2;

constexpr uint32_t D3DUSAGE_WRITEONLY = 0x8;
constexpr uint32_t D3DUSAGE_DYNAMIC = 0x200;

constexpr uint32_t D3DLOCK_NOOVERWRITE = 0x1000;
constexpr uint32_t D3DLOCK_DISCARD = 0x2000;

constexpr uint32_t D3DFVF_XYZ = 0x002;
constexpr uint32_t D3DFVF_DIFFUSE = 0x040;
constexpr uint32_t D3DFVF_TEX1 = 0x100;
constexpr uint32_t D3DFVF_TEX2 = 0x200;

constexpr uint32_t D3DPT_TRIANGLELIST = 4;
constexpr uint32_t D3DPT_TRIANGLESTRIP = 5;

// Render states
constexpr uint32_t D3DRS_ZENABLE = 7;
constexpr uint32_t D3DRS_SHADEMODE = 9;
constexpr uint32_t D3DRS_ZWRITEENABLE = 14;
constexpr uint32_t D3DRS_ALPHATESTENABLE = 15;
constexpr uint32_t D3DRS_SRCBLEND = 19;
constexpr uint32_t D3DRS_DESTBLEND = 20;
constexpr uint32_t D3DRS_CULLMODE = 22;
constexpr uint32_t D3DRS_ZFUNC = 23;
constexpr uint32_t D3DRS_ALPHAREF = 24;
constexpr uint32_t D3DRS_ALPHAFUNC = 25;
constexpr uint32_t D3DRS_DITHERENABLE = 26;
constexpr uint32_t D3DRS_ALPHABLENDENABLE = 27;
constexpr uint32_t D3DRS_FOGENABLE = 28;
constexpr uint32_t D3DRS_FOGCOLOR = 34;
constexpr uint32_t D3DRS_FOGTABLEMODE = 35;
constexpr uint32_t D3DRS_FOGSTART = 36;
constexpr uint32_t D3DRS_FOGEND = 37;
constexpr uint32_t D3DRS_TEXTUREFACTOR = 60;
constexpr uint32_t D3DRS_LIGHTING = 137;
constexpr uint32_t D3DRS_FOGVERTEXMODE = 140;
constexpr uint32_t D3DRS_COLORVERTEX = 141;
constexpr uint32_t D3DRS_NORMALIZENORMALS = 143;

// Texture-stage states and their values
constexpr uint32_t D3DTSS_COLOROP = 1;
constexpr uint32_t D3DTSS_COLORARG1 = 2;
constexpr uint32_t D3DTSS_COLORARG2 = 3;
constexpr uint32_t D3DTSS_ALPHAOP = 4;
constexpr uint32_t D3DTSS_ALPHAARG1 = 5;
constexpr uint32_t D3DTSS_ALPHAARG2 = 6;
constexpr uint32_t D3DTSS_TEXCOORDINDEX = 11;
constexpr uint32_t D3DTSS_ADDRESSU = 13;
constexpr uint32_t D3DTSS_ADDRESSV = 14;
constexpr uint32_t D3DTSS_MAGFILTER = 16;
constexpr uint32_t D3DTSS_MINFILTER = 17;
constexpr uint32_t D3DTSS_MIPFILTER = 18;
constexpr uint32_t D3DTSS_MIPMAPLODBIAS = 19;

constexpr uint32_t D3DTOP_DISABLE = 1;
constexpr uint32_t D3DTOP_SELECTARG1 = 2;
constexpr uint32_t D3DTOP_SELECTARG2 = 3;
constexpr uint32_t D3DTOP_MODULATE = 4;
constexpr uint32_t D3DTOP_MODULATE2X = 5;
constexpr uint32_t D3DTOP_ADD = 7;

constexpr uint32_t D3DTA_DIFFUSE = 0;
constexpr uint32_t D3DTA_CURRENT = 1;
constexpr uint32_t D3DTA_TEXTURE = 2;
constexpr uint32_t D3DTA_TFACTOR = 3;

constexpr uint32_t D3DTEXF_NONE = 0;
constexpr uint32_t D3DTEXF_POINT = 1;
constexpr uint32_t D3DTEXF_LINEAR = 2;

constexpr uint32_t D3DTADDRESS_WRAP = 1;
constexpr uint32_t D3DTADDRESS_CLAMP = 3;

constexpr uint32_t D3DCULL_NONE = 1;
constexpr uint32_t D3DCULL_CW = 2;
constexpr uint32_t D3DCULL_CCW = 3;

constexpr uint32_t D3DCMP_NEVER = 1;
constexpr uint32_t D3DCMP_LESS = 2;
constexpr uint32_t D3DCMP_EQUAL = 3;
constexpr uint32_t D3DCMP_LESSEQUAL = 4;
constexpr uint32_t D3DCMP_GREATER = 5;
constexpr uint32_t D3DCMP_NOTEQUAL = 6;
constexpr uint32_t D3DCMP_GREATEREQUAL = 7;
constexpr uint32_t D3DCMP_ALWAYS = 8;

constexpr uint32_t D3DBLEND_ZERO = 1;
constexpr uint32_t D3DBLEND_ONE = 2;
constexpr uint32_t D3DBLEND_SRCALPHA = 5;
constexpr uint32_t D3DBLEND_INVSRCALPHA = 6;

constexpr uint32_t D3DFOG_NONE = 0;
constexpr uint32_t D3DFOG_LINEAR = 3;
constexpr uint32_t D3DSHADE_GOURAUD = 2;

// Vertex-shader declaration data types
constexpr uint32_t D3DVSDT_FLOAT1 = 0;
constexpr uint32_t D3DVSDT_FLOAT2 = 1;
constexpr uint32_t D3DVSDT_FLOAT3 = 2;
constexpr uint32_t D3DVSDT_FLOAT4 = 3;
constexpr uint32_t D3DVSDT_D3DCOLOR = 4;

}  // namespace sorvane
