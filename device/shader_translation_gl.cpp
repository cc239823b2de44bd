// vs.1.1 tokens to GLSL ES statements, and the stream declaration.
#include "device/shader_translation_gl.h"

#include <bitset>

#include "device/d3d8_constants.h"
#include "device/shader_tokens.h"

namespace sorvane {
namespace {

using namespace vs11;

constexpr int kMaxInstructions = 128;
constexpr uint32_t kTemps = 12, kInputs = 16, kTexCoordOutputs = 8;

uint32_t RegisterTypeOf(uint32_t token) { return (token >> 28 & 7) | (token >> 8 & 0x18); }
uint32_t RegisterNumber(uint32_t token) { return token & 0x7FF; }

std::string Mask(uint32_t mask) {
  if (mask == kFullMask) return "";
  std::string text = ".";
  for (int i = 0; i < 4; ++i) {
    if (mask & 1u << i) text += "xyzw"[i];
  }
  return text;
}

class Translator {
 public:
  explicit Translator(std::string* body) : body_(*body) {}

  bool Run(const uint32_t* tokens) {
    if (*tokens++ != kVersionToken) return false;
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
    return positionWritten_;
  }

  // The input registers the statements read.
  const std::bitset<kInputs>& inputsRead() const { return inputsRead_; }

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
    // rcp and rsq read one component.
    const bool scalar = op->token == kRcp || op->token == kRsq;
    std::string s[3];
    for (int i = 0; i < op->sources; ++i) {
      if (!Source(src[i], scalar, 0, &s[i])) return false;
    }
    if (op->token == kM4x4) return MatrixRows(dst, src[0], src[1], s[0]);
    std::string value;
    switch (op->token) {
      case kMov: value = s[0]; break;
      case kAdd: value = s[0] + " + " + s[1]; break;
      case kSub: value = s[0] + " - " + s[1]; break;
      case kMad: value = s[0] + " * " + s[1] + " + " + s[2]; break;
      case kMul: value = s[0] + " * " + s[1]; break;
      case kRcp: value = "vec4(1.0 / " + s[0] + ")"; break;
      case kRsq: value = "vec4(inversesqrt(abs(" + s[0] + ")))"; break;
      case kDp3: value = "vec4(dot((" + s[0] + ").xyz, (" + s[1] + ").xyz))"; break;
      case kDp4: value = "vec4(dot(" + s[0] + ", " + s[1] + "))"; break;
      default: return false;
    }
    return Assign(dst, value);
  }

  // dst = value under dst's write mask; a0 takes the floor of x.
  bool Assign(uint32_t dst, const std::string& value) {
    std::string name;
    if (!Destination(dst, &name)) return false;
    const uint32_t mask = dst >> 16 & 0xF;
    if (RegisterTypeOf(dst) == kAddress) {
      if (mask != 1) return false;
      body_ += "a0 = int(floor((" + value + ").x));\n";
      return true;
    }
    body_ += name + Mask(mask) + " = (" + value + ")" + Mask(mask) + ";\n";
    return true;
  }

  // m4x4: one dot product per written component, with the four constants
  // from src1 on.
  bool MatrixRows(uint32_t dst, uint32_t src0, uint32_t src1, const std::string& vector) {
    // Its rows would read what the earlier rows wrote.
    if (RegisterTypeOf(dst) == RegisterTypeOf(src0) && RegisterNumber(dst) == RegisterNumber(src0)) return false;
    if (RegisterTypeOf(dst) == kAddress) return false;
    const uint32_t mask = dst >> 16 & 0xF;
    for (uint32_t row = 0; row < 4; ++row) {
      if ((mask & 1u << row) == 0) continue;
      std::string d, c;
      if (!Destination(dst, &d) || !Source(src1, false, row, &c)) return false;
      body_ += d + "." + "xyzw"[row] + " = dot(" + vector + ", " + c + ");\n";
    }
    return true;
  }

  bool Destination(uint32_t p, std::string* text) {
    // Result modifiers and shifts (bits 20-27) do not exist in vs.1.1.
    if ((p & kParameterBit) == 0 || (p & 0x0FF00000) != 0 || (p & kRelativeAddressBit) != 0) return false;
    if ((p >> 16 & 0xF) == 0) return false;
    const uint32_t n = RegisterNumber(p);
    switch (RegisterTypeOf(p)) {
      case kTemp:
        if (n >= kTemps) return false;
        *text = "r" + std::to_string(n);
        return true;
      case kAddress: return n == 0;
      case kRasterOut:
        if (n > 1) return false;
        positionWritten_ = positionWritten_ || n == 0;
        *text = n == 0 ? "oPos" : "oFog";
        return true;
      case kColourOut:
        if (n > 1) return false;
        *text = "oD" + std::to_string(n);
        return true;
      case kTexCoordOut:
        if (n >= kTexCoordOutputs) return false;
        *text = "oT" + std::to_string(n);
        return true;
      default: return false;
    }
  }

