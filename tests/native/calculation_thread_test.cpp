#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "shell/calculation_thread.h"
#include "base/named_event.h"
#include "base/random.h"

namespace sorvane {

namespace {

bool WaitUntil(const std::atomic<bool>& flag, int ms) {
  auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (!flag && std::chrono::steady_clock::now() < end) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  return flag;
}

struct Handshake {
  NamedEvent start = NamedEvent::Create(kStartCalculationEvent);
  NamedEvent stop = NamedEvent::Create(kStopCalculationEvent);
};

}  // namespace

TEST(CalculationThread, OneCycleForEachStartAndCyclesNeverOverlapTheFrame) {
  Handshake h;
  CalculationShared shared;
  int cycles = 0;
  int frameSide = 0;  // written by both sides, each only in its turn
  shared.cycle = [&] {
    ++cycles;
    ++frameSide;
  };
  std::thread thread([&] { CalculationThreadMain(shared); });
  for (int frame = 0; frame < 200; ++frame) {
    if (frame > 0) {
      ASSERT_TRUE(h.stop.Wait(5000));
    }
    ++frameSide;
    h.start.Set();
  }
  ASSERT_TRUE(h.stop.Wait(5000));
  EXPECT_EQ(cycles, 200);
  EXPECT_EQ(frameSide, 400);
  shared.stopRequested = true;
  h.start.Set();
  thread.join();
  EXPECT_TRUE(shared.finished);
}

TEST(CalculationThread, StopRequestedDuringACycleEndsAfterItWithoutHanging) {
  Handshake h;
  CalculationShared shared;
  std::atomic<bool> inCycle{false};
  std::atomic<int> cycles{0};
  shared.cycle = [&] {
    inCycle = true;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    ++cycles;
  };
  std::thread thread([&] { CalculationThreadMain(shared); });
  h.start.Set();
  ASSERT_TRUE(WaitUntil(inCycle, 5000));
  shared.stopRequested = true;
  h.start.Set();
  EXPECT_TRUE(WaitUntil(shared.finished, static_cast<int>(kCalculationStopTimeoutMs)));
  thread.join();
  EXPECT_EQ(cycles, 1);
}

TEST(CalculationThread, EndsAtOnceWhenTheEventsDoNotExist) {
  CalculationShared shared;
  shared.cycle = [] { FAIL() << "no cycle may run"; };
  std::thread thread([&] { CalculationThreadMain(shared); });
  thread.join();
  EXPECT_TRUE(shared.finished);
}

TEST(CalculationThread, SeedsItsOwnGeneratorOnTheFirstCycle) {
  Handshake h;
  CalculationShared shared;
  SeedRandom(1234);
  shared.seed = CalculationSeed(RandomState());
  int first = -1;
  shared.cycle = [&] {
    if (first < 0) first = Random();
  };
  std::thread thread([&] { CalculationThreadMain(shared); });
  h.start.Set();
  ASSERT_TRUE(h.stop.Wait(5000));
  shared.stopRequested = true;
  h.start.Set();
  thread.join();

  SeedRandom(shared.seed);
  EXPECT_EQ(first, Random());
  SeedRandom(1234);
  EXPECT_NE(first, Random()) << "the two threads must not draw the same sequence";
}

TEST(Random, ReproducesTheRuntimeSequence) {
  SeedRandom(1);
  EXPECT_EQ(Random(), 41);
  EXPECT_EQ(Random(), 18467);
  EXPECT_EQ(Random(), 6334);
  SeedRandom(0);
  EXPECT_EQ(Random(), 38);
  EXPECT_EQ(Random(), 7719);
  int fresh = 0;
  std::thread([&] { fresh = Random(); }).join();
  EXPECT_EQ(fresh, 41) << "a new thread starts from state 1";
}

}  // namespace sorvane
