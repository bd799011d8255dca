// The texts that the version reader makes of a resource's parts.
#include "VersionText.h"
#include <gtest/gtest.h>
#include <array>
#include <cstdint>
#include <typeinfo>

namespace {

TEST(VersionText, StringTablePrefixIsLanguageThenCodePageInUpperCaseHex) {
  EXPECT_EQ(StringTablePrefix(lnUSEnglish, csMultilingual), "\\StringFileInfo\\040904E4\\");
  EXPECT_EQ(StringTablePrefix(lnSwissFrench, csUnicode), "\\StringFileInfo\\100C04B0\\");
  EXPECT_EQ(StringTablePrefix(lnCanadianFrench, csASCII), "\\StringFileInfo\\0C0C0000\\");
}

TEST(VersionText, EveryLanguageAndCodePageInTheirOrder) {
  const char* languages[] = {"0401", "0402", "0403", "0404", "0405", "0406", "0407", "0408",
                             "0409", "040A", "040B", "040C", "040D", "040E", "040F", "0410",
                             "0411", "0412", "0413", "0414", "0415", "0416", "0417", "0418",
                             "0419", "041A", "041B", "041C", "041D", "041E", "041F", "0420",
                             "0421", "0804", "0807", "0809", "080A", "080C", "0810", "0813",
                             "0814", "0816", "081A", "0C0C", "100C"};
  const char* codePages[] = {"0000", "03A4", "03B5", "03B6", "04B0", "04E2",
                             "04E3", "04E4", "04E5", "04E6", "04E7", "04E8"};
  static_assert(std::size(languages) == lnSwissFrench + 1);
  static_assert(std::size(codePages) == csArabic + 1);
  for (unsigned i = 0; i < std::size(languages); ++i)
    EXPECT_EQ(StringTablePrefix(TLanguage(i), csASCII).substr(16, 8),
              languages[i] + std::string("0000"))
        << "language " << i;
  for (unsigned i = 0; i < std::size(codePages); ++i)
    EXPECT_EQ(StringTablePrefix(lnUSEnglish, TCharacterSet(i)).substr(16, 8),
              "0409" + std::string(codePages[i]))
        << "code page " << i;
}

TEST(VersionText, ValueOutsideItsEnumerationThrowsExceptionWithoutMessage) {
  const std::pair<TLanguage, TCharacterSet> cases[] = {{TLanguage(45), csMultilingual},
                                                       {TLanguage(255), csMultilingual},
                                                       {lnUSEnglish, TCharacterSet(12)},
                                                       {lnUSEnglish, TCharacterSet(255)}};
  for (auto [language, characterSet] : cases) {
    try {
      StringTablePrefix(language, characterSet);
      ADD_FAILURE() << int(language) << " " << int(characterSet);
    } catch (const Exception& e) {
      EXPECT_EQ(typeid(e), typeid(Exception));
      EXPECT_EQ(e.Message(), "");
    }
  }
}

TEST(VersionText, VersionNumberIsFourDecimalHalvesJoinedByFullStops) {
  EXPECT_EQ(VersionNumberText(0x00040033, 0x00100002), "4.51.16.2");
  EXPECT_EQ(VersionNumberText(0, 0), "0.0.0.0");
  EXPECT_EQ(VersionNumberText(0xFFFFFFFF, 0xFFFF000A), "65535.65535.65535.10");
}

TEST(VersionText, OperatingSystemNames) {
  const std::pair<std::uint32_t, const char*> cases[] = {
      {0x1, "Windows 3.0 or later"},
      {0x2, "16 bit OS/2 Presentation Manager"},
      {0x3, "32 bit OS/2 Presentation Manager"},
      {0x4, "32 bit Windows"},
      {0x10000, "MS-Dos"},
      {0x10001, "Windows 3.0 or later with MS-Dos"},
      {0x10004, "32 bit Windows with MS-Dos"},
      {0x20000, "16 bit OS/2"},
      {0x20002, "16 bit OS/2 with Presentation Manager"},
      {0x30000, "32 bit OS/2"},
      {0x30003, "32 bit OS/2 with Presentation Manager"},
      {0x40000, "Windows NT"},
      {0x40004, "Windows NT with 32 bit Windows"},
      {0x0, "Unknown"},
      {0x5, "Unknown"},
      {0x10002, "Unknown"},
      {0x50000, "Unknown"},
      {0xFFFFFFFF, "Unknown"}};
  for (auto [os, text] : cases)
    EXPECT_STREQ(FileOSText(os), text) << std::hex << os;
}

TEST(VersionText, FileTypeNames) {
  const char* texts[] = {"Unknown",
                         "Application",
                         "Dynamic-Link Library",
                         "Device Driver",
                         "Font",
                         "Virtual Device Driver",
                         "Unknown",
                         "Static-Link Library",
                         "Unknown"};
  for (std::uint32_t type = 0; type < std::size(texts); ++type)
    EXPECT_STREQ(FileTypeText(type), texts[type]) << type;
  EXPECT_STREQ(FileTypeText(0xFFFFFFFF), "Unknown");
}

TEST(VersionText, SubtypeNamesOnlyForDriversAndFonts) {
  struct Case {
    std::uint32_t type, subtype;
    const char* text;
  };
  const Case cases[] = {{3, 1, "Printer"},  {3, 2, "Keyboard"},
                        {3, 3, "Language"}, {3, 4, "Display"},
                        {3, 5, "Mouse"},    {3, 6, "Network"},
                        {3, 7, "System"},   {3, 8, "Installable"},
                        {3, 9, "Sound"},    {3, 10, "Communications"},
                        {3, 0, "Unknown"},  {3, 11, "Unknown"},
                        {4, 1, "Raster"},   {4, 2, "Vector"},
                        {4, 3, "TrueType"}, {4, 0, "Unknown"},
                        {4, 4, "Unknown"},  {1, 1, ""},
                        {2, 3, ""},         {5, 4, ""},
                        {0, 1, ""},         {7, 2, ""}};
  for (const Case& c : cases)
    EXPECT_STREQ(FileSubTypeText(c.type, c.subtype), c.text) << c.type << "/" << c.subtype;
}

TEST(VersionText, ValueEndsAtItsZeroItsLengthOrTheBlockWhicheverComesFirst) {
  const std::array<char, 8> block = {'a', 'b', 'c', '\0', 'd', 'e', 'f', 'g'};
  const char* begin = block.data();
  const char* end = begin + block.size();
  EXPECT_EQ(BoundedText(begin, 8, begin, end), "abc");
  EXPECT_EQ(BoundedText(begin + 4, 100, begin, end), "defg"); // no zero before the block ends
  EXPECT_EQ(BoundedText(begin + 4, 2, begin, end), "de");
  EXPECT_EQ(BoundedText(begin + 4, 0, begin, end), "");
  EXPECT_EQ(BoundedText(end, 4, begin, end), "");
  const char elsewhere[] = "outside";
  EXPECT_EQ(BoundedText(elsewhere, sizeof elsewhere, begin, end), "");
  EXPECT_EQ(BoundedText(nullptr, 4, begin, end), "");
}

} // namespace
