#include "shell/GameGraphicsCheck.h"

#include <QApplication>
#include <QMessageBox>

#include "graphics/Library.h"
#include "graphics/PictureSets.h"
#include "base/Errors.h"
#include "shell/DLGConfig.h"
#include "tools/Cp1252.h"

namespace vh {

void LoadGraphicsFrom(const TConfig& config) {
  struct Closer {
    ~Closer() { CloseLibraries(); }
  } closer;
  OpenLibraries(config.GameDir);
  LoadGameGraphics(config.ProgramDir);
}

bool CheckGameGraphics(TConfig& config, const TGraphicsCheckUi& ui) {
  for (;;) {
    try {
      LoadGraphicsFrom(config);
      return true;
    } catch (const std::exception& e) {
      ui.Message(GraphicsMissingText + PathToQString(config.GameDir), MessageToQString(e.what()));
    }
    if (!ui.Options(config))
      return false;
  }
}

TGraphicsCheckUi DefaultGraphicsCheckUi(QWidget* parent) {
  TGraphicsCheckUi ui;
  ui.Message = [parent](const QString& message, const QString& detail) {
    QApplication::restoreOverrideCursor();
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Error"), message, QMessageBox::Ok, parent);
    box.setInformativeText(detail);
    box.exec();
  };
  ui.Options = [parent](TConfig& config) { return ShowOptions(parent, config); };
  ui.Warning = [parent](const QString& message) {
    QApplication::restoreOverrideCursor();
    QMessageBox::warning(parent, QStringLiteral("Varnholt Editor"), message);
  };
  return ui;
}

} // namespace vh
