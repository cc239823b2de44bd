// The rule by which mouse movement ends the saver: the sixth move to a new
// position does; repeats of the same position (which some drivers send) don't.
#pragma once
#include <cstdint>

namespace sorvane {

class MouseExitRule {
 public:
  // Returns true when this move should end the saver.
  bool OnMove(int16_t x, int16_t y) {
    if (x == lastX_ && y == lastY_) return false;
    lastX_ = x;
    lastY_ = y;
    return ++moveCount_ > 5;
  }

 private:
  int32_t lastX_ = -1;
  int32_t lastY_ = -1;
  int32_t moveCount_ = 0;
};

}  // namespace sorvane
