// The resources the programs carry, read from the built files as Windows
// reads them.
#include <windows.h>
#include <gtest/gtest.h>
#include <cstring>
#include <string>
#include <vector>

namespace {

#pragma pack(push, 2)
struct IconDirEntry {
  BYTE width, height, colorCount, reserved;
  WORD planes, bitCount;
  DWORD bytesInRes;
  WORD id;
};
#pragma pack(pop)

struct Module {
  explicit Module(const char* path)
      : handle(::LoadLibraryExA(path, nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}
  ~Module() {
    if (handle)
      ::FreeLibrary(handle);
  }
  HMODULE handle;
};

TEST(Resources, BothProgramsCarryOneSixteenColourIcon) {
  for (const char* path : {KLENDO_EXE, KLENDO_LAN_EXE}) {
    Module m(path);
    ASSERT_TRUE(m.handle) << path;
    HRSRC group = ::FindResourceA(m.handle, "MAINICON", RT_GROUP_ICON);
    ASSERT_TRUE(group) << path;
    auto* dir = static_cast<const WORD*>(::LockResource(::LoadResource(m.handle, group)));
    ASSERT_EQ(dir[2], 1) << path; // one image
    IconDirEntry e;
    std::memcpy(&e, dir + 3, sizeof e);
    EXPECT_EQ(e.width, 32);
    EXPECT_EQ(e.height, 32);
    EXPECT_EQ(e.colorCount, 16);
    EXPECT_EQ(e.bitCount, 4);
  }
}

TEST(Resources, LauncherVersionIsCzechWindows1250) {
  DWORD ignored;
  DWORD size = ::GetFileVersionInfoSizeA(KLENDO_EXE, &ignored);
  ASSERT_GT(size, 0u);
  std::vector<char> block(size);
  ASSERT_TRUE(::GetFileVersionInfoA(KLENDO_EXE, 0, size, block.data()));
  WORD* translation;
  UINT length;
  ASSERT_TRUE(::VerQueryValueA(block.data(), "\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &length));
  ASSERT_EQ(length, 4u);
  EXPECT_EQ(translation[0], 0x0405);
  EXPECT_EQ(translation[1], 1250);
  for (const char* key : {"FileVersion", "ProductVersion"}) {
    char* text;
    std::string query = std::string("\\StringFileInfo\\040504E2\\") + key;
    ASSERT_TRUE(
        ::VerQueryValueA(block.data(), query.c_str(), reinterpret_cast<void**>(&text), &length))
        << key;
    EXPECT_STREQ(text, "1.0.0.0");
  }
  VS_FIXEDFILEINFO* fixed;
  ASSERT_TRUE(::VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwProductVersionLS, 0u);
}

TEST(Resources, StubHasNoVersionAndNoForms) {
  DWORD ignored;
  EXPECT_EQ(::GetFileVersionInfoSizeA(KLENDO_LAN_EXE, &ignored), 0u);
  Module m(KLENDO_LAN_EXE);
  ASSERT_TRUE(m.handle);
  EXPECT_FALSE(::FindResourceA(m.handle, "TUVOD", RT_RCDATA));
  EXPECT_FALSE(::FindResourceA(m.handle, "THLASKA", RT_RCDATA));
}

} // namespace
