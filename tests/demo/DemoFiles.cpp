#include "DemoFiles.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "base/FileUtil.h"
#include "base/Platform.h"
#include "demo/Install.h"

namespace vh::demotest {

fs::path UniqueTempDir(const std::string& stem) {
  // ctest runs every test in its own process, several at once.
  return fs::temp_directory_path() / (stem + "_" + std::to_string(ProcessId()));
}

namespace {
struct RemoveOnExit {
  fs::path dir;
  ~RemoveOnExit() {
    std::error_code ec;
    fs::remove_all(dir, ec);
  }
};
}  // namespace

const Installation& Installation::Get() {
  static RemoveOnExit cleanup;
  static const Installation inst = [] {
    Installation i;
    i.Bin = UniqueTempDir("vh_demo_test_install");
    cleanup.dir = i.Bin;
    fs::remove_all(i.Bin);
    fs::create_directories(i.Bin);
    demo::WriteInstallation(i.Bin.string());
    i.Game = i.Bin / "VarnholtDemo";
    return i;
  }();
  return inst;
}

ByteStream Installation::Read(const fs::path& relative) const {
  return ReadWholeFile((Bin / relative).string());
}

ByteStream Installation::Lib(const std::string& name) const {
  auto lower = [](std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
  };
  for (const auto& e : fs::directory_iterator(Game / "LIB"))
    if (lower(e.path().filename().string()) == lower(name))
      return ReadWholeFile(e.path().string());
  throw std::runtime_error("no library " + name);
}

std::array<Rgb, 256> GamePalette(const Installation& inst) {
  ByteStream f = inst.Lib("palt000.lib");
  std::array<Rgb, 256> p{};
  for (int i = 0; i < 256; ++i) {
    size_t at = 12 + 768 + static_cast<size_t>(i) * 3;
    p[i] = {f.at(at), f.at(at + 1), f.at(at + 2)};
  }
  return p;
}

Pic PicAt(const ByteStream& file, size_t offset) {
  if (offset + PicBytes > file.size())
    throw std::runtime_error("picture beyond the end of the file");
  Pic p{};
  std::copy_n(file.begin() + static_cast<long>(offset), PicBytes, p.begin());
  return p;
}

Pic PartPicture(const Installation& inst, int n) {
  static const ByteStream parts = inst.Lib("part000.lib");
  Pic p = PicAt(parts, 12 + static_cast<size_t>(n) * PicBytes);
  FillOutside(p, 255);
  return p;
}

void FillOutside(Pic& p, uint8_t v) {
  for (int r = 0; r < 24; ++r)
    for (int c = 0; c < 24; ++c)
      if (!Inside(c, r))
        p[r * 24 + c] = v;
}

void FlipVertical(Pic& p) {
  for (int r = 0; r < 12; ++r)
    for (int c = 0; c < 24; ++c)
      std::swap(p[r * 24 + c], p[(23 - r) * 24 + c]);
}

void MirrorHorizontal(Pic& p) {
  for (int r = 0; r < 24; ++r)
    for (int c = 0; c < 12; ++c)
      std::swap(p[r * 24 + c], p[r * 24 + 23 - c]);
}

std::array<std::array<std::pair<int, int>, 2>, 6> SideProbes() {
  // (column, row) pairs: top, upper right, lower right, bottom, lower left, upper left.
  return {{{{{11, 0}, {12, 0}}},
           {{{19, 5}, {19, 6}}},
           {{{19, 17}, {19, 18}}},
           {{{11, 23}, {12, 23}}},
           {{{4, 17}, {4, 18}}},
           {{{4, 5}, {4, 6}}}}};
}

std::array<std::pair<int, int>, 6> InnerSideProbes() {
  return {{{12, 2}, {17, 7}, {17, 16}, {12, 21}, {6, 16}, {6, 7}}};
}

}  // namespace vh::demotest
