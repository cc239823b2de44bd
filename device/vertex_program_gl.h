// ARB vertex programs, which the GL library does not export: their entry
// points, and the program objects of the translated vertex shaders.
#pragma once
#include <cstdint>
#include <string>

namespace sorvane {

class ArbVertexPrograms {
 public:
  // Loads the entry points; false when the context lacks ARB_vertex_program.
  bool Load();
  bool available() const { return bind_ != nullptr; }
  // The program made from the text; 0 when GL refuses it.
  uint32_t Compile(const std::string& text) const;
  void Delete(uint32_t program) const;
  // 0 goes back to the fixed pipeline.
  void Use(uint32_t program) const;
  // program.env[first ..] from four floats each.
  void SetEnv(uint32_t first, const float* values, uint32_t count) const;

 private:
  using Gen = void (*)(int, uint32_t*);
  using Bind = void (*)(uint32_t, uint32_t);
  using String = void (*)(uint32_t, uint32_t, int, const void*);
  using Env = void (*)(uint32_t, uint32_t, const float*);
  Gen gen_ = nullptr;
  Gen delete_ = nullptr;
  Bind bind_ = nullptr;
  String string_ = nullptr;
  Env env_ = nullptr;
};

}  // namespace sorvane
