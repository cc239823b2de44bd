// Windows icon files holding several sizes of 32-bit pictures with alpha.
#pragma once
#include <vector>

#include "tools/imagegen/bytes.h"
#include "tools/imagegen/canvas.h"

namespace sorvane::imagegen {

// One entry per canvas (square, at most 255 pixels), stored as DIBs with an AND mask.
Bytes EncodeIco(const std::vector<Canvas>& sizes);

}  // namespace sorvane::imagegen
