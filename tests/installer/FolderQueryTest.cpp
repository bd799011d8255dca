#include "Funkce.h"
#include "SysUtils.h"
#include <windows.h>
#include <cstring>
#include <gtest/gtest.h>

namespace {

// What the fake query is to report, and the size it was given.
unsigned reported = 0;
unsigned givenSize = 0;

unsigned __stdcall FakeQuery(char* buffer, unsigned size) {
  givenSize = size;
  // Windows writes only what fits.
  if (reported > 0 && reported < size) {
    std::memset(buffer, 'w', reported);
    buffer[reported] = '\0';
  }
  return reported;
}

TEST(QueryFolder, TakesWhatFitsAndRefusesTheRest) {
  const struct {
    unsigned reported;
    bool fits;
  } cases[] = {{254, true}, {1, true}, {0, false}, {255, false}, {300, false}};
  for (const auto& c : cases) {
    reported = c.reported;
    if (c.fits) {
      EXPECT_EQ(QueryFolder(FakeQuery, "Windows"), std::string(c.reported, 'w'));
    } else {
      try {
        QueryFolder(FakeQuery, "Windows");
        ADD_FAILURE() << "took a result of " << c.reported;
      } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Cannot get the Windows folder");
      }
    }
    EXPECT_EQ(givenSize, 255u);
  }
}

TEST(QueryFolder, GivesTheSystemFolderAsWindowsReportsIt) {
  char folder[MAX_PATH];
  UINT n = ::GetSystemDirectoryA(folder, sizeof folder);
  EXPECT_EQ(QueryFolder(::GetSystemDirectoryA, "system"), std::string(folder, n));
}

} // namespace
