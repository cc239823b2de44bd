#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "saver/calculation_thread.h"
#include "base/auto_reset_event.h"
#include "base/random.h"

namespace sorvane {

namespace {

bool WaitUntil(const std::atomic<bool>& flag, int ms) {
  auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (!flag && std::chrono::steady_clock::now() < end) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  return flag;
}

// The saver's side: its two events, with the thread's own handles on them.
struct Handshake {
  explicit Handshake(CalculationShared& shared) {
    shared.startCalculation = start.Duplicate();
    shared.calculationDone = done.Duplicate();
  }
  AutoResetEvent start = AutoResetEvent::Create();
  AutoResetEvent done = AutoResetEvent::Create();
};

}  // namespace

TEST(CalculationThread, OneCycleForEachStartAndCyclesNeverOverlapTheFrame) {
  CalculationShared shared;
  Handshake h(shared);
  int cycles = 0;
  int frameSide = 0;  // written by both sides, each only in its turn
  shared.cycle = [&] {
    ++cycles;
    ++frameSide;
  };
  std::thread thread([&] { CalculationThreadMain(shared); });
  for (int frame = 0; frame < 200; ++frame) {
    if (frame > 0) {
      ASSERT_TRUE(h.done.Wait(5000));
    }
    ++frameSide;
    h.start.Set();
  }
  ASSERT_TRUE(h.done.Wait(5000));
  EXPECT_EQ(cycles, 200);
  EXPECT_EQ(frameSide, 400);
  shared.shutdownRequested = true;
  h.start.Set();
  thread.join();
  EXPECT_TRUE(shared.finished);
}

TEST(CalculationThread, StopRequestedDuringACycleEndsAfterItWithoutHanging) {
  CalculationShared shared;
  Handshake h(shared);
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
  shared.shutdownRequested = true;
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
  CalculationShared shared;
  Handshake h(shared);
  SeedRandom(1234);
  shared.seed = CalculationSeed(RandomState());
  int first = -1;
  shared.cycle = [&] {
    if (first < 0) first = Random();
  };
  std::thread thread([&] { CalculationThreadMain(shared); });
  h.start.Set();
  ASSERT_TRUE(h.done.Wait(5000));
  shared.shutdownRequested = true;
  h.start.Set();
  thread.join();

  SeedRandom(shared.seed);
  EXPECT_EQ(first, Random());
  SeedRandom(1234);
  EXPECT_NE(first, Random()) << "the two threads must not draw the same sequence";
}

TEST(CalculationThread, TwoSaversInOneProcessDoNotSignalEachOther) {
  CalculationShared sharedA, sharedB;
  Handshake a(sharedA), b(sharedB);
  std::atomic<int> cyclesA{0}, cyclesB{0};
  sharedA.cycle = [&] { ++cyclesA; };
  sharedB.cycle = [&] { ++cyclesB; };
  std::thread threadA([&] { CalculationThreadMain(sharedA); });
  std::thread threadB([&] { CalculationThreadMain(sharedB); });
  a.start.Set();
  ASSERT_TRUE(a.done.Wait(5000));
  EXPECT_FALSE(b.done.Wait(0)) << "the other saver's frame was told of a cycle";
  EXPECT_EQ(cyclesB, 0) << "the other saver's thread ran a cycle";
  b.start.Set();
  ASSERT_TRUE(b.done.Wait(5000));
  EXPECT_FALSE(a.done.Wait(0));
  EXPECT_EQ(cyclesA, 1);
  EXPECT_EQ(cyclesB, 1);
  sharedA.shutdownRequested = true;
  sharedB.shutdownRequested = true;
  a.start.Set();
  b.start.Set();
  threadA.join();
  threadB.join();
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
