#include "ErrorReport.h"
#include <gtest/gtest.h>

namespace {

TEST(ErrorReport, AddsAFullStopAfterCharactersThatSortAfterIt) {
  const struct {
    const char* message;
    const char* shown;
  } cases[] = {
      {"Can't locate file: C:\\Info\\index.htm", "Can't locate file: C:\\Info\\index.htm."},
      {"Done.", "Done."},
      {"Ends in a blank ", "Ends in a blank "},
      {"Ends in a comma,", "Ends in a comma,"},
      {"Ends in a slash/", "Ends in a slash/."},
      {"Ends in a digit 7", "Ends in a digit 7."},
      {"Ends in a bang!", "Ends in a bang!"},
      {"Ends in \xe1", "Ends in \xe1."},
      {"", ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ErrorReportText(c.message), c.shown) << c.message;
}

TEST(ErrorReport, TitleIsTheFileNameCutAtItsFirstFullStop) {
  const struct {
    const char* path;
    const char* title;
  } cases[] = {
      {"C:\\Disc\\Klendo.exe", "Klendo"},
      {"D:\\KLENDO.EXE", "Klendo"},
      {"klendo.exe", "klendo"},
      {"\\\\server\\share\\My.Launcher.exe", "My"},
      {"C:KLENDO_LAN.EXE", "Klendo_lan"},
      {"C:\\a\\X.exe", "X"},
      {"C:\\a\\.exe", ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ApplicationTitleOf(c.path), c.title) << c.path;
}

} // namespace
