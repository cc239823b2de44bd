// Writing a frame read back from the device as a PNG file.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace sorvane {

// `pixels` are 0xAARRGGBB in rows from the top; the file is RGB. False when
// the file can't be written.
bool WritePng(const std::string& path, uint32_t width, uint32_t height, const std::vector<uint32_t>& pixels);

}  // namespace sorvane
