#include "Environment.h"
#include "SysUtils.h"
#include <gtest/gtest.h>

namespace {

TEST(Paths, FolderIsCutAfterTheLastBackslashOrColon) {
  const struct {
    const char* path;
    const char* folder;
  } cases[] = {
      {"C:\\Disc\\Klendo.exe", "C:\\Disc\\"},
      {"C:\\Disc Copy\\Klendo.exe", "C:\\Disc Copy\\"},
      {"\\\\server\\share\\Klendo.exe", "\\\\server\\share\\"},
      {"D:Klendo.exe", "D:"},
      {"C:\\a:b\\c", "C:\\a:b\\"},
      {"Klendo.exe", ""},
      {"C:\\Disc\\", "C:\\Disc\\"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ExtractFilePath(c.path), c.folder) << c.path;
    EXPECT_EQ(ExtractFilePath(c.path) + ExtractFileName(c.path), c.path);
  }
}

TEST(Paths, ExeFolderIsThisProgramsFolder) {
  std::string folder = ExeFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '\\');
  EXPECT_EQ(folder + ExtractFileName(ExeFileName()), ExeFileName());
  EXPECT_EQ(AsciiLowerCase(ExtractFileName(ExeFileName())), "unit_tests.exe");
}

TEST(Paths, CaseFoldingTouchesOnlyAsciiLetters) {
  EXPECT_EQ(AsciiUpperCase("mailto:\xe8\xed z@[`{"), "MAILTO:\xe8\xed Z@[`{");
  EXPECT_EQ(AsciiLowerCase("KONEC \xc8\xcd Z@[`{"), "konec \xc8\xcd z@[`{");
}

} // namespace
