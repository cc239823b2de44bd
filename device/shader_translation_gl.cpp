// vs.1.1 tokens to ARB vertex program text, and the stream declaration.
#include "device/shader_translation_gl.h"

#include <cctype>

#include "device/d3d8_constants.h"
#include "device/shader_tokens.h"

namespace sorvane {
namespace {

using namespace vs11;

constexpr uint32_t kRelativeAddressBit = 0x2000;
constexpr int kMaxInstructions = 128;

uint32_t RegisterTypeOf(uint32_t token) { return (token >> 28 & 7) | (token >> 8 & 0x18); }
uint32_t RegisterNumber(uint32_t token) { return token & 0x7FF; }

class Translator {
 public:
  explicit Translator(std::string* out) : out_(*out) {}

  bool Run(const uint32_t* tokens) {
    if (*tokens++ != kVersionToken) return false;
    out_ = "!!ARBvp1.0\nTEMP r0, r1, r2, r3, r4, r5, r6, r7, r8, r9, r10, r11, oPos, oFog;\n";
    for (int instructions = 0;; ++instructions) {
      const uint32_t token = *tokens++;
      if (token == kEndToken) break;
      if ((token & 0xFFFF) == kCommentOpcode) {
        tokens += token >> 16 & 0x7FFF;
        --instructions;
        continue;
      }
      if (instructions == kMaxInstructions || !Instruction(token, tokens)) return false;
    }
    if (!positionWritten_) return false;
    out_ += "MAD result.position, oPos.w, program.env[" + std::to_string(kPixelOffsetEnvRegister) +
            "], oPos;\nABS result.fogcoord.x, oPos.w;\nEND\n";
    return true;
  }

 private:
  bool Instruction(uint32_t token, const uint32_t*& tokens) {
    const Opcode* op = nullptr;
    for (const Opcode& o : kOpcodes) {
      if (o.token == token) op = &o;
    }
    if (op == nullptr) return false;
    const uint32_t dst = *tokens++;
    uint32_t src[3];
    for (int i = 0; i < op->sources; ++i) src[i] = *tokens++;
    std::string dstText;
    if (!Destination(dst, &dstText)) return false;
    // rcp and rsq read one component.
    const bool scalar = op->token == kRcp || op->token == kRsq;
    std::string srcText[3];
    for (int i = 0; i < op->sources; ++i) {
      if (!Source(src[i], scalar, 0, &srcText[i])) return false;
    }
    if (op->token == kM4x4) return MatrixRows(dst, src[0], src[1], srcText[0]);
    // The other instructions are ARB's own, under the same names.
    for (const char* c = op->name; *c != '\0'; ++c) out_ += static_cast<char>(std::toupper(*c));
    out_ += ' ' + dstText;
    for (int i = 0; i < op->sources; ++i) out_ += ", " + srcText[i];
    out_ += ";\n";
    return true;
  }

  // m4x4: one DP4 per written component, with the four constants from src1 on.
  bool MatrixRows(uint32_t dst, uint32_t src0, uint32_t src1, const std::string& vector) {
    // Its rows would read what the earlier rows wrote.
    if (RegisterTypeOf(dst) == RegisterTypeOf(src0) && RegisterNumber(dst) == RegisterNumber(src0)) return false;
    const uint32_t mask = dst >> 16 & 0xF;
    for (uint32_t row = 0; row < 4; ++row) {
      if ((mask & 1u << row) == 0) continue;
      std::string d, c;
      if (!Destination((dst & ~0xF0000u) | (1u << row) << 16, &d) || !Source(src1, false, row, &c)) return false;
      out_ += "DP4 " + d + ", " + vector + ", " + c + ";\n";
    }
    return true;
  }

