// Bounds-checked little-endian reads from a byte span, for the image decoders.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace sorvane {

class ByteReader {
 public:
  explicit ByteReader(std::span<const uint8_t> data) : data_(data) {}

  size_t Size() const { return data_.size(); }
  // True when [offset, offset + length) lies inside the data.
  bool Has(uint64_t offset, uint64_t length) const { return offset <= data_.size() && length <= data_.size() - offset; }

  // Each read gives false and leaves *value alone when it would leave the data.
  bool U16(size_t offset, uint32_t* value) const {
    if (!Has(offset, 2)) return false;
    *value = data_[offset] | data_[offset + 1] << 8;
    return true;
  }
  bool U32(size_t offset, uint32_t* value) const {
    if (!Has(offset, 4)) return false;
    *value = static_cast<uint32_t>(data_[offset]) | static_cast<uint32_t>(data_[offset + 1]) << 8 |
             static_cast<uint32_t>(data_[offset + 2]) << 16 | static_cast<uint32_t>(data_[offset + 3]) << 24;
    return true;
  }
  bool I32(size_t offset, int32_t* value) const {
    uint32_t raw;
    if (!U32(offset, &raw)) return false;
    *value = static_cast<int32_t>(raw);
    return true;
  }

 private:
  std::span<const uint8_t> data_;
};

}  // namespace sorvane
