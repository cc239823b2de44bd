// vs.1.1 assembly text to Direct3D 8 shader tokens.
#include "d3dx/shader_assembler.h"

#include <array>
#include <charconv>
#include <string>
#include <utility>

#include "device/shader_tokens.h"

namespace sorvane {
namespace {

using namespace vs11;

struct Register {
  uint32_t type = 0;
  uint32_t number = 0;
  bool operator==(const Register&) const = default;
};

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

std::string_view Trim(std::string_view s) {
  const size_t first = s.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

bool ParseNumber(std::string_view digits, uint32_t limit, uint32_t* number) {
  if (digits.empty() || digits.size() > 3) return false;
  for (char c : digits) {
    if (c < '0' || c > '9') return false;
  }
  std::from_chars(digits.data(), digits.data() + digits.size(), *number);
  return *number < limit;
}

// name is lower case, without sign, mask or swizzle.
bool ParseRegister(std::string_view name, Register* reg) {
  if (name == "opos" || name == "ofog" || name == "opts") {
    *reg = {kRasterOut, name == "opos" ? 0u : name == "ofog" ? 1u : 2u};
    return true;
  }
  struct Bank {
    std::string_view prefix;
    uint32_t type, count;
  };
  constexpr Bank kBanks[] = {
      {"od", kColourOut, 2}, {"ot", kTexCoordOut, 8}, {"r", kTemp, 12}, {"v", kInput, 16}, {"c", kConst, kConstCount},
  };
  for (const Bank& bank : kBanks) {
    if (name.starts_with(bank.prefix)) {
      reg->type = bank.type;
      return ParseNumber(name.substr(bank.prefix.size()), bank.count, &reg->number);
    }
  }
  return false;
}

int ComponentIndex(char c) {
  switch (c) {
    case 'x': return 0;
    case 'y': return 1;
    case 'z': return 2;
    case 'w': return 3;
    default: return -1;
  }
}

uint32_t RegisterBits(const Register& reg) {
  return kParameterBit | (reg.type & 7) << 28 | (reg.type & 0x18) << 8 | reg.number;
}

bool IsOutput(const Register& reg) { return reg.type >= kRasterOut; }

bool ParseDestination(std::string_view operand, Register* reg, uint32_t* token) {
  const size_t dot = operand.find('.');
  if (!ParseRegister(operand.substr(0, dot), reg)) return false;
  if (reg->type == kInput || reg->type == kConst) return false;
  uint32_t mask = kFullMask;
  if (dot != std::string_view::npos) {
    const std::string_view letters = operand.substr(dot + 1);
    mask = 0;
    int last = -1;
    for (char c : letters) {
      const int index = ComponentIndex(c);
      if (index <= last) return false;  // components in order, each once
      mask |= 1u << index;
      last = index;
    }
    if (mask == 0) return false;
  }
  // Fog and point size are single values.
  if (reg->type == kRasterOut && reg->number != 0 && mask != 1) return false;
  *token = RegisterBits(*reg) | mask << 16;
  return true;
}

bool ParseSource(std::string_view operand, Register* reg, uint32_t* token, bool* replicate) {
  const bool negate = operand.starts_with('-');
  if (negate) operand.remove_prefix(1);
  const size_t dot = operand.find('.');
  if (!ParseRegister(operand.substr(0, dot), reg) || IsOutput(*reg)) return false;
  uint32_t swizzle = kIdentitySwizzle;
  *replicate = false;
  if (dot != std::string_view::npos) {
    const std::string_view letters = operand.substr(dot + 1);
    if (letters.empty() || letters.size() > 4) return false;
    int components[4];
    for (size_t i = 0; i < 4; ++i) {
      components[i] = ComponentIndex(letters[i < letters.size() ? i : letters.size() - 1]);
      if (components[i] < 0) return false;
    }
    swizzle = 0;
    for (int i = 0; i < 4; ++i) swizzle |= static_cast<uint32_t>(components[i]) << (2 * i);
    *replicate = components[0] == components[1] && components[1] == components[2] && components[2] == components[3];
  }
  *token = RegisterBits(*reg) | swizzle << 16 | (negate ? kNegate : 0);
  return true;
}

// Splits "op a, b, c" into the lower-case mnemonic and its operands.
bool SplitInstruction(std::string_view line, std::string* mnemonic, std::vector<std::string>* operands) {
  const size_t space = line.find_first_of(" \t");
  *mnemonic = Lower(line.substr(0, space));
  operands->clear();
  if (space == std::string_view::npos) return true;
  std::string_view rest = line.substr(space);
  while (true) {
    const size_t comma = rest.find(',');
    const std::string_view operand = Trim(rest.substr(0, comma));
    if (operand.empty() || operand.find_first_of(" \t") != std::string_view::npos) return false;
    operands->push_back(Lower(operand));
    if (comma == std::string_view::npos) return true;
    rest = rest.substr(comma + 1);
  }
}

bool AssembleInstruction(std::string_view line, std::vector<uint32_t>* tokens) {
  std::string mnemonic;
  std::vector<std::string> operands;
  if (!SplitInstruction(line, &mnemonic, &operands)) return false;
  const Opcode* opcode = nullptr;
  for (const Opcode& candidate : kOpcodes) {
    if (mnemonic == candidate.name) opcode = &candidate;
  }
  if (opcode == nullptr || operands.size() != static_cast<size_t>(opcode->sources) + 1) return false;

  Register destination;
  uint32_t destinationToken;
  if (!ParseDestination(operands[0], &destination, &destinationToken)) return false;
  std::array<Register, 3> sources;
  std::array<uint32_t, 3> sourceTokens;
  std::array<bool, 3> replicate;
  const Register* constRead = nullptr;
  const Register* inputRead = nullptr;
  for (int i = 0; i < opcode->sources; ++i) {
    if (!ParseSource(operands[i + 1], &sources[i], &sourceTokens[i], &replicate[i])) return false;
    // One constant and one input register per instruction at most.
    if (sources[i].type == kConst || sources[i].type == kInput) {
      const Register*& seen = sources[i].type == kConst ? constRead : inputRead;
      if (seen != nullptr && !(*seen == sources[i])) return false;
      seen = &sources[i];
    }
  }
  if ((opcode->token == kRcp || opcode->token == kRsq) && !replicate[0]) return false;
  if (opcode->token == kM4x4) {
    // The matrix takes four constants in a row; the source must outlive the writes.
    if (sources[1].type != kConst || sources[1].number + 4 > kConstCount || sources[0] == destination) return false;
  }
  tokens->push_back(opcode->token);
  tokens->push_back(destinationToken);
  for (int i = 0; i < opcode->sources; ++i) tokens->push_back(sourceTokens[i]);
  return true;
}

std::string_view StripComment(std::string_view line) {
  const size_t semicolon = line.find(';');
  const size_t slashes = line.find("//");
  return Trim(line.substr(0, semicolon < slashes ? semicolon : slashes));
}

}  // namespace

bool AssembleVertexShader(std::string_view text, std::vector<uint32_t>* tokens) {
  std::vector<uint32_t> out;
  bool versionSeen = false;
  while (!text.empty()) {
    const size_t newline = text.find('\n');
    const std::string_view line = StripComment(text.substr(0, newline));
    text = newline == std::string_view::npos ? std::string_view{} : text.substr(newline + 1);
    if (line.empty()) continue;
    if (!versionSeen) {
      if (Lower(line) != "vs.1.1") return false;
      out.push_back(kVersionToken);
      versionSeen = true;
    } else if (!AssembleInstruction(line, &out)) {
      return false;
    }
  }
  if (!versionSeen) return false;
  out.push_back(kEndToken);
  *tokens = std::move(out);
  return true;
}

}  // namespace sorvane
