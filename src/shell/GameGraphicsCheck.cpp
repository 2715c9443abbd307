#include "shell/GameGraphicsCheck.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <filesystem>

#include "base/Errors.h"
#include "base/Platform.h"
#include "graphics/Library.h"
#include "graphics/PictureSets.h"
#include "shell/DLGConfig.h"
#include "views/QtText.h"

namespace vh {

void LoadGraphicsFrom(const TConfig& config) {
  struct Closer {
    ~Closer() { CloseLibraries(); }
  } closer;
  OpenLibraries(config.GameDir);
  LoadGameGraphics(config.DataDir);
}

QString GraphicsProblemIn(const TConfig& config) {
  std::error_code error;
  if (config.GameDir.empty() || !std::filesystem::is_directory(PathOf(config.GameDir), error))
    return QCoreApplication::translate("vh::GameGraphicsCheck", "The directory \"%1\" does not exist.")
        .arg(PathToQString(config.GameDir));
  TLibraryTable table = DefaultLibraryTable();
  struct Closer {
    TLibraryTable& table;
    ~Closer() { CloseLibraries(table); }
  } closer{table};
  try {
    OpenLibraries(config.GameDir, table);
    TPictureSets sets;
    LoadGameGraphics(sets, table, config.DataDir);
  } catch (const std::exception& e) {
    return GraphicsMissingText() + PathToQString(config.GameDir) + QStringLiteral("\n") + ErrorText(e);
  }
  return {};
}

bool CheckGameGraphics(TConfig& config, const TGraphicsCheckUi& ui) {
  for (;;) {
    try {
      LoadGraphicsFrom(config);
      return true;
    } catch (const std::exception& e) {
      ui.Message(GraphicsMissingText() + PathToQString(config.GameDir), ErrorText(e));
    }
    if (!ui.Options(config))
      return false;
  }
}

TGraphicsCheckUi DefaultGraphicsCheckUi(QWidget* parent) {
  TGraphicsCheckUi ui;
  ui.Message = [parent](const QString& message, const QString& detail) {
    QApplication::restoreOverrideCursor();
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::translate("vh::GameGraphicsCheck", "Error"),
                    message, QMessageBox::Ok, parent);
    box.setInformativeText(detail);
    box.exec();
  };
  ui.Options = [parent](TConfig& config) { return ShowOptions(parent, config, &GraphicsProblemIn); };
  ui.Warning = [parent](const QString& message) {
    QApplication::restoreOverrideCursor();
    QMessageBox::warning(parent, QStringLiteral("Varnholt Editor"), message);
  };
  return ui;
}

}  // namespace vh
