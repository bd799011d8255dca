#include "IniFiles.h"
#include "SysUtils.h"
#include "TestFiles.h"
#include <gtest/gtest.h>

namespace {

TEST(IniFile, WritesTheKeyIntoItsSection) {
  TempFolder folder;
  const std::string path = folder.Path() + "system.ini";
  WriteBytes(path, "[mci]\r\nMPEGVideo=mciqtz32.dll\r\n");
  TIniFile(path).WriteString("drivers32", "VIDC.IV41", "first");
  TIniFile(path).WriteString("drivers32", "VIDC.IV41", "ir41_32.ax");
  EXPECT_EQ(ReadBytes(path),
            "[mci]\r\nMPEGVideo=mciqtz32.dll\r\n[drivers32]\r\nVIDC.IV41=ir41_32.ax\r\n");
}

TEST(IniFile, RefusedWriteNamesTheFile) {
  TempFolder folder;
  const std::string path = folder.Path() + "missing\\system.ini";
  try {
    TIniFile(path).WriteString("drivers32", "VIDC.IV41", "ir41_32.ax");
    FAIL() << "wrote into a missing folder";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "Unable to write to " + path);
  }
}

} // namespace
