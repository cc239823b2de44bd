#include "device/program_text_gl.h"

#include "device/d3d8_constants.h"

namespace sorvane {
namespace {

constexpr uint32_t kTexCountMask = 0xF00;

std::string Number(uint32_t n) { return std::to_string(n); }

std::string ArgumentName(uint8_t arg, uint32_t stage) {
  switch (arg) {
    case D3DTA_DIFFUSE: return "diffuse";
    case D3DTA_TEXTURE: return "t" + Number(stage);
    case D3DTA_TFACTOR: return "u_factor";
    default: return "current";
  }
}

// The operation on the components `part` (".rgb" or ".a").
std::string Operation(const StageOperation& o, uint32_t stage, const std::string& part) {
  const std::string a = ArgumentName(o.arg1, stage) + part, b = ArgumentName(o.arg2, stage) + part;
  switch (o.op) {
    case StageOperation::kSelect: return a;
    case StageOperation::kModulate: return a + " * " + b;
    case StageOperation::kModulate2x: return "min(2.0 * " + a + " * " + b + ", 1.0)";
    case StageOperation::kAdd: return "min(" + a + " + " + b + ", 1.0)";
    default: return "current" + part;
  }
}

// D3DCMP_* as the comparison that keeps a pixel, alpha against the reference.
std::string Comparison(uint8_t func) {
  switch (func) {
    case D3DCMP_NEVER: return "false";
    case D3DCMP_LESS: return "alpha < u_alphaRef";
    case D3DCMP_EQUAL: return "alpha == u_alphaRef";
    case D3DCMP_LESSEQUAL: return "alpha <= u_alphaRef";
    case D3DCMP_GREATER: return "alpha > u_alphaRef";
    case D3DCMP_NOTEQUAL: return "alpha != u_alphaRef";
    default: return "alpha >= u_alphaRef";
  }
}

// A vertex format without a diffuse colour has Direct3D's opaque white, which
// the fragment stage takes as a constant rather than interpolate it.
bool DiffuseVaries(const ProgramKey& key) { return key.shader != 0 || (key.format & D3DFVF_DIFFUSE) != 0; }

std::string VertexText(const ProgramKey& key, const VertexShaderGlsl* shader) {
  std::string v = "#version 300 es\n";
  std::string outputs = DiffuseVaries(key) ? "out vec4 v_diffuse;\n" : "";
  for (uint32_t s = 0; s < ProgramKey::kStages; ++s) {
    if (key.Samples(s)) outputs += "out vec2 v_tex" + Number(s) + ";\n";
  }
  if (key.fog) outputs += "out float v_depth;\n";
  std::string main;
  if (shader != nullptr) {
    v += shader->declarations + "uniform vec2 u_offset;\n" + outputs;
    main = shader->body +
           "gl_Position = vec4(oPos.xy + u_offset * oPos.w, 2.0 * oPos.z - oPos.w, oPos.w);\n"
           "v_diffuse = clamp(oD0, 0.0, 1.0);\n";
    for (uint32_t s = 0; s < ProgramKey::kStages; ++s) {
      if (key.Samples(s)) main += "v_tex" + Number(s) + " = oT" + Number(s) + ".xy;\n";
    }
  } else {
    const bool diffuse = (key.format & D3DFVF_DIFFUSE) != 0;
    const uint32_t sets = (key.format & kTexCountMask) >> 8;
    v += "layout(location = " + Number(kPositionLocation) + ") in vec3 a_position;\n";
    if (diffuse) v += "layout(location = " + Number(kDiffuseLocation) + ") in vec4 a_diffuse;\n";
    for (uint32_t s = 0; s < sets; ++s) {
      if (key.Samples(s)) v += "layout(location = " + Number(kTexCoordLocation + s) + ") in vec2 a_tex" + Number(s) + ";\n";
    }
    v += "uniform mat4 u_clip;\n" + outputs;
    // Without a texture pair Direct3D takes (0, 0).
    main = "gl_Position = u_clip * vec4(a_position, 1.0);\n";
    if (diffuse) main += "v_diffuse = a_diffuse.zyxw;\n";
    for (uint32_t s = 0; s < ProgramKey::kStages; ++s) {
      if (key.Samples(s)) main += "v_tex" + Number(s) + " = " + (s < sets ? "a_tex" + Number(s) : "vec2(0.0)") + ";\n";
    }
  }
  if (key.fog) main += "v_depth = abs(gl_Position.w);\n";
  return v + "void main() {\n" + main + "}\n";
}

std::string FragmentText(const ProgramKey& key) {
  std::string f = "#version 300 es\nprecision highp float;\n";
  std::string main = "vec4 current = diffuse;\n";
  if (DiffuseVaries(key)) {
    f += "in vec4 v_diffuse;\n";
    main = "vec4 diffuse = v_diffuse;\n" + main;
  } else {
    main = "vec4 diffuse = vec4(1.0);\n" + main;
  }
  f += "uniform vec4 u_factor;\n";
  for (uint32_t s = 0; s < ProgramKey::kStages; ++s) {
    const StageKey& stage = key.stages[s];
    if (key.Samples(s)) {
      const std::string n = Number(s);
      f += "in vec2 v_tex" + n + ";\nuniform sampler2D u_texture" + n + ";\n";
      if (stage.biased) f += "uniform float u_bias" + n + ";\n";
      main += "vec4 t" + n + " = texture(u_texture" + n + ", v_tex" + n + (stage.biased ? ", u_bias" + n : "") + ");\n";
    }
    if (stage.colour.op == StageOperation::kPass && stage.alpha.op == StageOperation::kPass) continue;
    main += "current = vec4(" + Operation(stage.colour, s, ".rgb") + ", " + Operation(stage.alpha, s, ".a") + ");\n";
  }
  if (key.alphaFunc != 0) {
    // Direct3D compares the alpha as a byte.
    f += "uniform float u_alphaRef;\n";
    main += "float alpha = floor(current.a * 255.0 + 0.5);\nif (!(" + Comparison(key.alphaFunc) + ")) discard;\n";
  }
  if (key.fog) {
    f += "in float v_depth;\nuniform vec3 u_fogColour;\nuniform vec2 u_fogRange;\n";
    main += "current.rgb = mix(u_fogColour, current.rgb, clamp((u_fogRange.x - v_depth) * u_fogRange.y, 0.0, 1.0));\n";
  }
  f += "out vec4 o_colour;\n";
  return f + "void main() {\n" + main + "o_colour = current;\n}\n";
}

}  // namespace

ProgramText ProgramTextOf(const ProgramKey& key, const VertexShaderGlsl* shader) {
  return {VertexText(key, shader), FragmentText(key)};
}

}  // namespace sorvane
