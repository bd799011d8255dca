#include "Registry.h"
#include "SysUtils.h"
#include "TestKeys.h"
#include <gtest/gtest.h>

namespace {

TEST(Registry, OpenKeyCreatesOnlyWhenAskedAndTakesRelativePathsBelowTheCurrentKey) {
  TestKey test;
  TRegistry registry;
  EXPECT_EQ(registry.RootKey(), HKEY_CURRENT_USER);
  EXPECT_EQ(registry.Access(), static_cast<REGSAM>(KEY_ALL_ACCESS));
  EXPECT_TRUE(registry.LazyWrite());

  EXPECT_FALSE(registry.OpenKey(test.Path() + "\\a", false));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, test.Path() + "\\a"));
  EXPECT_EQ(registry.CurrentKey(), nullptr);

  ASSERT_TRUE(registry.OpenKey(test.Path() + "\\a", true));
  ASSERT_TRUE(registry.OpenKey("b\\c", true));
  registry.WriteString("v", "in c");
  EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, test.Path() + "\\a\\b\\c", "v"), Text("in c"));

  // A leading backslash goes back to the root key.
  ASSERT_TRUE(registry.OpenKey("\\" + test.Path() + "\\a", false));
  registry.WriteString("v", "in a");
  EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, test.Path() + "\\a", "v"), Text("in a"));
  registry.CreateKey("d");
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, test.Path() + "\\a\\d"));
}

TEST(Registry, AnotherRootKeyClosesTheCurrentKey) {
  TestKey test;
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey(test.Path(), true));
  registry.SetRootKey(HKEY_CURRENT_USER);
  EXPECT_NE(registry.CurrentKey(), nullptr);
  registry.SetRootKey(HKEY_LOCAL_MACHINE);
  EXPECT_EQ(registry.CurrentKey(), nullptr);
  try {
    registry.WriteString("v", "nowhere");
    FAIL() << "wrote without a current key";
  } catch (const ERegistryException& e) {
    EXPECT_EQ(e.Message(), "Failed to set data for 'v'");
  }
}

} // namespace
