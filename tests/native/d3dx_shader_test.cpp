// The vs.1.1 assembler: the plant shader's tokens against a stream derived
// here from the documented token layout, and text the runtime would refuse.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "d3dx/shader_assembler.h"
#include "d3dx/shader_declaration.h"

namespace sorvane {
namespace {

// Register types as the token layout numbers them (bits 28-30).
constexpr uint32_t kR = 0, kV = 1, kC = 2, kRast = 4, kOD = 5, kOT = 6;
// Masks (bits 16-19) and swizzles (bits 16-23, two bits per component).
constexpr uint32_t kX = 1, kXyz = 7, kW = 8, kAll = 0xF;
constexpr uint32_t kXyzw = 0 | 1 << 2 | 2 << 4 | 3 << 6, kXxxx = 0, kYyyy = 0x55, kZzzz = 0xAA, kWwww = 0xFF;

uint32_t Dst(uint32_t type, uint32_t number, uint32_t mask) { return 1u << 31 | type << 28 | mask << 16 | number; }
uint32_t Src(uint32_t type, uint32_t number, uint32_t swizzle = kXyzw) {
  return 1u << 31 | type << 28 | swizzle << 16 | number;
}

std::vector<uint32_t> Assemble(const std::string& text) {
  std::vector<uint32_t> tokens;
  EXPECT_TRUE(AssembleVertexShader(text, &tokens)) << text;
  return tokens;
}

std::string ReadPlantShader() {
  const auto path = std::filesystem::path(__FILE__).parent_path() / "../../resources/plant_shader.vsh";
  std::ifstream file(path);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

TEST(D3dxShaderTest, PlantShaderTokens) {
  const std::string text = ReadPlantShader();
  ASSERT_TRUE(text.starts_with("vs.1.1"));
  const std::vector<uint32_t> expected = {
      0xFFFE0101,
      1, Dst(kOT, 0, kAll), Src(kV, 7),                               // mov oT0, v7
      1, Dst(kOT, 1, kAll), Src(kV, 8),                               // mov oT1, v8
      1, Dst(kR, 0, kAll), Src(kC, 4),                                // mov r0, c4
      5, Dst(kR, 0, kX), Src(kR, 0, kXxxx), Src(kV, 0, kYyyy),        // mul r0.x, r0.x, v0.y
      2, Dst(kR, 0, kAll), Src(kV, 0), Src(kR, 0),                    // add r0, v0, r0
      0x14, Dst(kR, 2, kAll), Src(kR, 0), Src(kC, 8),                 // m4x4 r2, r0, c8
      0x14, Dst(kRast, 0, kAll), Src(kR, 2), Src(kC, 0),              // m4x4 oPos, r2, c0
      1, Dst(kOD, 0, kAll), Src(kC, 6, kXxxx),                        // mov oD0, c6.x
      3, Dst(kR, 3, kXyz), Src(kC, 5), Src(kR, 2),                    // sub r3.xyz, c5, r2
      8, Dst(kR, 3, kW), Src(kR, 3), Src(kR, 3),                      // dp3 r3.w, r3, r3
      7, Dst(kR, 3, kW), Src(kR, 3, kWwww),                           // rsq r3.w, r3.w
      6, Dst(kR, 3, kW), Src(kR, 3, kWwww),                           // rcp r3.w, r3.w
      2, Dst(kRast, 1, kX), Src(kR, 3, kWwww), Src(kC, 6, kZzzz),     // add oFog.x, r3.w, c6.z
      0x0000FFFF,
  };
  EXPECT_EQ(Assemble(text), expected);
}

TEST(D3dxShaderTest, DocumentedExamplesAndSpellings) {
  EXPECT_EQ(Assemble("vs.1.1\nmov oPos, v0\n"), (std::vector<uint32_t>{0xFFFE0101, 1, 0xC00F0000, 0x90E40000, 0xFFFF}));
  EXPECT_EQ(Assemble("VS.1.1 ; version\n  dp4 oPos.x, v0, c0 // first row\n"),
            (std::vector<uint32_t>{0xFFFE0101, 9, 0xC0010000, 0x90E40000, 0xA0E40000, 0xFFFF}));
  EXPECT_EQ(Assemble("vs.1.1\r\nrsq r0.w, r0.w\r\n"), (std::vector<uint32_t>{0xFFFE0101, 7, 0x80080000, 0x80FF0000, 0xFFFF}));
  EXPECT_EQ(Assemble("vs.1.1\nmov oT0.xy, v2"), (std::vector<uint32_t>{0xFFFE0101, 1, 0xE0030000, 0x90E40002, 0xFFFF}));
  // Negation, a short swizzle repeating its last component, one constant read twice, mad.
  EXPECT_EQ(Assemble("vs.1.1\nmad r11.yw, -c95.zy, c95, r1.wzyx"),
            (std::vector<uint32_t>{0xFFFE0101, 4, Dst(kR, 11, 0xA), Src(kC, 95, 2 | 1 << 2 | 1 << 4 | 1 << 6) | 0x01000000,
                                   Src(kC, 95), Src(kR, 1, 3 | 2 << 2 | 1 << 4), 0xFFFF}));
  EXPECT_EQ(Assemble("vs.1.1\n"), (std::vector<uint32_t>{0xFFFE0101, 0xFFFF}));
}

TEST(D3dxShaderTest, TextTheRuntimeWouldRefuse) {
  const char* bad[] = {
      "",                                   // no version
      "mov r0, v0",                         // no version
      "vs.1.0\nmov r0, v0",                 // another version
      "vs.1.1\nfrc r0, v0",                 // not understood
      "vs.1.1\nadd r0, v0",                 // too few operands
      "vs.1.1\nmov r0, v0, v1",             // too many operands
      "vs.1.1\nmov r0,, v0",                // empty operand
      "vs.1.1\nadd r0, c0, c1",             // two constants
      "vs.1.1\nadd r0, v0, v1",             // two inputs
      "vs.1.1\nrsq r0.w, r0",               // no single component
      "vs.1.1\nrcp r0.w, r0.xy",            // no single component
      "vs.1.1\nm4x4 r0, r0, c0",            // writes its own source
      "vs.1.1\nm4x4 r0, v0, r1",            // matrix not in constants
      "vs.1.1\nm4x4 r0, v0, c93",           // matrix past the last constant
      "vs.1.1\nmov c0, r0",                 // constants are read-only
      "vs.1.1\nmov v0, r0",                 // inputs are read-only
      "vs.1.1\nmov r0, oPos",               // outputs are write-only
      "vs.1.1\nmov r12, r0",                // no such temporary
      "vs.1.1\nmov r0, c96",                // no such constant
      "vs.1.1\nmov oT8, v0",                // no such texture output
      "vs.1.1\nmov oD2, v0",                // no such colour output
      "vs.1.1\nmov r0, v16",                // no such input
      "vs.1.1\nmov r0, v0001",              // too many digits
      "vs.1.1\nmov r0.yx, v0",              // mask out of order
      "vs.1.1\nmov r0.xx, v0",              // mask repeats
      "vs.1.1\nmov r0., v0",                // empty mask
      "vs.1.1\nmov r0, v0.xyzwx",           // swizzle too long
      "vs.1.1\nmov r0, v0.q",               // no such component
      "vs.1.1\nmov oFog, r0.x",             // fog is one component
      "vs.1.1\nmov oFog.y, r0.x",           // fog is x
      "vs.1.1\nmov r0, - v0",               // space inside an operand
      "vs.1.1\nmov r0, r",                  // register without number
  };
  for (const char* text : bad) {
    std::vector<uint32_t> tokens = {42};
    EXPECT_FALSE(AssembleVertexShader(text, &tokens)) << text;
    EXPECT_EQ(tokens, std::vector<uint32_t>{42}) << "a refused text leaves the output alone";
  }
}

TEST(D3dxShaderTest, PlantDeclarationReadsPositionAndTwoCoordinatePairsFromStreamZero) {
  // Stream token type 1 and stream-data token type 2 at bit 29, data type at bit 16.
  const std::vector<uint32_t> expected = {1u << 29 | 0, 2u << 29 | 2u << 16 | 0, 2u << 29 | 1u << 16 | 7,
                                          2u << 29 | 1u << 16 | 8, 0xFFFFFFFF};
  EXPECT_EQ(std::vector<uint32_t>(std::begin(kPlantShaderDeclaration), std::end(kPlantShaderDeclaration)), expected);
}

}  // namespace
}  // namespace sorvane
