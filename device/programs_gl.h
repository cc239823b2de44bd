// The device's GL programs, one per key, and what each was last given: a
// uniform reaches GL only when its value changes for that program. Shader
// stages of the same text are compiled once and shared.
#pragma once
#include <array>
#include <bitset>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>

#include "base/vector.h"
#include "device/program_key_gl.h"
#include "device/shader_tokens.h"
#include "device/shader_translation_gl.h"

namespace sorvane {

class GlProgram {
 public:
  explicit GlProgram(uint32_t name) : name_(name) {}

  uint32_t name() const { return name_; }
  // Waits for the link, which is left to run on until the first use; false
  // when GL refused the program. Then sets the samplers' units.
  bool Ready();

  void SetClip(const Matrix& m);
  void SetOffset(float x, float y);
  void SetFactor(uint32_t d3dColour);
  void SetAlphaRef(uint32_t ref);
  void SetFog(uint32_t d3dColour, float end, float start);
  void SetBias(uint32_t stage, float bias);
  void SetConstants(const std::array<std::array<float, 4>, vs11::kConstCount>& c);

 private:
  enum Uniform { kClip, kOffset, kFactor, kAlphaRef, kFogColour, kFogRange, kBias0, kBias1, kUniforms };

  void Locate();
  bool Changed(Uniform u, const void* value, size_t bytes);

  uint32_t name_;
  int linked_ = -1;  // unknown until first use
  std::array<int, kUniforms> locations_{};
  std::array<int, vs11::kConstCount> constantLocations_{};
  std::bitset<kUniforms> set_;
  std::array<std::array<float, 16>, kUniforms> values_{};
  std::bitset<vs11::kConstCount> constantsSet_;
  std::array<std::array<float, 4>, vs11::kConstCount> constants_{};
};

class GlPrograms {
 public:
  GlPrograms() = default;
  ~GlPrograms();
  GlPrograms(const GlPrograms&) = delete;
  GlPrograms& operator=(const GlPrograms&) = delete;

  // The key's program, built now when it is not yet (`shader` is the
  // translation of the vertex shader the key names); null when GL refuses it.
  GlProgram* Get(const ProgramKey& key, const VertexShaderGlsl* shader);
  // Builds the key's program ahead of its first draw.
  void Build(const ProgramKey& key, const VertexShaderGlsl* shader);
  // Deletes the programs made from the vertex shader in that slot (1 + its
  // slot, as keys name it).
  void ForgetShader(uint16_t shader);
  // Programs built at a draw, not ahead.
  uint32_t builtAtDraw() const { return builtAtDraw_; }

 private:
  GlProgram* Make(const ProgramKey& key, const VertexShaderGlsl* shader);
  uint32_t Stage(uint32_t type, const std::string& text);

  std::unordered_map<ProgramKey, std::unique_ptr<GlProgram>, ProgramKeyHash> programs_;
  std::unordered_map<std::string, uint32_t> stages_;
  uint32_t builtAtDraw_ = 0;
};

}  // namespace sorvane
