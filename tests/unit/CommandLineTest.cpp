#include "CommandLine.h"
#include <gtest/gtest.h>

namespace {

struct Case {
  const char* line;
  int index;
  const char* item;
};

TEST(CommandLine, SplitsItemsLikeTheInstallationDecision) {
  const Case cases[] = {
      {"klendo.exe", 1, ""},
      {"klendo.exe s", 1, "s"},
      {"klendo.exe S", 1, "S"},
      {"klendo.exe \"s\"", 1, "s"},
      {"klendo.exe -s", 1, "-s"},
      {"klendo.exe x s", 1, "x"},
      {"klendo.exe x s", 2, "s"},
      {"klendo.exe x s", 3, ""},
      // Runs of any control character or blank separate items.
      {"klendo.exe\t\x01\x1f  s  ", 1, "s"},
      // A quoted program path keeps its blanks; unquoted it splits.
      {"\"C:\\Disc Copy\\klendo.exe\" s", 0, "C:\\Disc Copy\\klendo.exe"},
      {"\"C:\\Disc Copy\\klendo.exe\" s", 1, "s"},
      {"C:\\Disc Copy\\klendo.exe s", 1, "Copy\\klendo.exe"},
      // Quotes inside an item are dropped and join what they enclose.
      {"a b\"c d\"e f", 1, "bc de"},
      {"a \"open to the end", 1, "open to the end"},
      // A leading pair of quotes is skipped like a blank, an inner one is not.
      {"a \"\"s", 1, "s"},
      {"a \"\" s", 1, "s"},
      {"a \"\"\"\" s t", 1, "s"},
      {"a x\"\"y", 1, "xy"},
      // Bytes above 127 belong to items.
      {"a \xe8s", 1, "\xe8s"},
      {"", 0, ""},
      {"   ", 0, ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ParamStrOf(c.line, c.index), c.item) << "line [" << c.line << "] item " << c.index;
}

TEST(CommandLine, StopsAtAnEmbeddedZero) {
  EXPECT_EQ(ParamStrOf(std::string_view("a\0s", 3), 1), "");
}

} // namespace
