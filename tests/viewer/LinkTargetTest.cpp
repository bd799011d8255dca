// How the control reads a link's target that it follows itself.
#include "LinkTarget.h"
#include <gtest/gtest.h>

namespace {

TEST(LinkTarget, SplitsAtTheFirstHash) {
  struct Case {
    const char* target;
    const char* file;
    const char* position;
  } cases[] = {
      {"page.htm", "page.htm", ""},
      {"page.htm#top", "page.htm", "top"},
      {"#top", "", "top"},
      {"a.htm#b#c", "a.htm", "b#c"},
      {"", "", ""},
      {"#", "", ""},
  };
  for (const Case& c : cases) {
    LinkTarget t = SplitTarget(c.target);
    EXPECT_EQ(t.file, c.file) << c.target;
    EXPECT_EQ(t.position, c.position) << c.target;
  }
}

TEST(LinkTarget, PathsAreTakenAgainstThePageFolder) {
  const char* folder = "C:\\Disc\\Info\\";
  EXPECT_EQ(ResolveAgainst(folder, "next.htm"), "C:\\Disc\\Info\\next.htm");
  EXPECT_EQ(ResolveAgainst(folder, "pics/a.gif"), "C:\\Disc\\Info\\pics/a.gif");
  EXPECT_EQ(ResolveAgainst(folder, "..\\up.htm"), "C:\\Disc\\Info\\..\\up.htm");
  // The secure web scheme is not a drive: it stays a (strange) relative path.
  EXPECT_EQ(ResolveAgainst(folder, "https://x.example/a.htm"),
            "C:\\Disc\\Info\\https://x.example/a.htm");
  EXPECT_EQ(ResolveAgainst(folder, "D:\\other.htm"), "D:\\other.htm");
  EXPECT_EQ(ResolveAgainst(folder, "\\\\server\\share\\a.htm"), "\\\\server\\share\\a.htm");
  EXPECT_EQ(FolderOf("C:\\Disc\\Info\\index.htm"), "C:\\Disc\\Info\\");
  EXPECT_EQ(FolderOf("C:\\Disc\\Info\\pics/a.gif"), "C:\\Disc\\Info\\pics/");
  EXPECT_EQ(FolderOf("index.htm"), "");
}

TEST(LinkTarget, KindFollowsTheUpperCasedExtension) {
  struct Case {
    const char* file;
    TargetKind kind;
  } cases[] = {
      {"a.htm", TargetKind::Page},          {"a.HTML", TargetKind::Page},
      {"A.Htm", TargetKind::Page},          {"dir.htm\\a", TargetKind::Other},
      {"dir.htm/a", TargetKind::Other},     {"a.htmx", TargetKind::Other},
      {"a.bmp", TargetKind::Picture},       {"a.GIF", TargetKind::Picture},
      {"a.jpg", TargetKind::Picture},       {"a.Jpeg", TargetKind::Picture},
      {"a.png", TargetKind::Picture},       {"a.txt", TargetKind::Other},
      {"KONEC", TargetKind::Other},         {"", TargetKind::Other},
      {"mailto:a@b.htm", TargetKind::Page},
  };
  for (const Case& c : cases)
    EXPECT_EQ(KindOf(c.file), c.kind) << c.file;
}

} // namespace
