// Digests of a device call stream: of every call with its arguments and every
// byte handed to the device (locked buffers and textures, shader tokens and
// constants), and of what is drawn: the calls that are not render or stage
// state calls and, at every draw, the states in force that shape its pixels
// (pass_states.h) with the device's set-up states. Setting states to the
// values they already have, setting them earlier, or leaving a state that no
// later draw reads as it is, keeps that one. Buffers and textures
// are named by the order in which they first appear, so the digests do not
// depend on where memory was allocated.
#pragma once
#include <cstdint>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "device/d3d8_constants.h"
#include "tests/support/device_recording.h"
#include "tests/support/pass_states.h"

namespace sorvane {

constexpr uint64_t kBasis = 0xCBF29CE484222325ull;

inline uint64_t Fnv(uint64_t hash, const void* data, size_t size) {
  const auto* p = static_cast<const uint8_t*>(data);
  for (size_t i = 0; i < size; ++i) hash = (hash ^ p[i]) * 0x100000001B3ull;
  return hash;
}

inline bool IsStateCall(const std::string& name) { return name == "SetRenderState" || name == "SetTextureStageState"; }

class Digest {
 public:
  void Bytes(const void* data, size_t size) {
    hash_ = Fnv(hash_, data, size);
    part_ = Fnv(part_, data, size);
    if (!inStateCall_) drawn_ = Fnv(drawn_, data, size);
  }
  void Word(uint64_t v) { Bytes(&v, sizeof v); }
  // Pointers become their order of first appearance; null stays 0.
  uint64_t Name(uint64_t pointer) {
    if (pointer == 0) return 0;
    auto [it, added] = names_.try_emplace(pointer, names_.size() + 1);
    return it->second;
  }
  void Call(const std::string& name, const std::vector<uint64_t>& args) {
    ++calls_;
    inStateCall_ = IsStateCall(name);
    Bytes(name.data(), name.size());
    if (dump) std::printf("  %s", name.c_str());
    for (size_t i = 0; i < args.size(); ++i) {
      const uint64_t arg = IsPointer(name, i) ? Name(args[i]) : args[i];
      Word(arg);
      if (dump) std::printf(" %llx", static_cast<unsigned long long>(arg));
    }
    if (dump) std::printf("\n");
    inStateCall_ = false;
  }
  // What a draw draws with: every state in force.
  void DrawState(const void* states, size_t size) { drawn_ = Fnv(drawn_, states, size); }
  // Prints the digest of the calls since the last part ended, and their count.
  void EndPart(const char* label, int frame) {
    std::printf("%s %d %ld %016llx drawn %016llx\n", label, frame, calls_ - partStart_,
                static_cast<unsigned long long>(part_), static_cast<unsigned long long>(drawn_));
    part_ = drawn_ = kBasis;
    partStart_ = calls_;
  }
  uint64_t hash() const { return hash_; }
  long calls() const { return calls_; }
  bool dump = false;

