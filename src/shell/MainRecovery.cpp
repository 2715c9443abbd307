// The frame's side of autosave: starting it, offering the copies an editor
// left when it did not end normally, and restoring them.
#include <QStatusBar>

#include "shell/Autosave.h"
#include "shell/DLGRecover.h"
#include "shell/MDIMainForm.h"
#include "shell/MDIMissForm.h"
#include "shell/VhApplication.h"
#include "tools/PaletteApi.h"
#include "views/QtText.h"

namespace vh {

void TMDIMain::StartAutosave() {
  autosave_ = new TAutosave(RecoveryDirFor(config_.RecoveryDir), config_.AutosaveSeconds, this);
  connect(autosave_, &TAutosave::WriteFailed, this,
          [this](const QString& message) { statusBar()->showMessage(message, 20000); });
}

void TMDIMain::OfferRecovery() {
  if (!autosave_)
    return;
  TOrphanedCopies orphans(autosave_->RecoveryDir(), autosave_->SessionDir());
  if (orphans.Copies().empty())
    return;
  TDLGRecover dialog(orphans.Copies(), this);
  dialog.exec();
  switch (dialog.Chosen()) {
  case TDLGRecover::Restore:
    for (const TRecoveryCopy& copy : std::vector<TRecoveryCopy>(orphans.Copies())) {
      // A copy that cannot be read stays for the next start.
      if (copy.Fault.empty() && RunCommand(this, [&] { RestoreRecoveryCopy(copy); }))
        orphans.Discard(copy);
    }
    break;
  case TDLGRecover::Discard:
    orphans.DiscardAll();
    break;
  case TDLGRecover::Later:
    break;
  }
}

TMDIMiss* TMDIMain::RestoreRecoveryCopy(const TRecoveryCopy& copy) {
  TMDIMiss* window = ReadIntoNewWindow([&](TMDIMiss& w) {
    w.OpenRecoveryCopy(copy.MissionPath(), copy.Info.OriginalPath, copy.Info.OriginalNamesPath);
  });
  if (window == activeMiss_ && copy.Info.DFLayer != window->Mission().DFNr)
    SelectDFLayer(copy.Info.DFLayer);
  return window;
}

}  // namespace vh
