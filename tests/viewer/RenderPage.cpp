// Renders a page as the info window's HTML control shows it, off-screen,
// and writes the pixels as a 24-bit BMP, so scenarios can compare renderings.
// usage: render_page <page.htm> <out.bmp> [width height]
// The size is the info window's client area unless given; prints
// "error=<message>" and exits 1 when the page cannot be loaded.
#include "BackBuffer.h"
#include "FileBytes.h"
#include "Forms.h"
#include "SysUtils.h"
#include "Unit2.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

template <class T> void Put(std::string& out, T value) {
  for (std::size_t i = 0; i < sizeof(T); ++i)
    out.push_back(static_cast<char>((static_cast<unsigned long long>(value) >> (8 * i)) & 0xFF));
}

std::string BmpOf(const BackBuffer& b, int width, int height) {
  const int stride = (width * 3 + 3) & ~3;
  std::string file;
  Put<WORD>(file, 0x4D42);
  Put<DWORD>(file, 54 + stride * height);
  Put<DWORD>(file, 0);
  Put<DWORD>(file, 54);
  Put<DWORD>(file, 40);
  Put<LONG>(file, width);
  Put<LONG>(file, height);
  Put<WORD>(file, 1);
  Put<WORD>(file, 24);
  Put<DWORD>(file, BI_RGB);
  Put<DWORD>(file, stride * height);
  Put<LONG>(file, 2835);
  Put<LONG>(file, 2835);
  Put<DWORD>(file, 0);
  Put<DWORD>(file, 0);
  for (int y = height - 1; y >= 0; --y) {
    const std::size_t start = file.size();
    for (int x = 0; x < width; ++x) {
      const std::uint32_t p = b.Bits()[y * b.Width() + x];
      file.push_back(static_cast<char>(p & 0xFF));
      file.push_back(static_cast<char>((p >> 8) & 0xFF));
      file.push_back(static_cast<char>((p >> 16) & 0xFF));
    }
    file.resize(start + stride, '\0');
  }
  return file;
}

} // namespace

int main(int argc, char** argv) {
  if (argc != 3 && argc != 5) {
    std::fprintf(stderr, "usage: render_page <page.htm> <out.bmp> [width height]\n");
    return 2;
  }
  VclStartup platform;
  try {
    THlaska form(nullptr);
    std::optional<std::string> description = ReadFileBytes(KLENDO_FORM_DIR "Unit2.form");
    if (!description)
      throw Exception("no stored form description");
    form.ReadDescription(*description);
    THTMLViewer& viewer = *form.Viewer;
    if (argc == 5)
      viewer.SetBounds(0, 0, std::atoi(argv[3]), std::atoi(argv[4]));
    viewer.LoadFromFile(argv[1]);
    const int width = viewer.Width(), height = viewer.Height();
    BackBuffer out(width, height);
    viewer.PaintTo(out.dc(), RECT{0, 0, width, height});
    ::GdiFlush();
    const std::string bmp = BmpOf(out, width, height);
    std::unique_ptr<FILE, int (*)(FILE*)> f(std::fopen(argv[2], "wb"), std::fclose);
    if (!f || std::fwrite(bmp.data(), 1, bmp.size(), f.get()) != bmp.size())
      throw Exception(std::string("cannot write ") + argv[2]);
    std::printf("width=%d\nheight=%d\n", width, height);
  } catch (const std::exception& e) {
    std::printf("error=%s\n", e.what());
    return 1;
  }
  return 0;
}
