// The info window's link handler, by its effects: the display applet started
// through the stand-in rundll32.exe beside this program (WinExec looks in the
// caller's folder first), the quit message that ends the launcher, and
// Handled. Links for the shell are the end-to-end scenarios' part. One test,
// as the stand-in's log is shared.
#include "Environment.h"
#include "FileBytes.h"
#include "Forms.h"
#include "Unit2.h"
#include <gtest/gtest.h>
#include <windows.h>

namespace {

const std::string Applet = "rundll32.exe shell32.dll,Control_RunDLL desk.cpl,,3";

std::vector<std::string> Starts() {
  std::vector<std::string> lines;
  std::string text = ReadFileBytes(ExeFolder() + "rundll32.exe.log").value_or("");
  std::size_t start = 0, end;
  while ((end = text.find('\n', start)) != std::string::npos) {
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r')
      line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

std::size_t WaitForStarts(std::size_t count) {
  for (int i = 0; i < 200 && Starts().size() < count; ++i)
    ::Sleep(50);
  return Starts().size();
}

int QuitsPosted() {
  MSG m;
  int n = 0;
  while (::PeekMessageA(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    EXPECT_EQ(m.wParam, 0u) << "exit code";
    ++n;
  }
  return n;
}

class HotSpotClick : public testing::Test {
protected:
  static void SetUpTestSuite() {
    ::DeleteFileA((ExeFolder() + "rundll32.exe.log").c_str());
    // A missing page would stop the suite in the error report's message box.
    ASSERT_TRUE(ReadFileBytes(ExeFolder() + "Info\\index.htm"))
        << "Info\\index.htm beside the test";
    ASSERT_TRUE(ReadFileBytes(ExeFolder() + "rundll32.exe")) << "stand-in rundll32.exe";
    Application->CreateForm(Hlaska);
    QuitsPosted();
  }
};

TEST_F(HotSpotClick, EachKeywordIsATestOfItsOwn) {
  ASSERT_NE(Hlaska, nullptr);
  ASSERT_EQ(Application->MainForm(), Hlaska);
  struct Case {
    const char* target;
    bool closes, applet;
  } cases[] = {
      {"KONEC", true, false},
      {"konec.htm", true, false}, // any letter case
      {"OBRAZOVKA", true, true},
      {"Nastav obrazovka", true, true},
      {"xKONECxOBRAZOVKAx", true, true},              // two close requests end the launcher once
      {"https://www.example.com/KONE", false, false}, // "HTTPS:" holds no "HTTP:"
      {"MAILTO", false, false},
      {"HTTP//x", false, false},
      {"", false, false},
      {"#nahoru", false, false},
      {"KONE C", false, false},
  };
  std::size_t applets = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.target);
    bool handled = true; // the handler sets it False itself
    Hlaska->ViewerHotSpotClick(Hlaska->Viewer, c.target, handled);
    EXPECT_FALSE(handled);
    EXPECT_EQ(QuitsPosted(), c.closes ? 1 : 0);
    if (c.applet) {
      ++applets;
      ASSERT_EQ(WaitForStarts(applets), applets);
      EXPECT_EQ(Starts().back(), Applet);
    }
  }
  ::Sleep(1000); // a start that should not have happened would show by now
  EXPECT_EQ(Starts(), std::vector<std::string>(applets, Applet));

  // The routine itself passes any applet and page on.
  EXPECT_GT(RunControlPanel("main.cpl,,2"), 31) << "WinExec succeeded";
  ASSERT_EQ(WaitForStarts(applets + 1), applets + 1);
  EXPECT_EQ(Starts().back(), "rundll32.exe shell32.dll,Control_RunDLL main.cpl,,2");
}

} // namespace
