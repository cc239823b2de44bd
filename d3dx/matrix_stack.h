// The matrix stack for world transforms, with the behaviour of the utility
// library's matrix stack: it starts with one identity matrix and never empties.
#pragma once

#include <cstddef>
#include <vector>

#include "device/device.h"

namespace sorvane {

class MatrixStack {
 public:
  MatrixStack();

  // Duplicates the top.
  void Push();
  // Removes the top; false (and nothing changes) when only one matrix is left.
  bool Pop();
  void LoadIdentity();
  void LoadMatrix(const Matrix& m);
  // top := top × m (about the world origin).
  void MultMatrix(const Matrix& m);
  // top := m × top (about the object's own origin).
  void MultMatrixLocal(const Matrix& m);
  // top := top × T(x, y, z).
  void Translate(float x, float y, float z);
  // top := T(x, y, z) × top.
  void TranslateLocal(float x, float y, float z);
  const Matrix& Top() const { return stack_.back(); }
  size_t Depth() const { return stack_.size(); }

 private:
  std::vector<Matrix> stack_;
};

}  // namespace sorvane
