#include "demo/Install.h"

#include <filesystem>
#include <fstream>

#include "base/FileUtil.h"
#include "base/Platform.h"
#include "demo/Art.h"
#include "demo/Missions.h"
#include "demo/Palette.h"

namespace vh::demo {
namespace fs = std::filesystem;

namespace {

void AppendPicture(ByteStream& out, const Picture& p) {
  out.insert(out.end(), p.begin(), p.end());
}

constexpr uint32_t UnitDataOffset = 12;

}  // namespace

ByteStream PartLibraryBytes(const std::vector<Picture>& parts) {
  ByteStream out;
  AppendText(out, "PART");  // 12-byte header: magic, count, picture width and height
  AppendU32(out, static_cast<uint32_t>(parts.size()));
  AppendU16(out, HexSize);
  AppendU16(out, HexSize);
  for (const Picture& p : parts)
    AppendPicture(out, p);
  return out;
}

ByteStream UnitLibraryBytes() {
  // Two records per unit type: the unit facing right (the one the editor
  // shows) and facing left. The editor takes the end of the records from the
  // first word and their start from the trailer behind them.
  uint32_t records = 2 * DemoUnitTypes;
  uint32_t end = UnitDataOffset + records * PictureBytes;
  ByteStream out;
  AppendU32(out, end);
  AppendU32(out, records);
  AppendU32(out, PictureBytes);
  for (int i = 0; i < DemoUnitTypes; ++i) {
    Canvas unit(UnitPicture(i));
    AppendPicture(out, unit.Pixels());
    unit.MirrorHorizontal();
    AppendPicture(out, unit.Pixels());
  }
  AppendText(out, "UEND");
  AppendU32(out, records);
  AppendU32(out, UnitDataOffset);  // at end + 8
  AppendU32(out, PictureBytes);
  return out;
}

ByteStream LayerLibraryBytes(int kind) {
  ByteStream out;
  AppendU32(out, LayerPictureCount);
  for (int p = 0; p < LayerPictureCount; ++p)
    AppendPicture(out, LinePicture(kind, LayerPictureSides(p)));
  return out;
}

Picture LayerPictureForMask(int kind, unsigned mask) {
  uint8_t e = LayerComboTable[mask & 63];
  Canvas cv(LinePicture(kind, LayerPictureSides(e & 63)));
  cv.FillOutside(pal::Outside);
  if (e & 64)
    cv.FlipVertical();
  if (e & 128)
    cv.MirrorHorizontal();
  return cv.Pixels();
}

ByteStream CursorLibraryBytes() {
  ByteStream out;
  AppendText(out, "CURS");
  AppendU32(out, CursorCount);
  AppendU16(out, 606);
  AppendU16(out, 26);
  for (int i = 0; i < CursorCount; ++i) {
    size_t start = out.size();
    AppendText(out, "CRSR");  // 26-byte record head: tag, index, size, hot spot, frames, delay
    AppendU16(out, static_cast<uint16_t>(i));
    AppendU16(out, HexSize);
    AppendU16(out, HexSize);
    AppendU16(out, HexSize / 2);
    AppendU16(out, HexSize / 2);
    AppendU16(out, 4);
    AppendU16(out, 375);
    while (out.size() - start < 26)
      AppendU8(out, 0);
    AppendPicture(out, CursorPicture(i));
    while (out.size() - start < 606)  // records are spaced 606 bytes apart
      AppendU8(out, 0);
  }
  return out;
}

ByteStream PaletteLibraryBytes() {
  ByteStream out;
  AppendText(out, "PALT");
  AppendU32(out, 4);
  AppendU16(out, 768);
  AppendU16(out, 256);
  for (int v = 0; v < 4; ++v)
    for (const Rgb& c : BuildPalette(v)) {
      AppendU8(out, c.r);
      AppendU8(out, c.g);
      AppendU8(out, c.b);
    }
  return out;
}

ByteStream ToolsFileBytes() {
  // Head: a count, then (offset, size) for parts 0..14; the data follows.
  const uint32_t tableEnd = 4 + 6 * ToolPartCount;
  ByteStream out;
  AppendU32(out, ToolPartCount);
  for (int i = 0; i < ToolPartCount; ++i) {
    AppendU32(out, tableEnd + static_cast<uint32_t>(i) * PictureBytes);
    AppendU16(out, PictureBytes);
  }
  for (int i = 0; i < ToolPartCount; ++i)
    AppendPicture(out, ToolPicture(i));
  return out;
}

ByteStream SelectionFileBytes(const std::vector<SelectionGroup>& groups) {
  // Pages are stored column by column (entry x * 6 + y); groups are numbered
  // row by row (y * 12 + x).
  auto appendPage = [](ByteStream& out, auto entry) {
    for (int x = 0; x < 12; ++x)
      for (int y = 0; y < 6; ++y)
        AppendI16(out, entry(x, y));
  };
  auto group = [&](int x, int y) -> const SelectionGroup* {
    size_t i = static_cast<size_t>(y * 12 + x);
    return i < groups.size() ? &groups[i] : nullptr;
  };
  ByteStream out;
  appendPage(out, [&](int x, int y) {
    const SelectionGroup* g = group(x, y);
    return static_cast<int16_t>(g ? g->Icon : -1);
  });
  for (int i = 0; i < 72; ++i) {
    const SelectionGroup* g = group(i % 12, i / 12);
    appendPage(out, [&](int x, int y) { return g ? g->Cells[y * 12 + x] : static_cast<int16_t>(-1); });
  }
  return out;
}

ByteStream StdMissBytes() {
  ByteStream out(332, 0);
  out[0] = 'M', out[1] = 'I', out[2] = 'S', out[3] = 'S';
  // Every player may produce the basic land units by default.
  for (int type : {0, 1, 4, 6, 7, 14, 16})
    PutI16(out, 156 + 2 * type, 3);
  return out;
}

ByteStream StdDFBytes() {
  // A new mission starts without changes in its standard layer.
  return {};
}

std::string IniText(const std::string& gameDir) {
  static const char* const players[7] = {"Crimson League", "Azure Union",  "Golden Host", "Verdant Front",
                                         "Tidewater Pact", "Violet Order", "Neutral"};
  std::string s = "[General]\nVarnholtDir=" + gameDir + "\nTxtFilesDir=" + DemoTextDirName +
                  "\nToolBar=1\nStatusBar=1\n\n[VH2Players]\n";
  for (int i = 0; i < 7; ++i)
    s += "PlayerName" + std::to_string(i) + "=" + players[i] + "\n";
  for (int i = 0; i < 7; ++i)
    s += "PlayerColor" + std::to_string(i) + "=" + std::to_string(i) + "\n";
  return s;
}

bool WriteIniIfMissing(const std::string& path, const std::string& gameDir) {
  if (fs::exists(PathOf(path)))
    return false;
  std::string text = IniText(gameDir);
  WriteWholeFile(path, ByteStream(text.begin(), text.end()));
  return true;
}

InstallReport WriteInstallation(const std::string& programDir) {
  InstallReport report;
  fs::path bin = fs::absolute(PathOf(programDir)).lexically_normal();
  fs::path game = bin / DemoGameDirName;
  fs::create_directories(game / "LIB");
  fs::create_directories(game / "MIS");
  fs::create_directories(game / DemoTextDirName);
  auto write = [&](const fs::path& p, const ByteStream& data) {
    WriteWholeFile(Utf8Of(p), data);
    report.Written.push_back(Utf8Of(p));
  };

  write(game / "LIB" / "part000.lib", PartLibraryBytes(BuildPartPictures()));
  write(game / "LIB" / "unit000.lib", UnitLibraryBytes());
  for (int k = 0; k < LineKindCount; ++k)
    write(game / "LIB" / ("layr00" + std::to_string(k) + ".lib"), LayerLibraryBytes(k));
  write(game / "LIB" / "curs000.lib", CursorLibraryBytes());
  write(game / "LIB" / "palt000.lib", PaletteLibraryBytes());

  write(bin / "TOOLS.DAT", ToolsFileBytes());
  write(bin / "terrain.sel", SelectionFileBytes(TerrainGroups()));
  write(bin / "objekt.sel", SelectionFileBytes(ObjectGroups()));
  write(bin / "stdmiss.dat", StdMissBytes());
  write(bin / "stddf00.dat", StdDFBytes());

  report.MissionsWritten = WriteSampleMissions(Utf8Of(game), StdMissBytes(), report.Written);

  std::string gameDir = Utf8Of(game);
  if (!gameDir.empty() && gameDir.back() != fs::path::preferred_separator)
    gameDir += fs::path::preferred_separator;
  report.IniWritten = WriteIniIfMissing(Utf8Of(bin / "vhedit.ini"), gameDir);
  return report;
}

}  // namespace vh::demo
