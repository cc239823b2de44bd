#include "saver/calculation_thread.h"

#include <utility>

#include "base/random.h"

namespace sorvane {

namespace {

struct FinishedMark {
  CalculationShared& shared;
  ~FinishedMark() { shared.finished = true; }
};

}  // namespace

uint32_t CalculationThreadMain(CalculationShared& shared) {
  FinishedMark mark{shared};
  AutoResetEvent start = std::move(shared.startCalculation);
  AutoResetEvent done = std::move(shared.calculationDone);
  if (!start.valid() || !done.valid()) return 0;

  bool firstCycle = true;
  for (;;) {
    if (!start.Wait()) return 0;
    if (shared.shutdownRequested) return 0;
    if (firstCycle) {
      SeedRandom(shared.seed);
      firstCycle = false;
    }
    if (shared.cycle) shared.cycle();
    done.Set();
  }
}

uint32_t CalculationSeed(uint32_t mainState) { return mainState * 0x9E3779B9u + 0x7F4A7C15u; }

}  // namespace sorvane
