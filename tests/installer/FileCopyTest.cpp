#include "FmxUtils.h"
#include "Funkce.h"
#include "TestFiles.h"
#include "Version.h"
#include <gtest/gtest.h>

namespace {

const std::string kName = "ir41_32.ax";
const std::string kPlain = "a file without version information";
const std::string kPlainOther = "another file without version information";

// A fixture's bytes, or one of the two files without version information.
std::string Contents(const std::string& fixture) {
  if (fixture == "plain")
    return kPlain;
  if (fixture == "plain_other")
    return kPlainOther;
  return FixtureBytes(fixture);
}

std::string Message(const std::exception& e) {
  return e.what();
}

// The run's messages name the target as the expanded folder, its own
// backslash, and one more before the file name.
std::string TargetInMessage(const TempFolder& target, const std::string& name) {
  return target.Path() + "\\" + name;
}

TEST(CopyNewerFiles, FixturesCarryTheVersionsTheOrderRestsOn) {
  const struct {
    const char* fixture;
    const char* version;
  } cases[] = {
      {"v4_51_16_3", "4.51.16.3"}, {"v4_51_16_2", "4.51.16.2"}, {"v4_51_16_2_other", "4.51.16.2"},
      {"v9", "9.0.0.0"},           {"v10", "10.0.0.0"},         {"v4_5", "4.5"},
      {"v4_50", "4.50"},           {"v1_0_0", "1.0.0"},         {"v1_0_0_0", "1.0.0.0"},
      {"commas", "4, 51, 16, 3"},  {"numeric", "4.51.16.2"},
  };
  TVersionResource reader(nullptr);
  for (const auto& c : cases) {
    reader.SetFileName(KLENDO_INSTALLER_FIXTURES + std::string(c.fixture) + ".dll");
    EXPECT_EQ(reader.VersionInfo()->ProductVersion, c.version) << c.fixture;
  }
  EXPECT_NE(FixtureBytes("v4_51_16_2"), FixtureBytes("v4_51_16_2_other"));
}

TEST(CopyNewerFiles, ReplacesOnlyWhatSortsStrictlyAfterInByteOrder) {
  const struct {
    const char* source;
    const char* target;
    bool copied;
  } cases[] = {
      {"v4_51_16_3", "v4_51_16_2", true},
      {"v4_51_16_2", "v4_51_16_3", false},
      // "9" is a greater byte than "1".
      {"v9", "v10", true},
      {"v10", "v9", false},
      // A full stop is smaller than every digit.
      {"v4_50", "v4_5", true},
      {"v4_5", "v4_50", false},
      // A string sorts before every longer one that begins with it.
      {"v1_0_0_0", "v1_0_0", true},
      {"v1_0_0", "v1_0_0_0", false},
      // A comma is smaller than a full stop.
      {"commas", "numeric", false},
      {"numeric", "commas", true},
      // No version information is the empty string.
      {"plain", "v4_51_16_2", false},
      {"v4_51_16_2", "plain", true},
      {"plain", "plain_other", false},
      // Equal versions, other contents.
      {"v4_51_16_2", "v4_51_16_2_other", false},
  };
  for (const auto& c : cases) {
    TempFolder source, target;
    const std::string offered = Contents(c.source), installed = Contents(c.target);
    WriteBytes(source.Path() + kName, offered);
    WriteBytes(target.Path() + kName, installed);
    EXPECT_EQ(CopyNewerFiles(source.Path(), target.Path()), c.copied)
        << c.source << " over " << c.target;
    EXPECT_TRUE(ReadBytes(target.Path() + kName) == (c.copied ? offered : installed))
        << c.source << " over " << c.target;
  }
}

TEST(CopyNewerFiles, CopiesEveryMissingFileWhateverItsVersion) {
  TempFolder source, target;
  const std::pair<std::string, std::string> files[] = {
      {kName, FixtureBytes("v4_51_16_2")}, {"readme.txt", kPlain}, {"large.bin", Pattern(20000)}};
  for (const auto& [name, bytes] : files)
    WriteBytes(source.Path() + name, bytes);
  WriteBytes(target.Path() + "other.dat", "not the updater's");

  EXPECT_TRUE(CopyNewerFiles(source.Path(), target.Path()));
  for (const auto& [name, bytes] : files)
    EXPECT_TRUE(ReadBytes(target.Path() + name) == bytes) << name;
  EXPECT_EQ(ReadBytes(target.Path() + "other.dat"), "not the updater's");
}

TEST(CopyNewerFiles, NothingToCopyIsFalse) {
  {
    SCOPED_TRACE("only subfolders");
    TempFolder source, target;
    ::CreateDirectoryA((source.Path() + "sub").c_str(), nullptr);
    WriteBytes(source.Path() + "sub\\" + kName, FixtureBytes("v4_51_16_3"));
    EXPECT_FALSE(CopyNewerFiles(source.Path(), target.Path()));
    EXPECT_EQ(::GetFileAttributesA((target.Path() + "sub").c_str()), INVALID_FILE_ATTRIBUTES);
  }
  {
    SCOPED_TRACE("the same folder on both sides");
    TempFolder folder;
    WriteBytes(folder.Path() + kName, FixtureBytes("v4_51_16_3"));
    WriteBytes(folder.Path() + "readme.txt", kPlain);
    FILETIME before = LastWriteTime(folder.Path() + kName);
    EXPECT_FALSE(CopyNewerFiles(folder.Path(), folder.Path()));
    EXPECT_EQ(Ticks(LastWriteTime(folder.Path() + kName)), Ticks(before));
    EXPECT_TRUE(ReadBytes(folder.Path() + kName) == FixtureBytes("v4_51_16_3"));
  }
  {
    SCOPED_TRACE("no source folder");
    TempFolder target;
    EXPECT_FALSE(CopyNewerFiles(target.Path() + "missing", target.Path()));
  }
}

TEST(CopyNewerFiles, FolderInPlaceOfTheTargetFileEndsTheRun) {
  TempFolder source, target;
  WriteBytes(source.Path() + kName, FixtureBytes("v4_51_16_3"));
  ::CreateDirectoryA((target.Path() + kName).c_str(), nullptr);
  try {
    CopyNewerFiles(source.Path(), target.Path());
    FAIL() << "copied onto a folder";
  } catch (const EFCreateError& e) {
    EXPECT_EQ(Message(e), "Cannot create file " + TargetInMessage(target, kName));
  }
}

// What the run raised, with "open: " or "create: " before its message.
std::string FailureOf(const TempFolder& source, const TempFolder& target) {
  try {
    CopyNewerFiles(source.Path(), target.Path());
  } catch (const EFOpenError& e) {
    return "open: " + Message(e);
  } catch (const EFCreateError& e) {
    return "create: " + Message(e);
  }
  return "";
}

TEST(CopyNewerFiles, FilesInUseEndTheRunAndStayAsTheyWere) {
  for (bool holdTarget : {true, false}) {
    SCOPED_TRACE(holdTarget ? "target held without sharing" : "source held for writing");
    TempFolder source, target;
    const std::string from = source.Path() + kName, to = target.Path() + kName;
    WriteBytes(from, FixtureBytes("v4_51_16_3"));
    if (holdTarget)
      WriteBytes(to, FixtureBytes("v4_51_16_2"));
    HANDLE held =
        holdTarget ? ::CreateFileA(to.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)
                   : ::CreateFileA(from.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                   nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const std::string failure = FailureOf(source, target);
    ::CloseHandle(held);
    if (holdTarget) {
      EXPECT_EQ(failure, "create: Cannot create file " + TargetInMessage(target, kName));
      EXPECT_TRUE(ReadBytes(to) == FixtureBytes("v4_51_16_2"));
    } else {
      EXPECT_EQ(failure, "open: Cannot open file " + from);
      EXPECT_EQ(ReadBytes(to), "<missing>");
    }
  }
}

TEST(CopyNewerFiles, ReadOnlyInstalledFileEndsTheRun) {
  TempFolder source, target;
  const std::string to = target.Path() + kName;
  WriteBytes(source.Path() + kName, FixtureBytes("v4_51_16_3"));
  WriteBytes(to, FixtureBytes("v4_51_16_2"));
  ::SetFileAttributesA(to.c_str(), FILE_ATTRIBUTE_READONLY);
  // Wine run by root writes read-only files all the same.
  HANDLE writable =
      ::CreateFileA(to.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (writable != INVALID_HANDLE_VALUE) {
    ::CloseHandle(writable);
    GTEST_SKIP() << "read-only files are writable here";
  }
  EXPECT_EQ(FailureOf(source, target),
            "create: Cannot create file " + TargetInMessage(target, kName));
  EXPECT_TRUE(ReadBytes(to) == FixtureBytes("v4_51_16_2"));
}

TEST(CopyNewerFiles, MissingTargetFolderIsMadeWithItsParents) {
  TempFolder scratch, source;
  WriteBytes(source.Path() + kName, FixtureBytes("v4_51_16_3"));
  const std::string target = scratch.Path() + "a\\b\\c";
  EXPECT_TRUE(CopyNewerFiles(source.Path(), target));
  EXPECT_TRUE(ReadBytes(target + "\\" + kName) == FixtureBytes("v4_51_16_3"));
}

TEST(CopyNewerFiles, TrailingBackslashesMakeNoDifference) {
  for (bool sourceSlash : {false, true})
    for (bool targetSlash : {false, true}) {
      SCOPED_TRACE(testing::Message() << sourceSlash << targetSlash);
      TempFolder source, target;
      WriteBytes(source.Path() + kName, FixtureBytes("v4_51_16_3"));
      WriteBytes(source.Path() + "readme.txt", kPlain);
      WriteBytes(target.Path() + kName, FixtureBytes("v4_51_16_2"));
      auto given = [](const TempFolder& f, bool slash) {
        return slash ? f.Path() : f.Path().substr(0, f.Path().size() - 1);
      };
      EXPECT_TRUE(CopyNewerFiles(given(source, sourceSlash), given(target, targetSlash)));
      EXPECT_TRUE(ReadBytes(target.Path() + kName) == FixtureBytes("v4_51_16_3"));
      EXPECT_EQ(ReadBytes(target.Path() + "readme.txt"), kPlain);
    }
}

TEST(CopyNewerFiles, TimesBeforeDosDatesCountAsMissing) {
  {
    SCOPED_TRACE("source of 1979: skipped");
    TempFolder source, target;
    WriteBytes(source.Path() + kName, FixtureBytes("v4_51_16_3"));
    SetLastWriteTime(source.Path() + kName, TimeOfYear(1979));
    EXPECT_FALSE(CopyNewerFiles(source.Path(), target.Path()));
    EXPECT_EQ(ReadBytes(target.Path() + kName), "<missing>");
  }
  {
    SCOPED_TRACE("installed file of 1979: replaced without looking at versions");
    TempFolder source, target;
    WriteBytes(source.Path() + kName, FixtureBytes("v4_51_16_2"));
    WriteBytes(target.Path() + kName, FixtureBytes("v4_51_16_3"));
    SetLastWriteTime(target.Path() + kName, TimeOfYear(1979));
    EXPECT_TRUE(CopyNewerFiles(source.Path(), target.Path()));
    EXPECT_TRUE(ReadBytes(target.Path() + kName) == FixtureBytes("v4_51_16_2"));
  }
}

TEST(CopyNewerFiles, SourceFolderMustFitTheSearchBuffer) {
  TempFolder target;
  // With "??*.*" and its zero, 250 characters fill the 256 of the buffer.
  const std::string fits = "C:\\" + std::string(246, 'f') + "\\";
  ASSERT_EQ(fits.size(), 250u);
  EXPECT_FALSE(CopyNewerFiles(fits, target.Path()));
  const std::string tooLong = "C:\\" + std::string(247, 'f');
  try {
    CopyNewerFiles(tooLong, target.Path());
    FAIL() << "a 251-character source folder was searched";
  } catch (const EFOpenError& e) {
    EXPECT_EQ(Message(e), "Cannot open file " + tooLong + "\\??*.*");
  }
}

TEST(CopyFileTo, CopiesByteForByteWithItsOwnTimeAndNormalAttributes) {
  for (std::size_t size : {std::size_t(0), std::size_t(16384), std::size_t(20000)}) {
    SCOPED_TRACE(size);
    TempFolder source, target;
    const std::string from = source.Path() + "data.bin";
    WriteBytes(from, Pattern(size));
    SetLastWriteTime(from, TimeOfYear(2001));
    ::SetFileAttributesA(from.c_str(), FILE_ATTRIBUTE_READONLY);
    FILETIME start;
    ::GetSystemTimeAsFileTime(&start);

    CopyFileTo(from, target.Path());
    CopyFileTo(from, target.Path() + "renamed.bin");
    for (const char* name : {"data.bin", "renamed.bin"}) {
      const std::string to = target.Path() + name;
      EXPECT_TRUE(ReadBytes(to) == Pattern(size)) << name;
      EXPECT_EQ(::GetFileAttributesA(to.c_str()) & FILE_ATTRIBUTE_READONLY, 0u) << name;
      // File systems keep times coarser than the clock: two seconds of slack.
      EXPECT_GE(Ticks(LastWriteTime(to)) + 20'000'000, Ticks(start)) << name;
    }
  }
}

// Wine hands these Linux files through: one that fails every read, one that
// takes no byte.
TEST(CopyFileTo, FailedReadOrWriteIsReportedNotCopied) {
  TempFolder scratch;
  try {
    CopyFileTo("Z:\\proc\\self\\mem", scratch.Path() + "mem.bin");
    FAIL() << "an unreadable file counted as copied";
  } catch (const ECopyError& e) {
    EXPECT_EQ(Message(e), "Cannot read file Z:\\proc\\self\\mem");
  }
  WriteBytes(scratch.Path() + "data.bin", Pattern(20000));
  try {
    CopyFileTo(scratch.Path() + "data.bin", "Z:\\dev\\full");
    FAIL() << "a full disc counted as copied";
  } catch (const EStreamError& e) {
    EXPECT_NE(dynamic_cast<const ECopyError*>(&e), nullptr);
    EXPECT_EQ(Message(e), "Cannot write file Z:\\dev\\full");
  }
}

TEST(CopyFileTo, DestinationBeyondTheFullPathBufferFails) {
  TempFolder scratch;
  WriteBytes(scratch.Path() + "data.bin", kPlain);
  const std::string destination = scratch.Path() + std::string(300, 'd') + "\\data.bin";
  try {
    CopyFileTo(scratch.Path() + "data.bin", destination);
    FAIL() << "copied to a path longer than the buffer";
  } catch (const EFCreateError& e) {
    EXPECT_EQ(Message(e), "Cannot create file " + destination);
  }
}

TEST(CopyFileTo, MissingSourceTouchesNoTarget) {
  TempFolder scratch;
  try {
    CopyFileTo(scratch.Path() + "missing.bin", scratch.Path());
    FAIL();
  } catch (const EFOpenError& e) {
    EXPECT_EQ(Message(e), "Cannot open file " + scratch.Path() + "missing.bin");
  }
  EXPECT_EQ(ReadBytes(scratch.Path() + "missing.bin"), "<missing>");
}

TEST(AddBackslash, OnlyABackslashCounts) {
  EXPECT_EQ(AddBackslash("C:\\Disc\\"), "C:\\Disc\\");
  EXPECT_EQ(AddBackslash("C:\\Disc"), "C:\\Disc\\");
  EXPECT_EQ(AddBackslash("C:"), "C:\\");
  EXPECT_EQ(AddBackslash("C:/Disc/"), "C:/Disc/\\");
}

} // namespace
