#include "device/vertex_program_gl.h"

#define EGL_NO_X11
#include <EGL/egl.h>
#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

#include <cstring>

namespace sorvane {
namespace {

bool HasExtension(const char* name) {
  GLint count = 0;
  glGetIntegerv(GL_NUM_EXTENSIONS, &count);
  for (GLint i = 0; i < count; ++i) {
    if (std::strcmp(reinterpret_cast<const char*>(glGetStringi(GL_EXTENSIONS, static_cast<GLuint>(i))), name) == 0) {
      return true;
    }
  }
  return false;
}

template <class F>
F Entry(const char* name) {
  return reinterpret_cast<F>(eglGetProcAddress(name));
}

}  // namespace

bool ArbVertexPrograms::Load() {
  // The loader hands out an entry for any name: the extension list decides.
  if (!HasExtension("GL_ARB_vertex_program")) return false;
  gen_ = Entry<Gen>("glGenProgramsARB");
  delete_ = Entry<Gen>("glDeleteProgramsARB");
  string_ = Entry<String>("glProgramStringARB");
  env_ = Entry<Env>("glProgramEnvParameter4fvARB");
  bind_ = Entry<Bind>("glBindProgramARB");
  if (gen_ == nullptr || delete_ == nullptr || string_ == nullptr || env_ == nullptr) bind_ = nullptr;
  return available();
}

uint32_t ArbVertexPrograms::Compile(const std::string& text) const {
  if (!available()) return 0;
  uint32_t program = 0;
  gen_(1, &program);
  bind_(GL_VERTEX_PROGRAM_ARB, program);
  while (glGetError() != GL_NO_ERROR) {
  }
  string_(GL_VERTEX_PROGRAM_ARB, GL_PROGRAM_FORMAT_ASCII_ARB, static_cast<int>(text.size()), text.data());
  const bool refused = glGetError() != GL_NO_ERROR;
  bind_(GL_VERTEX_PROGRAM_ARB, 0);
  if (refused) {
    delete_(1, &program);
    return 0;
  }
  return program;
}

void ArbVertexPrograms::Delete(uint32_t program) const {
  if (available() && program != 0) delete_(1, &program);
}

void ArbVertexPrograms::Use(uint32_t program) const {
  if (!available()) return;
  if (program == 0) {
    glDisable(GL_VERTEX_PROGRAM_ARB);
    return;
  }
  bind_(GL_VERTEX_PROGRAM_ARB, program);
  glEnable(GL_VERTEX_PROGRAM_ARB);
}

void ArbVertexPrograms::SetEnv(uint32_t first, const float* values, uint32_t count) const {
  if (!available()) return;
  for (uint32_t i = 0; i < count; ++i) env_(GL_VERTEX_PROGRAM_ARB, first + i, values + 4 * i);
}

}  // namespace sorvane
