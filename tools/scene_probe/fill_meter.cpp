// Pixel coverage of each draw call, from the geometry the device was given.
#include "tools/scene_probe/fill_meter.h"

#include <cmath>
#include <cstring>
#include <vector>

#include "d3dx/matrix_math.h"
#include "device/d3d8_constants.h"

namespace sorvane {
namespace {

constexpr double kWidth = 1024.0, kHeight = 768.0;

struct Clip {
  double x, y, z, w;
};

Clip Transform(const float* p, const Matrix& m) {
  const Vector4 c = Vec3Transform({p[0], p[1], p[2]}, m);
  return {c.x, c.y, c.z, c.w};
}

// Keeps the part of the polygon where d(vertex) >= 0.
std::vector<Clip> ClipBy(const std::vector<Clip>& in, double (*d)(const Clip&)) {
  std::vector<Clip> out;
  for (size_t i = 0; i < in.size(); ++i) {
    const Clip& a = in[i];
    const Clip& b = in[(i + 1) % in.size()];
    const double da = d(a), db = d(b);
    if (da >= 0) out.push_back(a);
    if ((da >= 0) != (db >= 0)) {
      const double t = da / (da - db);
      out.push_back({a.x + t * (b.x - a.x), a.y + t * (b.y - a.y), a.z + t * (b.z - a.z), a.w + t * (b.w - a.w)});
    }
  }
  return out;
}

// Signed area in pixels (positive: anticlockwise as seen on the screen).
double ScreenArea(std::vector<Clip> poly) {
  poly = ClipBy(poly, [](const Clip& c) { return c.z; });
  poly = ClipBy(poly, [](const Clip& c) { return c.w - c.z; });
  poly = ClipBy(poly, [](const Clip& c) { return c.w - c.x; });
  poly = ClipBy(poly, [](const Clip& c) { return c.w + c.x; });
  poly = ClipBy(poly, [](const Clip& c) { return c.w - c.y; });
  poly = ClipBy(poly, [](const Clip& c) { return c.w + c.y; });
  double area = 0;
  for (size_t i = 0; i < poly.size(); ++i) {
    const Clip& a = poly[i];
    const Clip& b = poly[(i + 1) % poly.size()];
    area += (a.x / a.w) * (b.y / b.w) - (b.x / b.w) * (a.y / a.w);
  }
  return area * 0.5 * kWidth * kHeight / 4.0;
}

}  // namespace

HResult FillMeter::SetTransform(uint32_t state, const Matrix& matrix) {
  if (state == D3DTS_WORLD) transforms_[0] = matrix;
  if (state == D3DTS_VIEW) transforms_[1] = matrix;
  if (state == D3DTS_PROJECTION) transforms_[2] = matrix;
  return RecordingDevice::SetTransform(state, matrix);
}

HResult FillMeter::SetRenderState(uint32_t state, uint32_t value) {
  if (state == D3DRS_CULLMODE) cullMode_ = value;
  return RecordingDevice::SetRenderState(state, value);
}

HResult FillMeter::CreateVertexShader(const uint32_t* declaration, const uint32_t* function, uint32_t* handle,
                                      uint32_t usage) {
  const HResult r = RecordingDevice::CreateVertexShader(declaration, function, handle, usage);
  if (!Failed(r)) plantShader_ = *handle;
  return r;
}

HResult FillMeter::SetVertexShader(uint32_t handleOrFvf) {
  shader_ = handleOrFvf;
  return RecordingDevice::SetVertexShader(handleOrFvf);
}

HResult FillMeter::SetVertexShaderConstant(uint32_t reg, const void* data, uint32_t count) {
  if (reg + count <= 16) std::memcpy(&constants_[reg * 4], data, count * 4 * sizeof(float));
  return RecordingDevice::SetVertexShaderConstant(reg, data, count);
}

HResult FillMeter::SetStreamSource(uint32_t stream, VertexBuffer* buffer, uint32_t stride) {
  stream_ = buffer;
  stride_ = stride;
  return RecordingDevice::SetStreamSource(stream, buffer, stride);
}

HResult FillMeter::SetIndices(IndexBuffer* buffer, uint32_t baseVertex) {
  indices_ = buffer;
  return RecordingDevice::SetIndices(buffer, baseVertex);
}

HResult FillMeter::DrawPrimitive(uint32_t type, uint32_t startVertex, uint32_t count) {
  Measure(type, count, nullptr, startVertex);
  return RecordingDevice::DrawPrimitive(type, startVertex, count);
}

HResult FillMeter::DrawIndexedPrimitive(uint32_t type, uint32_t minIndex, uint32_t vertexCount, uint32_t startIndex,
                                        uint32_t count) {
  if (indices_ != nullptr) {
    const auto& bytes = Buffer(indices_).bytes;
    Measure(type, count, reinterpret_cast<const uint16_t*>(bytes.data()) + startIndex, 0);
  }
  return RecordingDevice::DrawIndexedPrimitive(type, minIndex, vertexCount, startIndex, count);
}

std::map<const VertexBuffer*, double> FillMeter::TakePixels() {
  std::map<const VertexBuffer*, double> taken;
  taken.swap(pixels_);
  return taken;
}

// The plant shader takes the object's matrix in c8..c11 and the scene's
// world-view-projection in c0..c3, both transposed.
Matrix FillMeter::ClipMatrix() const {
  if (shader_ != plantShader_ || plantShader_ == 0) {
    return MatrixMultiply(MatrixMultiply(transforms_[0], transforms_[1]), transforms_[2]);
  }
  Matrix object{}, scene{};
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 4; ++c) {
      scene.m[c][r] = constants_[r * 4 + c];
      object.m[c][r] = constants_[(8 + r) * 4 + c];
    }
  }
  return MatrixMultiply(object, scene);
}

void FillMeter::Measure(uint32_t type, uint32_t count, const uint16_t* indices, uint32_t firstVertex) {
  if (stream_ == nullptr || stride_ == 0) return;
  const std::vector<uint8_t>& vertices = Buffer(stream_).bytes;
  const size_t vertexCount = vertices.size() / stride_;
  auto at = [&](uint32_t i) -> const float* {
    const size_t v = indices != nullptr ? indices[i] : firstVertex + i;
    return v < vertexCount ? reinterpret_cast<const float*>(vertices.data() + v * stride_) : nullptr;
  };
  const Matrix m = ClipMatrix();
  double covered = 0;
  for (uint32_t t = 0; t < count; ++t) {
    uint32_t i0 = 3 * t, i1 = 3 * t + 1, i2 = 3 * t + 2;
    if (type == D3DPT_TRIANGLESTRIP) i0 = t, i1 = t + 1 + (t & 1), i2 = t + 2 - (t & 1);
    const float *a = at(i0), *b = at(i1), *c = at(i2);
    if (a == nullptr || b == nullptr || c == nullptr) continue;
    const double area = ScreenArea({Transform(a, m), Transform(b, m), Transform(c, m)});
    if ((cullMode_ == D3DCULL_CCW && area > 0) || (cullMode_ == D3DCULL_CW && area < 0)) continue;
    covered += std::fabs(area);
  }
  pixels_[stream_] += covered;
}

}  // namespace sorvane
