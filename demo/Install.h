#pragma once

#include <string>
#include <vector>

#include "base/ByteIO.h"
#include "demo/Canvas.h"
#include "demo/PartCatalog.h"

namespace vh::demo {

// Byte images of the files of the demo installation, little-endian, built
// field by field.
ByteStream PartLibraryBytes(const std::vector<Picture>& parts);
ByteStream UnitLibraryBytes();
ByteStream LayerLibraryBytes(int kind);
ByteStream CursorLibraryBytes();
ByteStream PaletteLibraryBytes();
ByteStream ToolsFileBytes();
ByteStream SelectionFileBytes(const std::vector<SelectionGroup>& groups);
ByteStream StdMissBytes();
ByteStream StdDFBytes();

// The picture of layer library `kind` for every neighbour mask, as the
// editor composes it: stored picture, then flip and mirror from the table.
Picture LayerPictureForMask(int kind, unsigned mask);

// The editor's settings file with the demo game as its game directory.
std::string IniText(const std::string& gameDir);
// Writes the settings file only when there is none yet: once the editor has
// run, the file holds the user's own settings. Returns whether it wrote.
bool WriteIniIfMissing(const std::string& path, const std::string& gameDir);

struct InstallReport {
  std::vector<std::string> Written;  // every file written, absolute paths
  bool IniWritten = false;
  bool MissionsWritten = false;
};

// Writes the whole installation: the editor's data files into `programDir`,
// the demo game below programDir/VarnholtDemo/.
InstallReport WriteInstallation(const std::string& programDir);

// Directory names of the demo game.
constexpr const char* DemoGameDirName = "VarnholtDemo";
constexpr const char* DemoTextDirName = "GER";

}  // namespace vh::demo