  bool Destination(uint32_t p, std::string* text) {
    // Result modifiers and shifts (bits 20-27) do not exist in vs.1.1.
    if ((p & kParameterBit) == 0 || (p & 0x0FF00000) != 0 || (p & kRelativeAddressBit) != 0) return false;
    const uint32_t n = RegisterNumber(p);
    switch (RegisterTypeOf(p)) {
      case kTemp:
        if (n >= 12) return false;
        *text = "r" + std::to_string(n);
        break;
      case kRasterOut:
        if (n > 1) return false;
        positionWritten_ = positionWritten_ || n == 0;
        *text = n == 0 ? "oPos" : "oFog";
        break;
      case kColourOut:
        if (n > 1) return false;
        *text = n == 0 ? "result.color.primary" : "result.color.secondary";
        break;
      case kTexCoordOut:
        if (n >= 8) return false;
        *text = "result.texcoord[" + std::to_string(n) + "]";
        break;
      default: return false;
    }
    const uint32_t mask = p >> 16 & 0xF;
    if (mask == 0) return false;
    if (mask != kFullMask) {
      *text += '.';
      for (int i = 0; i < 4; ++i) {
        if (mask & 1u << i) *text += "xyzw"[i];
      }
    }
    return true;
  }

  // `offset` adds to a constant's number (the rows of m4x4).
  static bool Source(uint32_t p, bool scalar, uint32_t offset, std::string* text) {
    if ((p & kParameterBit) == 0 || (p & kRelativeAddressBit) != 0) return false;
    const uint32_t modifier = p & 0x0F000000;
    if (modifier != 0 && modifier != kNegate) return false;
    const uint32_t n = RegisterNumber(p) + offset;
    *text = modifier == kNegate ? "-" : "";
    switch (RegisterTypeOf(p)) {
      case kTemp:
        if (n >= 12) return false;
        *text += "r" + std::to_string(n);
        break;
      case kInput:
        if (n >= 16) return false;
        *text += "vertex.attrib[" + std::to_string(n) + "]";
        break;
      case kConst:
        if (n >= kConstCount) return false;
        *text += "program.env[" + std::to_string(n) + "]";
        break;
      default: return false;
    }
    const uint32_t swizzle = p >> 16 & 0xFF;
    const uint32_t first = swizzle & 3;
    const bool replicated = swizzle == first * 0x55;
    if (scalar && !replicated) return false;
    if (scalar || replicated) {
      *text += '.';
      *text += "xyzw"[first];
    } else if (swizzle != kIdentitySwizzle) {
      *text += '.';
      for (int i = 0; i < 4; ++i) *text += "xyzw"[swizzle >> 2 * i & 3];
    }
    return true;
  }

  std::string& out_;
  bool positionWritten_ = false;
};

uint32_t InputBytes(uint32_t type) {
  switch (type) {
    case D3DVSDT_FLOAT1: return 4;
    case D3DVSDT_FLOAT2: return 8;
    case D3DVSDT_FLOAT3: return 12;
    case D3DVSDT_FLOAT4: return 16;
    case D3DVSDT_D3DCOLOR: return 4;
    default: return 0;
  }
}

}  // namespace

bool ParseShaderDeclaration(const uint32_t* tokens, ShaderDeclaration* declaration) {
  constexpr uint32_t kStream = 1, kStreamData = 2, kEnd = 7;
  constexpr uint32_t kSkipBit = 0x10000000;  // skipped data: not taken
  *declaration = {};
  uint32_t offset = 0;
  for (int i = 0; i < 64; ++i) {
    const uint32_t token = tokens[i];
    switch (token >> 29) {
      case 0: break;  // no operation
      case kStream:
        if ((token & 0x1FFFFFFF) != 0) return false;
        break;
      case kStreamData: {
        const uint32_t type = token >> 16 & 0xF;
        const uint32_t bytes = InputBytes(type);
        const uint32_t reg = token & 0x1F;
        if ((token & kSkipBit) || bytes == 0 || reg >= 16 || declaration->count == declaration->inputs.size()) {
          return false;
        }
        declaration->inputs[declaration->count++] = {reg, type, offset};
        offset += bytes;
        break;
      }
      case kEnd: return declaration->count > 0;
      default: return false;
    }
  }
  return false;
}

bool TranslateVertexShader(const uint32_t* tokens, std::string* program) {
  return Translator(program).Run(tokens);
}

}  // namespace sorvane
