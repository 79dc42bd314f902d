#include "platform/TextMode.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using platform::FromTextMode;
using platform::TextModeReader;
using platform::ToTextMode;

TEST(TextMode, WritingTurnsEveryLfIntoCrLf) {
  EXPECT_EQ(ToTextMode("a\nb\n"), "a\r\nb\r\n");
  EXPECT_EQ(ToTextMode("\n\n"), "\r\n\r\n");
  EXPECT_EQ(ToTextMode("no break"), "no break");
  EXPECT_EQ(ToTextMode("cr\r\n"), "cr\r\r\n");
}

TEST(TextMode, ReadingTurnsCrLfIntoLfAndStopsAtEofByte) {
  struct Case {
    std::string raw, logical;
  } cases[] = {
      {"a\r\nb\r\n", "a\nb\n"}, {"lone\rcr", "lone\rcr"}, {"end\r", "end\r"},
      {"cut\x1Ahere", "cut"},   {"\r\r\n", "\r\n"},        {"x\r\x1A", "x\r"},
  };
  for (const Case& c : cases) EXPECT_EQ(FromTextMode(c.raw), c.logical) << c.raw;
}

TEST(TextMode, BlocksSplitBetweenCrAndLfReadAsOne) {
  TextModeReader reader;
  std::string out;
  reader.Feed("line\r", out);
  reader.Feed("\nnext\r", out);
  reader.Feed("x", out);
  reader.Finish(out);
  EXPECT_EQ(out, "line\nnext\rx");
}

}  // namespace