 private:
  static bool IsPointer(const std::string& name, size_t i) {
    if (name == "SetTexture" || name == "SetStreamSource") return i == 1;
    if (name == "CreateVertexShader") return i < 2;
    return i == 0 && (name.find("ock") != std::string::npos || name.rfind("Release", 0) == 0 ||
                      name == "SetIndices" || name == "CreateDevice");
  }
  uint64_t hash_ = kBasis;
  uint64_t part_ = kBasis;
  uint64_t drawn_ = kBasis;
  bool inStateCall_ = false;
  long calls_ = 0;
  long partStart_ = 0;
  std::map<uint64_t, uint64_t> names_;
};

// The recorder, with what reaches the device through memory and what every
// draw draws with added to the digests.
class DigestDevice : public RecordingDevice {
 public:
  explicit DigestDevice(Digest& digest) : digest_(digest) {
    sink = [this](const std::string& name, const std::vector<uint64_t>& args) { digest_.Call(name, args); };
  }
  HResult DrawPrimitive(uint32_t type, uint32_t start, uint32_t count) override {
    DrawState();
    return RecordingDevice::DrawPrimitive(type, start, count);
  }
  HResult DrawIndexedPrimitive(uint32_t type, uint32_t minIndex, uint32_t vertexCount, uint32_t startIndex,
                               uint32_t count) override {
    DrawState();
    return RecordingDevice::DrawIndexedPrimitive(type, minIndex, vertexCount, startIndex, count);
  }
  HResult LockVertexBuffer(VertexBuffer* b, uint32_t offset, uint32_t size, uint8_t** data, uint32_t flags) override {
    const HResult r = RecordingDevice::LockVertexBuffer(b, offset, size, data, flags);
    if (!Failed(r)) locked_[b] = {*data, size != 0 ? size : Buffer(b).bytes.size() - offset};
    return r;
  }
  HResult UnlockVertexBuffer(VertexBuffer* b) override {
    HashLocked(b);
    return RecordingDevice::UnlockVertexBuffer(b);
  }
  HResult LockIndexBuffer(IndexBuffer* b, uint32_t offset, uint32_t size, uint8_t** data, uint32_t flags) override {
    const HResult r = RecordingDevice::LockIndexBuffer(b, offset, size, data, flags);
    if (!Failed(r)) locked_[b] = {*data, size != 0 ? size : Buffer(b).bytes.size() - offset};
    return r;
  }
  HResult UnlockIndexBuffer(IndexBuffer* b) override {
    HashLocked(b);
    return RecordingDevice::UnlockIndexBuffer(b);
  }
  HResult UnlockTextureLevel(Texture* t, uint32_t level) override {
    if (level < Of(t).levels.size()) digest_.Bytes(Of(t).levels[level].data(), Of(t).levels[level].size());
    return RecordingDevice::UnlockTextureLevel(t, level);
  }
  HResult CreateVertexShader(const uint32_t* declaration, const uint32_t* function, uint32_t* handle,
                             uint32_t usage) override {
    const HResult r = RecordingDevice::CreateVertexShader(declaration, function, handle, usage);
    digest_.Bytes(lastShaderFunction.data(), lastShaderFunction.size() * sizeof(uint32_t));
    return r;
  }
  HResult SetVertexShaderConstant(uint32_t reg, const void* data, uint32_t count) override {
    digest_.Bytes(data, count * 16u);
    return RecordingDevice::SetVertexShaderConstant(reg, data, count);
  }

 private:
  struct Range {
    const uint8_t* data;
    size_t size;
  };
  // The states that shape the draw's pixels, and those the device was set up
  // with, which no pass changes.
  void DrawState() {
    const StateValues shaping = StatesThatShape(DrawStates{states, textures});
    digest_.DrawState(shaping.data(), shaping.size() * sizeof shaping[0]);
    for (uint32_t state : {D3DRS_ZFUNC, D3DRS_FOGTABLEMODE, D3DRS_FOGSTART, D3DRS_LIGHTING, D3DRS_SHADEMODE})
      digest_.DrawState(&states.render[state], sizeof states.render[state]);
  }
  void HashLocked(const void* buffer) {
    const auto it = locked_.find(buffer);
    if (it == locked_.end()) return;
    digest_.Bytes(it->second.data, it->second.size);
    locked_.erase(it);
  }
  Digest& digest_;
  std::map<const void*, Range> locked_;
};

class DigestDirect3D : public RecordingDirect3D {
 public:
  explicit DigestDirect3D(Digest& digest) : digest_(digest) {
    sink = [this](const std::string& name, const std::vector<uint64_t>& args) { digest_.Call(name, args); };
  }

 protected:
  std::unique_ptr<RecordingDevice> NewDevice() override { return std::make_unique<DigestDevice>(digest_); }

 private:
  Digest& digest_;
};

}  // namespace sorvane
