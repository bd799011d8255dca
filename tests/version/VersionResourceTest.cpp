// The version reader on real files: the test program itself (see
// version_tests.rc) and the fixture DLLs built beside it.
#include "Environment.h"
#include "SysUtils.h"
#include "Version.h"
#include <gtest/gtest.h>
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <typeinfo>

namespace {

using Fields = std::map<std::string, std::string>;

const char* const kFieldNames[] = {
    "Comment",        "CompanyName",     "FileDescription",  "FileVersion",  "InternalName",
    "LegalCopyright", "LegalTradeMarks", "OriginalFileName", "PrivateBuild", "ProductName",
    "ProductVersion", "SpecialBuild",    "FileOS",           "FileType",     "FileSubType"};

// All fifteen fields: those named in expected hold its texts, all others are empty.
void ExpectFields(const TVersionInfo& info, const Fields& expected) {
  const std::string* values[] = {
      &info.Comment,      &info.CompanyName,    &info.FileDescription, &info.FileVersion,
      &info.InternalName, &info.LegalCopyright, &info.LegalTradeMarks, &info.OriginalFileName,
      &info.PrivateBuild, &info.ProductName,    &info.ProductVersion,  &info.SpecialBuild,
      &info.FileOS,       &info.FileType,       &info.FileSubType};
  std::size_t named = 0;
  for (std::size_t i = 0; i < std::size(kFieldNames); ++i) {
    auto it = expected.find(kFieldNames[i]);
    named += it != expected.end();
    EXPECT_EQ(*values[i], it == expected.end() ? "" : it->second) << kFieldNames[i];
  }
  EXPECT_EQ(named, expected.size()) << "a field name in the expectation is misspelt";
}

std::string Fixture(const std::string& name) {
  return KLENDO_VERSION_FIXTURES + name;
}

// What version_tests.rc declares: every field filled, so that a read which
// leaves anything behind shows.
const Fields kOwnFields = {{"Comment", "Tests of the version reader"},
                           {"CompanyName", "Klendo"},
                           {"FileDescription", "Version reader tests"},
                           {"FileVersion", "3.1.4.1"},
                           {"InternalName", "version_tests"},
                           {"LegalCopyright", "Klendo team"},
                           {"LegalTradeMarks", "none"},
                           {"OriginalFileName", "version_tests.exe"},
                           {"PrivateBuild", "test build"},
                           {"ProductName", "Klendo"},
                           {"ProductVersion", "2.7 tests"},
                           {"SpecialBuild", "tests only"},
                           {"FileOS", "Windows NT with 32 bit Windows"},
                           {"FileType", "Application"}};

const Fields kStringsFixed = {{"FileVersion", "4.51.16.2"},
                              {"ProductVersion", "4.51.16.2"},
                              {"FileOS", "32 bit Windows"},
                              {"FileType", "Device Driver"},
                              {"FileSubType", "Communications"}};

Fields With(Fields fields, const Fields& more) {
  for (const auto& [name, value] : more)
    fields[name] = value;
  return fields;
}

TEST(VersionResource, NewReaderDescribesTheRunningProgram) {
  TComponent owner(nullptr);
  auto* reader = new TVersionResource(&owner); // the owner frees it
  EXPECT_EQ(reader->FileName(), ExeFileName());
  EXPECT_FALSE(reader->FileNameStored());
  EXPECT_EQ(reader->Language(), lnUSEnglish);
  EXPECT_EQ(reader->CharacterSet(), csMultilingual);
  ExpectFields(*reader->VersionInfo(), kOwnFields);
  ASSERT_EQ(owner.ComponentCount(), 1u);
  EXPECT_EQ(owner.Components(0), reader);
}

struct FileCase {
  const char* name;
  std::string file;
  Fields expected;
};

void PrintTo(const FileCase& c, std::ostream* os) {
  *os << c.name;
}

class VersionResourceFile : public testing::TestWithParam<FileCase> {};

// Each reader first describes the test program, with every field filled.
TEST_P(VersionResourceFile, Reads) {
  TVersionResource reader(nullptr);
  reader.SetFileName(GetParam().file);
  ExpectFields(*reader.VersionInfo(), GetParam().expected);
}

Fields Kind(const char* os, const char* type, const char* subtype) {
  return {{"FileVersion", "1.0.0.0"},
          {"ProductVersion", "1.0.0.0"},
          {"FileOS", os},
          {"FileType", type},
          {"FileSubType", subtype}};
}

const Fields kNothing;

INSTANTIATE_TEST_SUITE_P(
    Files, VersionResourceFile,
    testing::Values(FileCase{"NumbersOnly",
                             Fixture("numeric.dll"),
                             {{"FileVersion", "65535.0.10.65535"},
                              {"ProductVersion", "4.51.16.2"},
                              {"FileOS", "Windows NT with 32 bit Windows"},
                              {"FileType", "Dynamic-Link Library"}}},
                    // The table's own "FileVersion" is never read.
                    FileCase{"DefaultTable", Fixture("strings.dll"),
                             With(kStringsFixed, {{"Comment", "Every key"},
                                                  {"CompanyName", "Klendo Fixtures"},
                                                  {"FileDescription", "A driver with strings"},
                                                  {"InternalName", "strings"},
                                                  {"LegalCopyright", "Nobody"},
                                                  {"LegalTradeMarks", "None"},
                                                  {"OriginalFileName", "strings.dll"},
                                                  {"PrivateBuild", "private"},
                                                  {"ProductName", "Fixture product"},
                                                  {"ProductVersion", "4, 51, 16, 3 Beta "},
                                                  {"SpecialBuild", "special"}})},
                    FileCase{"OnlyUnicodeTable",
                             Fixture("unicode.dll"),
                             {{"FileVersion", "1.0.0.0"},
                              {"ProductVersion", "2.0.0.7"},
                              {"FileOS", "32 bit Windows"},
                              {"FileType", "Dynamic-Link Library"}}},
                    FileCase{"EmptyProductVersionString",
                             Fixture("emptyversion.dll"),
                             {{"FileVersion", "1.2.3.4"},
                              {"FileOS", "32 bit Windows"},
                              {"FileType", "Dynamic-Link Library"}}},
                    // Each value is cut at its zero, its reported length or the block's
                    // end; read on to a zero, they would take in the bytes that follow.
                    FileCase{"ValuesWithoutZeros",
                             Fixture("unterminated.dll"),
                             {{"Comment", "first line"},
                              {"CompanyName", "Klendo"},
                              {"LegalCopyright", "(c) Klendo"},
                              {"ProductName", "Klendo CD"},
                              {"ProductVersion", "2, 0, beta"},
                              {"FileVersion", "1.2.3.4"},
                              {"FileOS", "32 bit Windows"},
                              {"FileType", "Dynamic-Link Library"}}},
                    FileCase{"StringsWithoutFixedInformation", Fixture("nofixed.dll"), kNothing},
                    FileCase{"DllWithoutVersion", Fixture("noversion.dll"), kNothing},
                    FileCase{"PlainTextFile", KLENDO_PLAIN_FILE, kNothing},
                    FileCase{"MissingFile", Fixture("missing.dll"), kNothing},
                    FileCase{"EmptyName", "", kNothing},
                    FileCase{"NtApplication", Fixture("kind_nt_app.dll"),
                             Kind("Windows NT with 32 bit Windows", "Application", "")},
                    FileCase{"UnknownOsAndType", Fixture("kind_unknown.dll"),
                             Kind("Unknown", "Unknown", "")},
                    FileCase{"DosSoundDriver", Fixture("kind_dos_sound.dll"),
                             Kind("Windows 3.0 or later with MS-Dos", "Device Driver", "Sound")},
                    FileCase{"UnknownDriver", Fixture("kind_win32_driver.dll"),
                             Kind("32 bit Windows", "Device Driver", "Unknown")},
                    FileCase{"TrueTypeFont", Fixture("kind_os2_truetype.dll"),
                             Kind("32 bit OS/2 with Presentation Manager", "Font", "TrueType")},
                    FileCase{"VirtualDeviceDriver", Fixture("kind_os2_vxd.dll"),
                             Kind("16 bit OS/2", "Virtual Device Driver", "")},
                    FileCase{"StaticLibrary", Fixture("kind_win16_static.dll"),
                             Kind("Windows 3.0 or later", "Static-Link Library", "")}),
    [](const testing::TestParamInfo<FileCase>& info) { return std::string(info.param.name); });

TEST(VersionResource, LanguageAndCharacterSetNameTheTable) {
  TVersionResource reader(nullptr);
  reader.SetFileName(Fixture("strings.dll"));
  reader.SetLanguage(lnCzech); // 040504E4: no such table
  ExpectFields(*reader.VersionInfo(), kStringsFixed);
  reader.SetCharacterSet(csLatin2);
  ExpectFields(*reader.VersionInfo(),
               With(kStringsFixed, {{"CompanyName", "Klendo CZ"}, {"ProductVersion", "5, 0 CZ"}}));

  reader.SetLanguage(lnUSEnglish);
  reader.SetCharacterSet(csUnicode);
  reader.SetFileName(Fixture("unicode.dll"));
  ExpectFields(*reader.VersionInfo(), {{"CompanyName", "Unicode Klendo"},
                                       {"ProductVersion", "2.0 Unicode"},
                                       {"FileVersion", "1.0.0.0"},
                                       {"FileOS", "32 bit Windows"},
                                       {"FileType", "Dynamic-Link Library"}});
}

TEST(VersionResource, EveryWriteReadsAgainAndThenCallsOnChangeOnce) {
  TVersionResource reader(nullptr);
  int calls = 0;
  TObject* sender = nullptr;
  std::string seen;
  reader.OnChange = [&](TObject* s) {
    ++calls;
    sender = s;
    seen = reader.VersionInfo()->ProductVersion;
  };
  TVersionInfo& info = *reader.VersionInfo();
  const std::string strings = Fixture("strings.dll");

  reader.SetFileName(strings);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(sender, &reader);
  EXPECT_EQ(seen, "4, 51, 16, 3 Beta "); // the read comes first

  // Unchanged values are read again all the same.
  const std::function<void()> writes[] = {[&] { reader.SetFileName(strings); },
                                          [&] { reader.SetLanguage(lnUSEnglish); },
                                          [&] { reader.SetCharacterSet(csMultilingual); }};
  for (const auto& write : writes) {
    info.ProductVersion = "changed by hand";
    int before = calls;
    write();
    EXPECT_EQ(calls, before + 1);
    EXPECT_EQ(info.ProductVersion, "4, 51, 16, 3 Beta ");
  }
}

TEST(VersionResource, FileNameIsStoredOnlyWhenItIsNotTheRunningProgram) {
  TVersionResource reader(nullptr);
  reader.SetFileName(Fixture("numeric.dll"));
  EXPECT_TRUE(reader.FileNameStored());
  reader.SetFileName(ExeFileName());
  EXPECT_FALSE(reader.FileNameStored());
  // The comparison minds letter case; Windows, reading the file, does not.
  reader.SetFileName(AsciiUpperCase(ExeFileName()));
  EXPECT_TRUE(reader.FileNameStored());
  ExpectFields(*reader.VersionInfo(), kOwnFields);
}

TEST(VersionResource, OutOfRangeValueThrowsAfterTheFixedInformationAndStaysStored) {
  const std::function<void(TVersionResource&)> casts[] = {
      [](TVersionResource& r) { r.SetLanguage(TLanguage(lnSwissFrench + 1)); },
      [](TVersionResource& r) { r.SetCharacterSet(TCharacterSet(csArabic + 1)); }};
  for (const auto& cast : casts) {
    TVersionResource reader(nullptr);
    reader.SetFileName(Fixture("strings.dll"));
    int calls = 0;
    reader.OnChange = [&](TObject*) { ++calls; };
    auto expectThrow = [&](const std::function<void()>& write) {
      try {
        write();
        ADD_FAILURE() << "no exception";
      } catch (const Exception& e) {
        EXPECT_EQ(typeid(e), typeid(Exception));
        EXPECT_EQ(e.Message(), "");
      }
      // The table is never consulted: the numeric product version stays.
      ExpectFields(*reader.VersionInfo(), kStringsFixed);
    };
    expectThrow([&] { cast(reader); });
    expectThrow([&] { reader.SetFileName(Fixture("strings.dll")); });
    EXPECT_EQ(calls, 0);
    EXPECT_TRUE(reader.Language() > lnSwissFrench || reader.CharacterSet() > csArabic);

    // Without fixed information the read ends before the table's name is made.
    reader.SetFileName(Fixture("nofixed.dll"));
    ExpectFields(*reader.VersionInfo(), kNothing);
    EXPECT_EQ(calls, 1);
  }
}

} // namespace
