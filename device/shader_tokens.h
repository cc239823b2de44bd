// The vs.1.1 token stream of Direct3D 8: what d3dx's assembler writes and
// the GL device translates.
#pragma once
#include <cstdint>

namespace sorvane::vs11 {

constexpr uint32_t kVersionToken = 0xFFFE0101;
constexpr uint32_t kEndToken = 0x0000FFFF;
// A comment's opcode; its length in tokens is in bits 16-30.
constexpr uint32_t kCommentOpcode = 0xFFFE;
constexpr uint32_t kParameterBit = 0x80000000;
// The source modifier that negates (bits 24-27).
constexpr uint32_t kNegate = 0x01000000;
// A constant read at a0.x plus the register's number.
constexpr uint32_t kRelativeAddressBit = 0x2000;
constexpr uint32_t kFullMask = 0xF;
constexpr uint32_t kIdentitySwizzle = 0xE4;
constexpr uint32_t kConstCount = 96;

// Bits 28-30 of a parameter token (types 8 and up would use bits 11-12 too).
enum RegisterType : uint32_t {
  kTemp = 0,
  kInput = 1,
  kConst = 2,
  kAddress = 3,
  kRasterOut = 4,
  kColourOut = 5,
  kTexCoordOut = 6
};

struct Opcode {
  const char* name;
  uint32_t token;
  int sources;
};

constexpr uint32_t kMov = 1, kAdd = 2, kSub = 3, kMad = 4, kMul = 5, kRcp = 6, kRsq = 7, kDp3 = 8, kDp4 = 9,
                   kM4x4 = 0x14;
inline constexpr Opcode kOpcodes[] = {
    {"mov", kMov, 1}, {"add", kAdd, 2}, {"sub", kSub, 2}, {"mad", kMad, 3}, {"mul", kMul, 2},
    {"rcp", kRcp, 1}, {"rsq", kRsq, 1}, {"dp3", kDp3, 2}, {"dp4", kDp4, 2}, {"m4x4", kM4x4, 2},
};

}  // namespace sorvane::vs11
