// The page's query string, checked as a property over random queries that mix
// pairs the hack takes with pairs it would refuse (unknown names, the options
// that choose a window or a file, values that are none, a switch given a
// value): the page must come to what the hack makes of the good pairs alone,
// with one warning more for each bad pair, ask for a snapshot exactly when a
// good pair gives a frame, and take a seed exactly when one gives a seed.
#include <gtest/gtest.h>

#include <random>

#include "shell/query_options.h"

namespace sorvane {

namespace {

using Pair = std::pair<std::string, std::string>;

class QueryMaker {
 public:
  explicit QueryMaker(uint32_t seed) : random_(seed) {}

  size_t Pick(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random_); }

  // A pair the hack takes, and its words on the hack's command line.
  Pair Good(std::vector<std::string>& words) {
    static const char* const numbers[] = {"fish", "plants", "ruins", "speed", "volume", "seed", "frames"};
    static const char* const switches[] = {"wide", "music", "sound", "fps"};
    static const char* const schemes[] = {"tropic", "blue", "deep", "random"};
    Pair pair;
    switch (Pick(3)) {
      case 0: pair = {numbers[Pick(std::size(numbers))], std::to_string(static_cast<int>(Pick(300)) - 100)}; break;
      case 1: pair = {switches[Pick(std::size(switches))], ""}; break;
      default: pair = {"scheme", schemes[Pick(std::size(schemes))]}; break;
    }
    words.push_back("--" + pair.first);
    if (!pair.second.empty()) words.push_back(pair.second);
    return pair;
  }

  Pair Bad() {
    static const Pair bad[] = {
        {"bogus", "1"},   {"Fish", "2"},          {"", ""},
        {"window", ""},   {"root", ""},           {"window-id", "0x400007"},
        {"snapshot", "x.png"}, {"help", ""},      {"fish", "many"},
        {"plants", ""},   {"volume", "<b>5</b>"}, {"seed", "7.5"},
        {"scheme", "Blue"}, {"scheme", "<img src=x onerror=alert(1)>"}, {"wide", "1"},
        {"fps", "yes"},   {"-fish", "3"},         {"frames", "1e3"},
    };
    return bad[Pick(std::size(bad))];
  }

 private:
  std::mt19937 random_;
};

}  // namespace

TEST(QueryOptions, BadPairsAreLeftOutWithAWarningAndSpoilNothing) {
  QueryMaker maker(20261208);
  for (int trial = 0; trial < 3000; ++trial) {
    std::vector<Pair> query;
    std::vector<std::string> words;
    size_t bad = 0;
    bool snapshot = false;
    bool seeded = false;
    const size_t length = maker.Pick(10);
    for (size_t i = 0; i < length; ++i) {
      if (maker.Pick(3) == 0) {
        query.push_back(maker.Bad());
        ++bad;
      } else {
        query.push_back(maker.Good(words));
        snapshot = snapshot || query.back().first == "frames";
        seeded = seeded || query.back().first == "seed";
      }
    }
    std::string text;
    for (const auto& [name, value] : query) text += " [" + name + "=" + value + "]";
    SCOPED_TRACE(text);

    const ParsedOptions hack = ParseHackOptions(words);
    ASSERT_EQ(hack.outcome, ParseOutcome::Run);
    QueryOptions page = ParseQueryOptions(query);
    EXPECT_EQ(page.warnings.size(), hack.warnings.size() + bad);
    EXPECT_EQ(page.snapshot, snapshot);
    EXPECT_EQ(page.seeded, seeded);
    HackOptions expected = hack.options;
    const Settings s = LoadSettings(page.options.settings);
    const Settings e = LoadSettings(expected.settings);
    EXPECT_EQ(s.detailLevelFish, e.detailLevelFish);
    EXPECT_EQ(s.detailLevelPlant, e.detailLevelPlant);
    EXPECT_EQ(s.detailLevelWreck, e.detailLevelWreck);
    EXPECT_EQ(s.camSpeed, e.camSpeed);
    EXPECT_EQ(s.colorScheme, e.colorScheme);
    EXPECT_EQ(s.wideScreen, e.wideScreen);
    EXPECT_EQ(s.playMusic, e.playMusic);
    EXPECT_EQ(s.playSound, e.playSound);
    EXPECT_EQ(s.volume, e.volume);
    EXPECT_EQ(page.options.fps, expected.fps);
    EXPECT_EQ(page.options.seed, expected.seed);
    EXPECT_EQ(page.options.frames, expected.frames);
    EXPECT_EQ(page.options.window, WindowRequest::Own);
    EXPECT_TRUE(page.options.snapshot.empty());
  }
}

}  // namespace sorvane
