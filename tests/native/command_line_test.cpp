#include <gtest/gtest.h>

#include "shell/command_line.h"

namespace sorvane {

TEST(CommandLine, NoSwitchSaverAndUnknownLettersRunTheSaver) {
  EXPECT_EQ(ParseCommandLine("Sorvane.scr").mode, RunMode::Saver);
  EXPECT_EQ(ParseCommandLine("Sorvane.scr /s").mode, RunMode::Saver);
  EXPECT_EQ(ParseCommandLine("Sorvane.scr /x 12").mode, RunMode::Saver);
  EXPECT_EQ(ParseCommandLine("Sorvane.scr /x 12").parentWindow, 0u);
  EXPECT_EQ(ParseCommandLine("Sorvane.scr /").mode, RunMode::Saver);
  EXPECT_EQ(ParseCommandLine("").mode, RunMode::Saver);
}

TEST(CommandLine, WindowNumberFollowsTheSwitchInAnyForm) {
  for (const char* text : {"Sorvane.scr /p 1234", "Sorvane.scr /p:1234", "Sorvane.scr -P1234"}) {
    CommandLine c = ParseCommandLine(text);
    EXPECT_EQ(c.mode, RunMode::Preview) << text;
    EXPECT_EQ(c.parentWindow, 1234u) << text;
  }
  CommandLine bare = ParseCommandLine("Sorvane.scr /p");
  EXPECT_EQ(bare.mode, RunMode::Preview);
  EXPECT_EQ(bare.parentWindow, 0u);
  EXPECT_EQ(ParseCommandLine("Sorvane.scr /a 77").mode, RunMode::Password);
  EXPECT_EQ(ParseCommandLine("Sorvane.scr /a 77").parentWindow, 77u);
}

TEST(CommandLine, ConfigureInItsFormsChecksForAnOpenSettingsWindow) {
  for (const char* text : {"Sorvane.scr -c", "Sorvane.scr /C:0", "Sorvane.scr /c"}) {
    CommandLine c = ParseCommandLine(text);
    EXPECT_EQ(c.mode, RunMode::Configure) << text;
    EXPECT_EQ(c.parentWindow, 0u) << text;
    EXPECT_TRUE(c.checkSettingsWindow) << text;
  }
  CommandLine test = ParseCommandLine("Sorvane.scr /t 99");
  EXPECT_EQ(test.mode, RunMode::Test);
  EXPECT_EQ(test.parentWindow, 0u);
  EXPECT_TRUE(test.checkSettingsWindow);
  EXPECT_FALSE(ParseCommandLine("Sorvane.scr /p 5").checkSettingsWindow);
}

TEST(CommandLine, QuotedProgramPathWithBlanksAndDashesIsSkippedWhole) {
  CommandLine c = ParseCommandLine("\"C:\\Program Files\\my-saver dir\\Sorvane.scr\" /c:4242");
  EXPECT_EQ(c.mode, RunMode::Configure);
  EXPECT_EQ(c.parentWindow, 4242u);
  EXPECT_EQ(ParseCommandLine("\"C:\\a-b\\Sorvane.scr\"").mode, RunMode::Saver);
  // An unterminated quote swallows the whole line.
  EXPECT_EQ(ParseCommandLine("\"C:\\x /c").mode, RunMode::Saver);
}

TEST(CommandLine, HugeWindowNumberSaturatesInsteadOfWrapping) {
  EXPECT_EQ(ParseCommandLine("s /p 99999999999999999999").parentWindow, 0x7FFFFFFFu);
}

}  // namespace sorvane
