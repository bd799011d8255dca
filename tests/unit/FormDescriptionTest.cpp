#include "FormDescription.h"
#include "SysUtils.h"
#include <gtest/gtest.h>

namespace {

TEST(FormDescription, ReadsNestedObjectsAndEveryKindOfValue) {
  using namespace std::string_literals;
  std::string text = "object Main: TMain\n"
                     "  Left = -12\n"
                     "  Caption = 'It''s '#200'x' + 'y'\n"
                     "  Font.Style = [fsBold, fsItalic]\n"
                     "  Empty = []\n"
                     "  Flag = True\n"
                     "  object Child: TChild\n"
                     "    Data = {5:a}\0\n}}\n"s +
                     "  end\n"
                     "end\n";
  FormObject o = ParseFormDescription(text);
  EXPECT_EQ(o.name, "Main");
  EXPECT_EQ(o.className, "TMain");
  ASSERT_EQ(o.properties.size(), 5u);
  EXPECT_EQ(AsInteger(o.properties[0]), -12);
  EXPECT_EQ(AsString(o.properties[1]), "It's \xc8xy");
  EXPECT_EQ(o.properties[2].name, "Font.Style");
  EXPECT_EQ(o.properties[2].value.set, (std::vector<std::string>{"fsBold", "fsItalic"}));
  EXPECT_TRUE(o.properties[3].value.set.empty());
  EXPECT_TRUE(AsBoolean(o.properties[4]));
  ASSERT_EQ(o.children.size(), 1u);
  EXPECT_EQ(o.children[0].className, "TChild");
  // Binary data is taken by its size, whatever bytes it holds.
  EXPECT_EQ(o.children[0].properties[0].value.text, std::string("a}\0\n}", 5));
}

TEST(FormDescription, MalformedTextFailsWithItsLine) {
  const struct {
    const char* text;
    const char* message;
  } cases[] = {
      {"object A: TA\n  X = 1\n", "line 3"},
      {"object A: TA\n  X = 'open\nend\n", "line 2: unterminated string"},
      {"object A: TA\n  X = {10:abc}\nend\n", "binary data shorter than its size"},
      {"object A: TA\n  X = {2:abc}\nend\n", "'}' expected"},
      {"object A: TA\n  X = #300\nend\n", "character code out of range"},
      {"object A: TA\nend\nend\n", "text after the last end"},
      {"thing A: TA\nend\n", "'object' expected"},
      {"object A: TA\n  X = [a b]\nend\n", "',' expected"},
      {"object A: TA\n  X = 99999999999999999999\nend\n", "number expected"},
  };
  for (const auto& c : cases) {
    try {
      ParseFormDescription(c.text);
      ADD_FAILURE() << "accepted: " << c.text;
    } catch (const EReadError& e) {
      EXPECT_NE(e.Message().find(c.message), std::string::npos) << e.Message();
    }
  }
}

TEST(FormDescription, TypedReadsNameThePropertyOnAMismatch) {
  FormProperty p{"Width", {FormValue::Kind::String, 0, "wide", {}}};
  EXPECT_THROW(AsInteger(p), EReadError);
  try {
    AsBoolean(p);
  } catch (const EReadError& e) {
    EXPECT_NE(e.Message().find("Width"), std::string::npos);
  }
}

} // namespace
