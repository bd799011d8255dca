#include "SysUtils.h"
#include "TestKeys.h"
#include "WinReg.h"
#include <gtest/gtest.h>

namespace {

const char* const kDescription = "Indeo\xAE Video Interactive R4.5";

TEST(WinRegistry, BaseKeyIsThereBeforeAnyWrite) {
  TestKey test;
  // With a trailing backslash, as the installation gives its base paths.
  const std::string base = test.Path() + "\\control\\icm\\";
  TWinRegistry writer(HKEY_CURRENT_USER, base);
  EXPECT_EQ(writer.KeyPath(), base);
  EXPECT_EQ(writer.RootKey(), HKEY_CURRENT_USER);
  EXPECT_NE(writer.CurrentKey(), nullptr);
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, test.Path() + "\\control\\icm"));
}

TEST(WinRegistry, WritesStringValuesByteForByte) {
  TestKey test;
  const std::string base = test.Path() + "\\Base";
  const struct {
    std::string subkey, name, value, key;
  } cases[] = {
      {"VIDC.IV41", "Description", kDescription, base + "\\VIDC.IV41"},
      {"VIDC.IV41", "Driver", "ir41_32.ax", base + "\\VIDC.IV41"},
      {"VIDC.IV41", "", "the default value", base + "\\VIDC.IV41"},
      {"VIDC.IV41", "Empty", "", base + "\\VIDC.IV41"},
      {"two\\levels", "Driver", "ir41_32.ax", base + "\\two\\levels"},
      {"\\" + test.Path() + "\\Absolute", "x", "below the root key", test.Path() + "\\Absolute"},
  };
  TWinRegistry writer(HKEY_CURRENT_USER, base + "\\");
  const HKEY baseKey = writer.CurrentKey();
  for (const auto& c : cases) {
    writer.WriteKeyString(c.subkey, c.name, c.value);
    EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, c.key, c.name), Text(c.value)) << c.subkey << c.name;
    EXPECT_EQ(writer.CurrentKey(), baseKey);
  }
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, base + "\\" + test.Path()));
  // Every value went where its case said, and nowhere else.
  HKEY key;
  ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, (base + "\\VIDC.IV41").c_str(), 0, KEY_READ, &key),
            ERROR_SUCCESS);
  DWORD values = 0;
  ::RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr,
                     nullptr, nullptr, nullptr);
  ::RegCloseKey(key);
  EXPECT_EQ(values, 4u);
}

TEST(WinRegistry, ReplacesValuesOfAnyType) {
  TestKey test;
  const std::string key = test.Path() + "\\VIDC.IV41";
  HKEY raw;
  ASSERT_EQ(::RegCreateKeyA(HKEY_CURRENT_USER, key.c_str(), &raw), ERROR_SUCCESS);
  const DWORD number = 7;
  ::RegSetValueExA(raw, "Driver", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                   sizeof number);
  ::RegSetValueExA(raw, "Description", 0, REG_BINARY, reinterpret_cast<const BYTE*>("\1\2"), 2);
  ::RegCloseKey(raw);

  TWinRegistry writer(HKEY_CURRENT_USER, test.Path());
  writer.WriteKeyString("VIDC.IV41", "Driver", "ir41_32.ax");
  writer.WriteKeyString("VIDC.IV41", "Description", "first");
  writer.WriteKeyString("VIDC.IV41", "Description", kDescription);
  EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, key, "Driver"), Text("ir41_32.ax"));
  EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, key, "Description"), Text(kDescription));
}

TEST(WinRegistry, FailedWriteRestoresTheBaseKeyForTheNext) {
  TestKey test;
  TWinRegistry writer(HKEY_CURRENT_USER, test.Path() + "\\Base");
  const HKEY baseKey = writer.CurrentKey();
  // Value names end at 16383 characters.
  const std::string tooLong(20000, 'n');
  try {
    writer.WriteKeyString("Sub", tooLong, "lost");
    FAIL() << "an over-long value name was accepted";
  } catch (const ERegistryException& e) {
    EXPECT_EQ(e.Message(), "Failed to set data for '" + tooLong + "'");
  }
  EXPECT_EQ(writer.CurrentKey(), baseKey);
  writer.WriteKeyString("Sub", "Driver", "ir41_32.ax");
  EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, test.Path() + "\\Base\\Sub", "Driver"),
            Text("ir41_32.ax"));
}

// Wine grants a KEY_READ handle the creation of subkeys all the same, so the
// root through which nothing can be created is a key that has gone.
TEST(WinRegistry, RootWithoutRoomForKeysFailsOnlyAtTheWrite) {
  TestKey test;
  HKEY gone;
  ASSERT_EQ(::RegCreateKeyA(HKEY_CURRENT_USER, (test.Path() + "\\Gone").c_str(), &gone),
            ERROR_SUCCESS);
  DeleteKeyTree(HKEY_CURRENT_USER, test.Path() + "\\Gone");
  {
    TWinRegistry writer(gone, "Software\\Base\\");
    EXPECT_EQ(writer.CurrentKey(), nullptr);
    for (std::string subkey : {"drivers.desc", "\\Drivers32"}) {
      try {
        writer.WriteKeyString(subkey, "ir41_32.ax", "ir41_32.ax");
        ADD_FAILURE() << "wrote below a key that has gone";
      } catch (const ERegistryException& e) {
        EXPECT_EQ(e.Message(), "Failed to create key " + subkey);
      }
      EXPECT_EQ(writer.CurrentKey(), nullptr);
    }
  }
  ::RegCloseKey(gone);
}

TEST(WinRegistry, WithoutItsBaseKeyRelativeSubkeysLieBelowTheRoot) {
  TestKey test;
  HKEY root;
  ASSERT_EQ(::RegCreateKeyA(HKEY_CURRENT_USER, test.Path().c_str(), &root), ERROR_SUCCESS);
  {
    // Key names end at 255 characters.
    TWinRegistry writer(root, std::string(300, 'k') + "\\");
    EXPECT_EQ(writer.CurrentKey(), nullptr);
    writer.WriteKeyString("drivers.desc", "ir41_32.ax", "ir41_32.ax");
    EXPECT_EQ(writer.CurrentKey(), nullptr);
  }
  EXPECT_EQ(ReadValue(root, "drivers.desc", "ir41_32.ax"), Text("ir41_32.ax"));
  // The writer never closes its root key.
  EXPECT_EQ(::RegSetValueExA(root, "still", 0, REG_SZ, reinterpret_cast<const BYTE*>("open"), 5),
            ERROR_SUCCESS);
  ::RegCloseKey(root);
}

} // namespace