  // `offset` adds to a constant's number (the rows of m4x4). A scalar source
  // is one component, replicated.
  bool Source(uint32_t p, bool scalar, uint32_t offset, std::string* text) {
    if ((p & kParameterBit) == 0) return false;
    const uint32_t modifier = p & 0x0F000000;
    if (modifier != 0 && modifier != kNegate) return false;
    const bool relative = (p & kRelativeAddressBit) != 0;
    const uint32_t type = RegisterTypeOf(p);
    if (relative && type != kConst) return false;
    const uint32_t n = RegisterNumber(p) + offset;
    std::string name;
    switch (type) {
      case kTemp:
        if (n >= kTemps) return false;
        name = "r" + std::to_string(n);
        break;
      case kInput:
        if (n >= kInputs) return false;
        inputsRead_.set(n);
        name = "v" + std::to_string(n);
        break;
      case kConst:
        if (n >= kConstCount) return false;
        // A relative read stays within the constants.
        name = relative ? "c[clamp(a0 + " + std::to_string(n) + ", 0, " + std::to_string(kConstCount - 1) + ")]"
                        : "c[" + std::to_string(n) + "]";
        break;
      default: return false;
    }
    const uint32_t swizzle = p >> 16 & 0xFF;
    const uint32_t first = swizzle & 3;
    const bool replicated = swizzle == first * 0x55;
    if (scalar && !replicated) return false;
    if (scalar) {
      name += '.';
      name += "xyzw"[first];
    } else if (swizzle != kIdentitySwizzle) {
      name += '.';
      for (int i = 0; i < 4; ++i) name += "xyzw"[swizzle >> 2 * i & 3];
    }
    *text = modifier == kNegate ? "(-" + name + ")" : name;
    return true;
  }

  std::string& body_;
  std::bitset<kInputs> inputsRead_;
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
        if ((token & kSkipBit) || bytes == 0 || reg >= kInputs || declaration->count == declaration->inputs.size()) {
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

bool TranslateVertexShader(const uint32_t* tokens, const ShaderDeclaration& declaration, VertexShaderGlsl* glsl) {
  std::string statements;
  Translator translator(&statements);
  if (!translator.Run(tokens)) return false;
  std::string& d = glsl->declarations;
  std::string& b = glsl->body;
  d = "uniform vec4 c[" + std::to_string(kConstCount) + "];\n";
  b = "vec4 oPos = vec4(0.0, 0.0, 0.0, 1.0), oFog = vec4(0.0), oD0 = vec4(1.0), oD1 = vec4(0.0);\n";
  for (uint32_t t = 0; t < kTexCoordOutputs; ++t) b += "vec4 oT" + std::to_string(t) + " = vec4(0.0, 0.0, 0.0, 1.0);\n";
  for (uint32_t t = 0; t < kTemps; ++t) b += "vec4 r" + std::to_string(t) + " = vec4(0.0);\n";
  b += "int a0 = 0;\n";
  // An input the declaration leaves out reads (0, 0, 0, 1); a D3DCOLOR
  // input's bytes are B, G, R, A.
  for (uint32_t reg = 0; reg < kInputs; ++reg) {
    if (!translator.inputsRead()[reg]) continue;
    const std::string v = "v" + std::to_string(reg), a = "attr" + std::to_string(reg);
    const ShaderInput* input = nullptr;
    for (uint32_t i = 0; i < declaration.count; ++i) {
      if (declaration.inputs[i].reg == reg) input = &declaration.inputs[i];
    }
    if (input == nullptr) {
      b += "vec4 " + v + " = vec4(0.0, 0.0, 0.0, 1.0);\n";
      continue;
    }
    d += "layout(location = " + std::to_string(reg) + ") in vec4 " + a + ";\n";
    b += "vec4 " + v + " = " + a + (input->type == D3DVSDT_D3DCOLOR ? ".zyxw" : "") + ";\n";
  }
  b += statements;
  return true;
}

}  // namespace sorvane
