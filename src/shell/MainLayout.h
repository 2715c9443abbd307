#pragma once

#include <QList>
#include <QRect>

namespace vh {

class TIniFile;

// Where the frame and the palette were, as kept in vhedit.ini's [Layout].
struct TFrameLayout {
  QRect Frame;  // null: never saved
  bool Maximized = true;
  QRect Palette;  // floating palette; null: docked at its default size
  bool PaletteFloating = false;
  bool PaletteLeft = false;
  bool PaletteShown = true;
  // Kept in [General]: the zoom new mission windows start with (the one
  // chosen last) and whether the overview window shows.
  int Zoom = 100;
  bool Overview = false;

  static TFrameLayout Read(const TIniFile& ini);
  void Write(TIniFile& ini) const;
};

// `rect` moved (and shrunk when needed) onto the screen it overlaps most, or
// onto the first screen when it overlaps none: a window saved on a monitor
// that is gone comes back where it can be seen.
QRect ClampToScreens(const QRect& rect, const QList<QRect>& screens);

} // namespace vh
