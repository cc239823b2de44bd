// The world-transform matrix stack.
#include "d3dx/matrix_stack.h"

#include "d3dx/matrix_math.h"

namespace sorvane {

MatrixStack::MatrixStack() : stack_(1, MatrixIdentity()) {}

void MatrixStack::Push() {
  const Matrix top = stack_.back();
  stack_.push_back(top);
}

bool MatrixStack::Pop() {
  if (stack_.size() == 1) return false;
  stack_.pop_back();
  return true;
}

void MatrixStack::LoadIdentity() { stack_.back() = MatrixIdentity(); }

void MatrixStack::LoadMatrix(const Matrix& m) { stack_.back() = m; }

void MatrixStack::MultMatrix(const Matrix& m) { stack_.back() = MatrixMultiply(stack_.back(), m); }

void MatrixStack::MultMatrixLocal(const Matrix& m) { stack_.back() = MatrixMultiply(m, stack_.back()); }

void MatrixStack::Translate(float x, float y, float z) { MultMatrix(MatrixTranslation(x, y, z)); }

void MatrixStack::TranslateLocal(float x, float y, float z) { MultMatrixLocal(MatrixTranslation(x, y, z)); }

}  // namespace sorvane
