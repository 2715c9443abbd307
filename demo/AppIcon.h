#pragma once

#include <string>
#include <vector>

#include "base/ByteIO.h"
#include "demo/Canvas.h"

namespace vh::demo {

// The editor's emblem as its windows show it: the first terrain of the
// terrain selection with the first unit standing on it, in player 1's
// colours. Pixels outside the hexagon are pal::Outside.
Picture AppEmblem();

// Sizes of the installed application icon.
inline constexpr int AppIconSizes[] = {48, 128, 256};

// The emblem as a `size` x `size` PNG, enlarged by whole pixels and
// centred, transparent outside the hexagon.
ByteStream AppIconPng(int size);

// Sizes in the program's Windows icon: the emblem's own 24 pixels and the
// sizes Windows shows most (it scales down for 16).
inline constexpr int WindowsIconSizes[] = {24, 32, 48, 256};

// The emblem as a Windows icon file (.ico) in those sizes, each a 32-bit
// bitmap with its alpha channel and transparency mask, the form every
// Windows version reads.
ByteStream AppIconIco();

// Writes <hicolorDir>/<N>x<N>/apps/<name>.png for every size; returns the
// files written.
std::vector<std::string> WriteAppIcons(const std::string& hicolorDir, const std::string& name);

}  // namespace vh::demo
