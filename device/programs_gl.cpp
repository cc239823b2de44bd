#include "device/programs_gl.h"

#include <GLES3/gl3.h>

#include <cstring>

#include "device/program_text_gl.h"

namespace sorvane {
namespace {

void Colour(uint32_t d3d, float* rgb) {
  for (int i = 0; i < 3; ++i) rgb[i] = static_cast<float>(d3d >> (16 - 8 * i) & 0xFF) / 255.0f;
}

}  // namespace

bool GlProgram::Ready() {
  if (linked_ >= 0) return linked_ != 0;
  GLint status = GL_FALSE;
  glGetProgramiv(name_, GL_LINK_STATUS, &status);
  linked_ = status == GL_TRUE ? 1 : 0;
  if (linked_ != 0) Locate();
  return linked_ != 0;
}

void GlProgram::Locate() {
  constexpr const char* kNames[kUniforms] = {"u_clip",     "u_offset",   "u_factor", "u_alphaRef",
                                             "u_fogColour", "u_fogRange", "u_bias0",  "u_bias1"};
  for (int u = 0; u < kUniforms; ++u) locations_[u] = glGetUniformLocation(name_, kNames[u]);
  // A vertex shader's constants; a vertex format's program has none.
  const bool constants = glGetUniformLocation(name_, "c") >= 0;
  for (uint32_t c = 0; c < vs11::kConstCount; ++c) {
    constantLocations_[c] = constants ? glGetUniformLocation(name_, ("c[" + std::to_string(c) + "]").c_str()) : -1;
  }
  glUseProgram(name_);
  for (int unit = 0; unit < 2; ++unit) {
    const GLint sampler = glGetUniformLocation(name_, ("u_texture" + std::to_string(unit)).c_str());
    if (sampler >= 0) glUniform1i(sampler, unit);
  }
}

bool GlProgram::Changed(Uniform u, const void* value, size_t bytes) {
  if (locations_[u] < 0) return false;
  if (set_[u] && std::memcmp(values_[u].data(), value, bytes) == 0) return false;
  std::memcpy(values_[u].data(), value, bytes);
  set_[u] = true;
  return true;
}

void GlProgram::SetClip(const Matrix& m) {
  // A row-major Direct3D matrix read as GL's columns: GL's M × v is v × M.
  if (Changed(kClip, &m.m[0][0], sizeof m)) glUniformMatrix4fv(locations_[kClip], 1, GL_FALSE, &m.m[0][0]);
}

void GlProgram::SetOffset(float x, float y) {
  const float v[2] = {x, y};
  if (Changed(kOffset, v, sizeof v)) glUniform2fv(locations_[kOffset], 1, v);
}

void GlProgram::SetFactor(uint32_t d3dColour) {
  if (!Changed(kFactor, &d3dColour, sizeof d3dColour)) return;
  float rgba[4];
  Colour(d3dColour, rgba);
  rgba[3] = static_cast<float>(d3dColour >> 24) / 255.0f;
  glUniform4fv(locations_[kFactor], 1, rgba);
}

void GlProgram::SetAlphaRef(uint32_t ref) {
  const float v = static_cast<float>(ref & 0xFF);
  if (Changed(kAlphaRef, &v, sizeof v)) glUniform1f(locations_[kAlphaRef], v);
}

void GlProgram::SetFog(uint32_t d3dColour, float end, float start) {
  if (Changed(kFogColour, &d3dColour, sizeof d3dColour)) {
    float rgb[3];
    Colour(d3dColour, rgb);
    glUniform3fv(locations_[kFogColour], 1, rgb);
  }
  const float range[2] = {end, 1.0f / (end - start)};
  if (Changed(kFogRange, range, sizeof range)) glUniform2fv(locations_[kFogRange], 1, range);
}

void GlProgram::SetBias(uint32_t stage, float bias) {
  const auto u = static_cast<Uniform>(kBias0 + stage);
  if (Changed(u, &bias, sizeof bias)) glUniform1f(locations_[u], bias);
}

void GlProgram::SetConstants(const std::array<std::array<float, 4>, vs11::kConstCount>& c) {
  for (uint32_t i = 0; i < vs11::kConstCount; ++i) {
    if (constantLocations_[i] < 0) continue;
    if (constantsSet_[i] && constants_[i] == c[i]) continue;
    constants_[i] = c[i];
    constantsSet_[i] = true;
    glUniform4fv(constantLocations_[i], 1, c[i].data());
  }
}

GlPrograms::~GlPrograms() {
  for (auto& [key, program] : programs_) glDeleteProgram(program->name());
  for (auto& [text, stage] : stages_) glDeleteShader(stage);
}

uint32_t GlPrograms::Stage(uint32_t type, const std::string& text) {
  auto found = stages_.find(text);
  if (found != stages_.end()) return found->second;
  const GLuint stage = glCreateShader(type);
  const char* source = text.c_str();
  glShaderSource(stage, 1, &source, nullptr);
  glCompileShader(stage);
  stages_.emplace(text, stage);
  return stage;
}

GlProgram* GlPrograms::Make(const ProgramKey& key, const VertexShaderGlsl* shader) {
  const ProgramText text = ProgramTextOf(key, shader);
  const GLuint vertex = Stage(GL_VERTEX_SHADER, text.vertex), fragment = Stage(GL_FRAGMENT_SHADER, text.fragment);
  const GLuint name = glCreateProgram();
  glAttachShader(name, vertex);
  glAttachShader(name, fragment);
  // The link's result is asked for at the first use, so that a driver may
  // link the programs built ahead side by side.
  glLinkProgram(name);
  auto& slot = programs_[key];
  slot = std::make_unique<GlProgram>(name);
  return slot.get();
}

GlProgram* GlPrograms::Get(const ProgramKey& key, const VertexShaderGlsl* shader) {
  auto found = programs_.find(key);
  GlProgram* program = found != programs_.end() ? found->second.get() : nullptr;
  if (program == nullptr) {
    program = Make(key, shader);
    ++builtAtDraw_;
  }
  return program->Ready() ? program : nullptr;
}

void GlPrograms::Build(const ProgramKey& key, const VertexShaderGlsl* shader) {
  if (programs_.find(key) == programs_.end()) Make(key, shader);
}

void GlPrograms::ForgetShader(uint16_t shader) {
  for (auto it = programs_.begin(); it != programs_.end();) {
    if (it->first.shader == shader) {
      glDeleteProgram(it->second->name());
      it = programs_.erase(it);
    } else {
      ++it;
    }
  }
}

}  // namespace sorvane
