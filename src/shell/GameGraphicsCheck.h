#pragma once

#include <QCoreApplication>
#include <QString>
#include <functional>

#include "config/Config.h"

class QWidget;

namespace vh {

// Loads the game's pictures from config.GameDir and the editor's TOOLS.DAT
// from config.DataDir. Raises an EVhError naming what is missing.
void LoadGraphicsFrom(const TConfig& config);

// Whether the graphics would load from config.GameDir, without touching the
// pictures in use: empty when they would, else what is wrong, for the user.
QString GraphicsProblemIn(const TConfig& config);

// Start-up check of the game graphics: on failure the user is told and gets
// the options dialog to correct the directory, again and again until the
// pictures load (true) or the dialog is cancelled (false).
struct TGraphicsCheckUi {
  std::function<void(const QString& message, const QString& detail)> Message;
  std::function<bool(TConfig&)> Options;
  // Other start-up problems the editor goes on after (a missing data file).
  std::function<void(const QString& message)> Warning;
};
bool CheckGameGraphics(TConfig& config, const TGraphicsCheckUi& ui);
TGraphicsCheckUi DefaultGraphicsCheckUi(QWidget* parent);

// Functions, not constants: the translation is installed after start.
inline QString GraphicsMissingText() {
  return QCoreApplication::translate("vh::GameGraphicsCheck",
                                     "Can't find Varnholt 3 graphic files in directory: ");
}
inline QString StartupAbandonedText() {
  return QCoreApplication::translate("vh::GameGraphicsCheck",
                                     "The editor cannot work without the game graphics and ends now.");
}

}  // namespace vh
