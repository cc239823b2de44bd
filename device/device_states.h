// The render and texture-stage states of a device by their Direct3D 8
// numbers, and those a new device starts with.
#pragma once
#include <array>
#include <cstdint>

namespace sorvane {

constexpr uint32_t kRenderStateCount = 256;
constexpr uint32_t kTextureStages = 8;
constexpr uint32_t kTextureStageStateCount = 33;

struct DeviceStates {
  std::array<uint32_t, kRenderStateCount> render{};
  std::array<std::array<uint32_t, kTextureStageStateCount>, kTextureStages> stages{};
};

// Direct3D 8's documented defaults; the depth test is on when the device has
// a depth buffer.
DeviceStates DefaultDeviceStates(bool depthBuffer);

}  // namespace sorvane
