// Page text by the page's own code page, whatever the system's is.
#include "CodePageDecoder.h"
#include <gtest/gtest.h>
#include <windows.h>

namespace {

TEST(CodePageDecoder, ReadsTheGivenCodePage) {
  // "Příliš žluťoučký kůň" in windows-1250.
  const std::string czech = "P\xf8\xed"
                            "li\x9a \x9elu\x9dou\xe8k\xfd k\xf9\xf2";
  EXPECT_EQ(DecodeCodePage(czech, 1250),
            u"P\u0159\u00edli\u0161 \u017elu\u0165ou\u010dk\u00fd k\u016f\u0148");
  EXPECT_EQ(DecodeCodePage("\xf8\xe8", 1252), u"\u00f8\u00e8");
  EXPECT_EQ(DecodeCodePage("", 1250), u"");
}

TEST(CodePageDecoder, AnUnknownCodePageFallsBackToTheSystems) {
  const std::string bytes = "a\xe8z";
  EXPECT_EQ(DecodeCodePage(bytes, 12345), DecodeCodePage(bytes, static_cast<int>(::GetACP())));
  EXPECT_EQ(DecodeCodePage(bytes, 0), DecodeCodePage(bytes, static_cast<int>(::GetACP())));
}

} // namespace
