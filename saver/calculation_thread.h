// The calculation thread's side of the frame handshake: it waits for the
// start event, runs one cycle and answers with the done event.
// It stops at the top of a cycle when shutdown asks, so that shutdown never
// has to kill it in the middle of its work.
#pragma once
#include <atomic>
#include <cstdint>
#include <functional>

#include "base/auto_reset_event.h"

namespace sorvane {

struct CalculationShared {
  // The thread's own handles on the saver's two events, set before the thread
  // starts; the thread takes them over and closes them when it ends.
  AutoResetEvent startCalculation;
  AutoResetEvent calculationDone;
  std::atomic<bool> shutdownRequested{false};
  std::atomic<bool> finished{false};
  // The thread's random sequence; written before the first start signal.
  uint32_t seed = 1;
  // One cycle's work, set before the thread is started.
  std::function<void()> cycle;
};

// The thread procedure; returns 0 like every way out of it.
uint32_t CalculationThreadMain(CalculationShared& shared);

// How long shutdown waits for a running cycle to come to its end.
constexpr uint32_t kCalculationStopTimeoutMs = 3000;

// A seed for the calculation cycle taken from the main generator's state,
// scrambled so that the two sequences differ.
uint32_t CalculationSeed(uint32_t mainState);

}  // namespace sorvane
