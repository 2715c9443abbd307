#pragma once

#include <QByteArray>
#include <QList>
#include <QRect>
#include <QSize>

class QWidget;

namespace vh {

class TIniFile;

// Where the frame and the palette were, as kept in vhedit.ini's [Layout].
struct TFrameLayout {
  // The frame's and the floating palette's geometry as Qt saves it (screen,
  // window frame and all); empty: never saved.
  QByteArray Frame;
  bool Maximized = true;
  QByteArray Palette;
  bool PaletteFloating = false;
  bool PaletteLeft = false;
  bool PaletteShown = true;
  // Kept in [General]: the zoom new mission windows start with (the one
  // chosen last) and whether the overview window shows.
  int Zoom = 100;
  bool Overview = false;
  // Also in [General]: the painting switches kept from one start to the
  // next, and whether the change layers' dock shows.
  bool AutoCoasts = false;
  bool MatchGroup = false;
  bool ChangeLayers = false;

  static TFrameLayout Read(const TIniFile& ini);
  void Write(TIniFile& ini) const;
};

// Restores `window` from `geometry` (QWidget::saveGeometry) wholly onto the
// screen it overlaps, with room above it for the title bar: never larger
// than that screen, never smaller than `usable` as far as the screen has
// room. False, and nothing changed, when `geometry` is none or was saved
// for a screen of another size (a start with another scale factor).
bool RestoreOnScreen(QWidget& window, const QByteArray& geometry, QSize usable);

}  // namespace vh
