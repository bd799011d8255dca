// The two stored form descriptions, read by the real form classes.
#include "SysUtils.h"
#include "Unit1.h"
#include "Unit2.h"
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>

namespace {

std::string ReadPacked(const char* name) {
  std::string path = std::string(KLENDO_FORM_DIR) + name;
  std::unique_ptr<FILE, int (*)(FILE*)> f(std::fopen(path.c_str(), "rb"), std::fclose);
  if (!f)
    throw Exception("cannot open " + path);
  std::string data;
  char buffer[4096];
  while (std::size_t n = std::fread(buffer, 1, sizeof buffer, f.get()))
    data.append(buffer, n);
  return data;
}

TEST(StoredForms, IntroScreen) {
  TUvod form(nullptr);
  form.ReadDescription(ReadPacked("Unit1.form"));
  EXPECT_EQ(form.Name(), "Uvod");
  EXPECT_EQ(form.Caption(), "Uvod");
  EXPECT_EQ(form.BorderStyle(), TFormBorderStyle::bsNone);
  EXPECT_EQ(form.WindowState(), TWindowState::wsMaximized);
  EXPECT_EQ(form.Color(), clBlack);
  EXPECT_EQ(form.ClientWidth(), 635);
  EXPECT_EQ(form.ClientHeight(), 449);
  EXPECT_EQ(form.Left(), 305);
  EXPECT_EQ(form.Font().Name, "MS Sans Serif");
  EXPECT_EQ(form.Font().Height, -11);
  EXPECT_TRUE(form.OnCreate);
  EXPECT_TRUE(form.OnActivate);
  ASSERT_NE(form.Image1, nullptr);
  EXPECT_EQ(form.Image1->Owner(), &form);
  EXPECT_EQ(form.Image1->Parent(), &form);
  EXPECT_TRUE(form.Image1->AutoSize());
  EXPECT_EQ(form.Image1->Picture().Width(), 400);
  EXPECT_EQ(form.Image1->Picture().Height(), 269);
  EXPECT_EQ(form.Image1->Width(), 400);
  EXPECT_EQ(form.Image1->Height(), 269);
  EXPECT_EQ(form.Image1->Left(), 112);
  EXPECT_EQ(form.Image1->Top(), 72);
}

TEST(StoredForms, InfoWindow) {
  THlaska form(nullptr);
  form.ReadDescription(ReadPacked("Unit2.form"));
  EXPECT_EQ(form.Caption(), "Info");
  EXPECT_EQ(form.BorderStyle(), TFormBorderStyle::bsToolWindow);
  EXPECT_EQ(form.Position(), TPosition::poScreenCenter);
  EXPECT_EQ(form.ClientWidth(), 323);
  EXPECT_EQ(form.ClientHeight(), 186);
  EXPECT_EQ(form.Color(), clBtnFace);
  EXPECT_TRUE(form.OnCreate);
  EXPECT_FALSE(form.OnActivate);
  ASSERT_NE(form.Viewer, nullptr);
  const THTMLViewer& v = *form.Viewer;
  EXPECT_EQ(v.Align(), TAlign::alClient);
  EXPECT_EQ(v.Width(), 323);
  EXPECT_EQ(v.Height(), 186);
  EXPECT_EQ(v.BorderStyle, THTMLBorderStyle::htNone);
  EXPECT_EQ(v.ScrollBars, TScrollStyle::ssNone);
  EXPECT_EQ(v.HistoryMaxCount, 0);
  EXPECT_FALSE(v.NoSelect);
  EXPECT_EQ(v.DefFontName, "Times New Roman");
  EXPECT_EQ(v.DefPreFontName, "Courier New");
  EXPECT_EQ(v.CharSet, DEFAULT_CHARSET);
  EXPECT_EQ(v.PrintMarginLeft + v.PrintMarginRight + v.PrintMarginTop + v.PrintMarginBottom, 8);
  EXPECT_TRUE(v.OnHotSpotClick);
}

// A form of the tests' own, to show how the reader meets mistakes.
class TProbeForm : public TForm {
public:
  explicit TProbeForm(TComponent* owner) : TForm(owner, "TProbeForm") {
    PublishField("Image1", Image1);
    PublishMethod("Clicked", &TProbeForm::Clicked);
  }
  void Clicked(TObject*) {}
  TImage* Image1 = nullptr;
};

TEST(StoredForms, MistakesInADescriptionAreReported) {
  const struct {
    const char* text;
    const char* message;
  } cases[] = {
      {"object F: TProbeForm\n  Colour = clBlack\nend\n", "Property Colour does not exist"},
      {"object F: TProbeForm\n  OnCreate = Missing\nend\n", "no method Missing"},
      {"object F: TProbeForm\n  Color = clMauve\nend\n", "clMauve"},
      {"object F: TProbeForm\n  object Image2: TImage\n  end\nend\n", "Field Image2 not found"},
      {"object F: TProbeForm\n  object Image1: THTMLViewer\n  end\nend\n", "class TImage"},
      {"object F: TOther\nend\n", "TOther"},
      {"object F: TProbeForm\n  object Image1: TImage\n    Picture.Data = {3:abc}\n  end\nend\n",
       "Bitmap image is not valid"},
  };
  for (const auto& c : cases) {
    TProbeForm form(nullptr);
    try {
      form.ReadDescription(c.text);
      ADD_FAILURE() << "accepted: " << c.text;
    } catch (const EReadError& e) {
      EXPECT_NE(e.Message().find(c.message), std::string::npos) << e.Message();
    }
  }
}

// Drawing reads the whole info header and colour table, so both must end
// before the pixels; a header that claims otherwise is refused.
TEST(StoredForms, BitmapHeadersEndBeforeThePixels) {
  auto bitmap = [](WORD bits, DWORD headerSize, DWORD colours, DWORD palette) {
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info + palette;
    info.biSize = headerSize;
    info.biWidth = 2;
    info.biHeight = 2;
    info.biPlanes = 1;
    info.biBitCount = bits;
    info.biClrUsed = colours;
    std::string data(file.bfOffBits + 2 * 8, '\0');
    std::memcpy(data.data(), &file, sizeof file);
    std::memcpy(data.data() + sizeof file, &info, sizeof info);
    return data;
  };
  const struct {
    WORD bits;
    DWORD headerSize, colours, palette;
    bool valid;
  } cases[] = {
      {24, 40, 0, 0, true},   {8, 40, 0, 1024, true}, {8, 40, 2, 8, true},    {8, 40, 0, 0, false},
      {8, 40, 300, 8, false}, {1, 40, 0, 4, false},   {24, 124, 0, 0, false}, {0, 40, 0, 0, false},
  };
  for (const auto& c : cases) {
    TPicture picture;
    bool accepted = true;
    try {
      picture.LoadFromBitmapFile(bitmap(c.bits, c.headerSize, c.colours, c.palette));
    } catch (const EReadError&) {
      accepted = false;
    }
    EXPECT_EQ(accepted, c.valid) << c.bits << " bits, header " << c.headerSize << ", " << c.colours
                                 << " colours, " << c.palette << " palette bytes";
    if (accepted) {
      EXPECT_EQ(picture.Width(), 2);
    }
  }
}

} // namespace
