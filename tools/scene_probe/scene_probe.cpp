// scene_probe: builds the whole scene from a seed and the detail settings
// through the recording device, runs frames and calculation cycles in the
// order of their hand-over, and prints figures as JSON.
//
//   scene_probe [--seed N] [--fish L] [--plant L] [--wreck L] [--camspeed S]
//               [--scheme C] [--frames N] [--cycles M] [--sample K]
//               [--check C] [--generated DIR] [--shader FILE]
//
// The first M frames are each followed by a calculation cycle; later frames
// get the hand-over without one. Every K-th frame's camera position is kept.
// With --check 1 the fish's holds, levels and positions are checked after
// every cycle and the fish vertices after every frame.
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "device/d3d8_constants.h"
#include "tools/scene_probe/fill_meter.h"
#include "tools/scene_probe/fish_invariants.h"
#include "tests/support/device_recording.h"
#include "render/projection.h"
#include "render/render_frame.h"
#include "saver/cycle_hand_over.h"
#include "scene/folder_resource_source.h"
#include "scene/scene.h"
#include "settings/settings.h"
#include "base/auto_reset_event.h"
#include "base/random.h"

namespace sorvane {
namespace {

struct Options {
  uint32_t seed = 1;
  int fish = 2, plant = 2, wreck = 2, camSpeed = 2, scheme = 0;
  int frames = 100, cycles = 1, sample = 10, check = 0;
  std::string generated = SORVANE_GENERATED_DIR;
  std::string shader = SORVANE_SHADER_TEXT;
};

bool ParseOptions(int argc, char** argv, Options* o) {
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string key = argv[i];
    const char* value = argv[i + 1];
    if (key == "--generated") o->generated = value;
    else if (key == "--shader") o->shader = value;
    else {
      char* end = nullptr;
      const long n = std::strtol(value, &end, 10);
      if (*end != '\0') return false;
      if (key == "--seed") o->seed = static_cast<uint32_t>(n);
      else if (key == "--fish") o->fish = static_cast<int>(n);
      else if (key == "--plant") o->plant = static_cast<int>(n);
      else if (key == "--wreck") o->wreck = static_cast<int>(n);
      else if (key == "--camspeed") o->camSpeed = static_cast<int>(n);
      else if (key == "--scheme") o->scheme = static_cast<int>(n);
      else if (key == "--frames") o->frames = static_cast<int>(n);
      else if (key == "--cycles") o->cycles = static_cast<int>(n);
      else if (key == "--sample") o->sample = n > 0 ? static_cast<int>(n) : 1;
      else if (key == "--check") o->check = static_cast<int>(n);
      else return false;
    }
  }
  return argc % 2 == 1;
}

double MillisecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

struct LayerCount {
  long blocked = 0;
  long open = 0;
};

// Whether the fish vertices streamed this frame are all finite.
bool FishVerticesFinite(const Scene& scene) {
  if (scene.resources.fishBuffers.vertices == nullptr) return true;
  const std::vector<uint8_t>& bytes = RecordingDevice::Buffer(scene.resources.fishBuffers.vertices).bytes;
  for (size_t i = 0; i + sizeof(FishVertex) <= bytes.size(); i += sizeof(FishVertex)) {
    float xyz[3];
    std::memcpy(xyz, bytes.data() + i, sizeof xyz);
    if (!std::isfinite(xyz[0]) || !std::isfinite(xyz[1]) || !std::isfinite(xyz[2])) return false;
  }
  return true;
}

LayerCount CountLayer(const int16_t* layer) {
  LayerCount c;
  for (int i = 0; i < kGridCells; ++i) (layer[i] == kBlocked ? c.blocked : c.open)++;
  return c;
}

// What one frame drew: all draw calls, the object meshes (a coral's two parts
// count twice) and the bubbles.
struct FrameDraws {
  long calls = 0;
  long meshes = 0;
  long bubbles = 0;
};

FrameDraws CountDraws(const RecordingDevice& device, const Scene& scene) {
  FrameDraws d;
  uint64_t stream = 0;
  const auto rays = reinterpret_cast<uintptr_t>(scene.resources.lightRays.Vertices());
  const auto bubbles = reinterpret_cast<uintptr_t>(scene.resources.bubbleBatch);
  for (const RecordedCall& c : device.calls()) {
    if (c.name == "SetStreamSource") stream = c.args[1];
    if (c.name != "DrawPrimitive" && c.name != "DrawIndexedPrimitive") continue;
    ++d.calls;
    if (c.name == "DrawIndexedPrimitive" && c.args[0] == D3DPT_TRIANGLELIST && stream != rays) ++d.meshes;
    if (c.name == "DrawPrimitive" && stream == bubbles) d.bubbles += static_cast<long>(c.args[2] / 2);
  }
  return d;
}

// Pixels covered per frame (summed over frames until divided): the plant
// meshes one by one, the other scenery meshes, and everything else.
struct FrameFill {
  std::map<int, double> plantMeshes;
  double plants = 0, objects = 0, rest = 0;
  std::map<std::string, double> restParts;
};

void AddFill(FillMeter& device, const Scene& scene, FrameFill* fill) {
  std::map<const VertexBuffer*, int> meshOf;
  for (int m = 0; m < kSceneryMeshCount; ++m) meshOf[scene.resources.meshBuffers[m].vertices] = m;
  const DeviceResources& r = scene.resources;
  auto part = [&](const VertexBuffer* b) -> std::string {
    if (b == r.lightRays.Vertices()) return "rays";
    if (b == r.bubbleBatch) return "bubbles";
    if (b == r.shimmerQuad) return "shimmer";
    if (b == r.surfaceQuad) return "surface";
    if (b == r.backdrop) return "backdrop";
    if (b == r.fishBuffers.vertices) return "fish";
    for (const VertexBuffer* t : r.tileBuffers) if (b == t) return "seabed";
    return "other";
  };
  for (const auto& [buffer, pixels] : device.TakePixels()) {
    const auto mesh = meshOf.find(buffer);
    if (mesh == meshOf.end()) {
      fill->rest += pixels;
      fill->restParts[part(buffer)] += pixels;
    } else if (kSceneryMeshes[mesh->second].plant) {
      fill->plants += pixels;
      fill->plantMeshes[mesh->second] += pixels;
    } else {
      fill->objects += pixels;
    }
  }
}

int Run(const Options& o) {
  SeedRandom(o.seed);
  SceneSettings settings;
  settings.device.width = 1024;
  settings.device.height = 768;
  settings.colorScheme = o.scheme;
  settings.counts = ScaleSceneCounts(o.fish, o.plant, o.wreck);
  settings.cameraSpeedFactor = CameraSpeedFactor(o.camSpeed);

  FolderResourceSource resources(o.generated, o.shader);
  if (!resources.Open()) {
    std::fprintf(stderr, "scene_probe: no textures.rc in %s\n", o.generated.c_str());
    return 1;
  }
  FillMeterDirect3D direct3d;
  Scene scene;
  // The probe runs and times each cycle itself, between the frames.
  AutoResetEvent start = AutoResetEvent::Create();
  AutoResetEvent stop = AutoResetEvent::Create();
  ThreadHandOver fish(start, stop);

  auto t0 = std::chrono::steady_clock::now();
  SceneError error = kSceneErrorUnknown;
  if (!InitScene(scene, direct3d, settings, resources, error)) {
    std::fprintf(stderr, "scene_probe: scene initialisation failed with error %d\n", error);
    return 1;
  }
  const double constructionMs = MillisecondsSince(t0);
  FrameState frameState;
  UpdateProjection(scene.resources.device, frameState, 1024, 768);
  auto& device = static_cast<FillMeter&>(*direct3d.devices.back());

  std::array<long, 256> codeCounts{};
  for (int i = 0; i < kGridCells; ++i) ++codeCounts[scene.world.map.cellGrid[i]];
  long objects = 0, mostOnATile = 0;
  for (int t = 0; t < kTileCount; ++t) {
    long onTile = 0;
    for (int c = 0; c < kObjectClassCount; ++c) onTile += ObjectCount(scene.world.tiles[t].objects, c);
    objects += onTile;
    mostOnATile = std::max(mostOnATile, onTile);
  }
  FrameDraws drawTotals, drawMost;
  FrameFill fill;

  double firstCycleMs = 0.0, frameTotalMs = 0.0, frameMaxMs = 0.0;
  double cycleTotalMs = 0.0, cycleMaxMs = 0.0;
  long fishDrawn = 0, fishDrawCalls = 0;
  int cyclesRun = 0, framesPresented = 0, fishDrawnMax = 0;
  FishInvariants invariants;
  std::string fishFault;
  if (o.check && !invariants.Init(scene.world.map, scene.world.school)) return 1;
  std::vector<LayerCount> layers;
  std::vector<std::array<float, 3>> positions;
  for (int frame = 0; frame < o.frames; ++frame) {
    t0 = std::chrono::steady_clock::now();
    const FrameResult result = RenderFrame(scene, frameState, fish);
    const double ms = MillisecondsSince(t0);
    frameTotalMs += ms;
    frameMaxMs = std::max(frameMaxMs, ms);
    if (result == FrameResult::Presented) ++framesPresented;
    fishDrawn += frameState.fishFigures.drawn;
    fishDrawCalls += frameState.fishFigures.drawCalls;
    fishDrawnMax = std::max(fishDrawnMax, frameState.fishFigures.drawn);
    if (o.check && fishFault.empty() && !FishVerticesFinite(scene)) fishFault = "a fish vertex is not finite";
    const FrameDraws draws = CountDraws(device, scene);
    drawTotals.calls += draws.calls, drawTotals.meshes += draws.meshes, drawTotals.bubbles += draws.bubbles;
    drawMost.calls = std::max(drawMost.calls, draws.calls);
    drawMost.meshes = std::max(drawMost.meshes, draws.meshes);
    drawMost.bubbles = std::max(drawMost.bubbles, draws.bubbles);
    AddFill(device, scene, &fill);
    device.CallLog::Clear();
    if (frame % o.sample == 0) positions.push_back({static_cast<float>(frame), frameState.cameraX, frameState.cameraZ});
    // The calculation thread's side of the hand-over, on this thread.
    if (!start.Wait(0)) continue;
    if (cyclesRun < o.cycles) {
      t0 = std::chrono::steady_clock::now();
      RunCalculationCycle(scene.world);
      const double cycleMs = MillisecondsSince(t0);
      if (cyclesRun++ == 0) {
        firstCycleMs = cycleMs;
        layers.push_back(CountLayer(scene.world.map.gWave.baseLayer));
        for (int16_t* layer : scene.world.map.gWave.levelLayers) layers.push_back(CountLayer(layer));
      } else {
        cycleTotalMs += cycleMs;
        cycleMaxMs = std::max(cycleMaxMs, cycleMs);
      }
      if (o.check && fishFault.empty()) {
        const FishSchool& school = scene.world.school;
        fishFault = invariants.Check(scene.world.map, scene.world.school, school.handOverCameraX, school.handOverCameraZ);
        if (!fishFault.empty()) fishFault += " after cycle " + std::to_string(cyclesRun);
      }
    }
    stop.Set();
  }

  std::printf("{\n  \"seed\": %u, \"fish\": %d, \"plant\": %d, \"wreck\": %d, \"camSpeed\": %d,\n", o.seed, o.fish,
              o.plant, o.wreck, o.camSpeed);
  std::printf("  \"fishCount\": %d, \"colourScheme\": \"%06X\", \"shaderReady\": %s,\n", scene.world.fishCount,
              scene.resources.colours.clearColour, scene.resources.shaderReady ? "true" : "false");
  std::printf("  \"cellCodes\": {");
  bool first = true;
  for (int code = 0; code < 256; ++code) {
    if (codeCounts[code] == 0) continue;
    std::printf("%s\"%d\": %ld", first ? "" : ", ", code, codeCounts[code]);
    first = false;
  }
  std::printf("},\n  \"cameraStartCell\": [%d, %d],\n", scene.world.cameraStartCell.column, scene.world.cameraStartCell.row);
  std::printf("  \"layers\": [");
  for (size_t i = 0; i < layers.size(); ++i) {
    std::printf("%s{\"layer\": \"%s\", \"blocked\": %ld, \"free\": %ld}", i ? ",\n             " : "",
                i == 0 ? "base" : std::to_string(i - 1).c_str(), layers[i].blocked, layers[i].open);
  }
  std::printf("],\n  \"camera\": [");
  for (size_t i = 0; i < positions.size(); ++i) {
    std::printf("%s{\"frame\": %d, \"x\": %.5f, \"z\": %.5f}", i ? ", " : "", static_cast<int>(positions[i][0]),
                positions[i][1], positions[i][2]);
  }
  std::printf("],\n  \"frames\": %d, \"framesPresented\": %d, \"cycles\": %d,\n", o.frames, framesPresented,
              cyclesRun);
  std::printf("  \"fishDrawn\": {\"mean\": %.1f, \"max\": %d}, \"fishDrawCallsMean\": %.1f,\n",
              o.frames > 0 ? static_cast<double>(fishDrawn) / o.frames : 0.0, fishDrawnMax,
              o.frames > 0 ? static_cast<double>(fishDrawCalls) / o.frames : 0.0);
  if (o.check) {
    std::printf("  \"fishInvariants\": \"%s\", \"longestWaitNearCamera\": %d,\n",
                fishFault.empty() ? "ok" : fishFault.c_str(), invariants.longestWait);
  }
  const double perFrame = o.frames > 0 ? 1.0 / o.frames : 0.0;
  std::printf("  \"objects\": {\"total\": %ld, \"perTileMean\": %.1f, \"perTileMax\": %ld},\n", objects,
              static_cast<double>(objects) / kTileCount, mostOnATile);
  std::printf("  \"perFrame\": {\"drawCallsMean\": %.1f, \"drawCallsMax\": %ld, \"objectMeshDrawsMean\": %.1f, "
              "\"objectMeshDrawsMax\": %ld, \"bubblesMean\": %.1f, \"bubblesMax\": %ld},\n",
              drawTotals.calls * perFrame, drawMost.calls, drawTotals.meshes * perFrame, drawMost.meshes,
              drawTotals.bubbles * perFrame, drawMost.bubbles);
  std::printf("  \"pixelsPerFrame\": {\"plants\": %.0f, \"otherObjects\": %.0f, \"rest\": %.0f, \"plantMeshes\": {",
              fill.plants * perFrame, fill.objects * perFrame, fill.rest * perFrame);
  first = true;
  for (const auto& [mesh, pixels] : fill.plantMeshes) {
    std::printf("%s\"%d\": %.0f", first ? "" : ", ", mesh, pixels * perFrame);
    first = false;
  }
  std::printf("}, \"restParts\": {");
  first = true;
  for (const auto& [name, pixels] : fill.restParts) {
    std::printf("%s\"%s\": %.0f", first ? "" : ", ", name.c_str(), pixels * perFrame);
    first = false;
  }
  std::printf("}},\n");
  std::printf("  \"ms\": {\"construction\": %.3f, \"firstCycle\": %.3f, \"cyclesMean\": %.4f, \"cyclesMax\": %.4f, "
              "\"framesMean\": %.4f, \"framesMax\": %.4f}\n}\n",
              constructionMs, firstCycleMs, cyclesRun > 1 ? cycleTotalMs / (cyclesRun - 1) : 0.0, cycleMaxMs,
              o.frames > 0 ? frameTotalMs / o.frames : 0.0, frameMaxMs);
  ReleaseScene(scene);
  return 0;
}

}  // namespace
}  // namespace sorvane

int main(int argc, char** argv) {
  sorvane::Options options;
  if (!sorvane::ParseOptions(argc, argv, &options)) {
    std::fprintf(stderr, "usage: scene_probe [--seed N] [--fish L] [--plant L] [--wreck L] [--camspeed S] "
                         "[--scheme C] [--frames N] [--cycles M] [--sample K] [--check C] [--generated DIR] [--shader FILE]\n");
    return 2;
  }
  return sorvane::Run(options);
}
