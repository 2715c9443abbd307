// The frame's commands: files, dialogs, filters and windows.
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSpinBox>

#include "graphics/IndexedImage.h"
#include "base/FileUtil.h"
#include "mission/StdData.h"
#include "shell/DLGConfig.h"
#include "shell/DLGNewMission.h"
#include "shell/DLGUtility.h"
#include "shell/MDIMainForm.h"
#include "shell/MDIMissForm.h"
#include "shell/VhApplication.h"
#include "tools/Cp1252.h"
#include "tools/DLGSettings.h"
#include "views/PaletteApi.h"

namespace vh {

namespace {

const QString kMissionFilter = QStringLiteral("Varnholt Mission (miss*.dat);;All Files (*)");
const QString kBmpFilter = QStringLiteral("BMP Files (*.bmp);;All Files (*)");

QString DirOf(const QString& file) { return QFileInfo(file).absolutePath(); }

// The mission's name with ".bmp" in place of its extension.
QString BmpNameFor(const std::string& missionFile) {
  if (missionFile.empty())
    return QStringLiteral(".bmp");
  QFileInfo info(PathToQString(missionFile));
  QString base = info.fileName();
  int dot = base.lastIndexOf('.');
  return (dot < 0 ? base : base.left(dot)) + QStringLiteral(".bmp");
}

} // namespace

QMdiSubWindow* TMDIMain::AddMissionWindow(TMDIMiss* window) {
  QMdiSubWindow* sub = mdi_->addSubWindow(window);
  sub->setAttribute(Qt::WA_DeleteOnClose);
  // Mission windows open to the left of the palette, which keeps the
  // right-hand side of the area.
  QRect area = mdi_->viewport()->rect();
  int paletteWidth = paletteWindow_ ? paletteWindow_->width() : 0;
  int offset = 24 * (missCount_ - 1) % 200;
  sub->resize(std::max(400, std::min(900, area.width() - paletteWidth - 16 - offset)),
              std::max(300, area.height() - 16 - offset));
  sub->move(offset, offset);
  sub->show();
  return sub;
}

TMDIMiss* TMDIMain::OpenMissionFile(const std::string& fileName) {
  auto* window = new TMDIMiss(this, GamePictures());
  QMdiSubWindow* sub = AddMissionWindow(window);
  try {
    window->OpenFile(fileName);
  } catch (...) {
    // A window without its mission is of no use: it goes once the error is known.
    window->SetDiscardOnClose();
    sub->close();
    throw;
  }
  if (paletteApi_)
    paletteApi_->RefreshOwnerNames();
  openDir_ = DirOf(PathToQString(fileName));
  return window;
}

TMDIMiss* TMDIMain::NewMissionWindow(int32_t width, int32_t height) {
  auto* window = new TMDIMiss(this, GamePictures());
  AddMissionWindow(window);
  window->NewMission(width, height);
  window->UpdateCaption();
  if (paletteApi_)
    paletteApi_->RefreshOwnerNames();
  return window;
}

void TMDIMain::SaveMissionAs(TMDIMiss* window, const std::string& fileName) {
  window->SaveAs(fileName);
  saveDir_ = DirOf(PathToQString(fileName));
}

bool TMDIMain::SaveWindow(TMDIMiss* window) {
  if (!window->Mission().FileName.empty())
    return RunCommand(this, [&] { window->Save(); });
  QString name = QFileDialog::getSaveFileName(this, QStringLiteral("Save As"), saveDir_, kMissionFilter);
  if (name.isEmpty())
    return false;
  return RunCommand(this, [&] { SaveMissionAs(window, PathFromQString(name)); });
}

void TMDIMain::SaveMapBitmap(TMDIMiss* window, const std::string& fileName) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  TMissView* view = window->MissView();
  view->SetHasCursor(false);
  try {
    WriteWholeFile(fileName, EncodeBmp(view->MapBitmap(), view->Palette()));
  } catch (...) {
    view->SetHasCursor(true);
    QApplication::restoreOverrideCursor();
    throw;
  }
  view->SetHasCursor(true);
  QApplication::restoreOverrideCursor();
  bmpDir_ = DirOf(PathToQString(fileName));
}

void TMDIMain::FileNewItemClick() {
  TNewMissionForm dialog(this);
  if (dialog.exec() == QDialog::Accepted)
    NewMissionWindow(dialog.MissWidth(), dialog.MissHeight());
}

void TMDIMain::FileOpenItemClick() {
  QString name = QFileDialog::getOpenFileName(this, QStringLiteral("Open"), openDir_, kMissionFilter);
  if (!name.isEmpty())
    OpenMissionFile(PathFromQString(name));
}

void TMDIMain::FileSaveItemClick() {
  if (!activeMiss_)
    return;
  if (activeMiss_->Mission().FileName.empty())
    FileSaveAsItemClick();
  else
    activeMiss_->Save();
}

void TMDIMain::FileSaveAsItemClick() {
  if (!activeMiss_)
    return;
  QString proposed = saveDir_ + "/" + QFileInfo(PathToQString(activeMiss_->Mission().FileName)).fileName();
  QString name = QFileDialog::getSaveFileName(this, QStringLiteral("Save As"), proposed, kMissionFilter);
  if (!name.isEmpty())
    SaveMissionAs(activeMiss_, PathFromQString(name));
}

void TMDIMain::FileSaveBmpItemClick() {
  if (!activeMiss_)
    return;
  QString start = (bmpDir_.isEmpty() ? saveDir_ : bmpDir_) + "/" + BmpNameFor(activeMiss_->Mission().FileName);
  QString name = QFileDialog::getSaveFileName(this, QStringLiteral("Save As BMP"), start, kBmpFilter);
  if (!name.isEmpty())
    SaveMapBitmap(activeMiss_, PathFromQString(name));
}

void TMDIMain::FileOptionsItemClick() {
  // A new game directory takes effect at the next start; the bars at once.
  if (ShowOptions(this, config_)) {
    TxtFilesDir = config_.TxtFilesDir;
    ApplyBarVisibility();
  }
}

void TMDIMain::SelectDFLayer(int layer) {
  DFNrCounter->setValue(layer);  // runs the counter's handler when it changes
  if (TMissView* v = CurrentView(); v && v->Mission().DFNr != layer)
    v->ShowDFLayer(layer);
}

void TMDIMain::DFLayerItemClick() {
  if (!activeMiss_)
    return;
  TDLGDFLayerForm dialog(activeMiss_->Mission().DFNr, this);
  if (dialog.exec() == QDialog::Accepted)
    SelectDFLayer(dialog.Layer());
}

void TMDIMain::SettingsItemClick() {
  if (!activeMiss_)
    return;
  bool accepted = false;
  {
    // Only a change becomes a step: OK on untouched fields leaves none.
    TEditStep step(&activeMiss_->MissView()->History(), "Settings");
    accepted = RunMissionSettings(this, activeMiss_->Mission());
  }
  if (accepted && paletteApi_)
    paletteApi_->RefreshOwnerNames();
}

void TMDIMain::ToggleGenerator() {
  if (generator_) {
    TUtilityForm* g = generator_;
    g->parentWidget()->close();  // its destruction reports GenMapClosed
    return;
  }
  generator_ = TUtilityForm::Create(this, mdi_);
  generator_->SetView(CurrentView());
}

void TMDIMain::FilterClick(int bit, bool down) {
  if (TMissView* v = CurrentView())
    v->SetFilter(bit, down);
  if (bit == mfDFLayer || bit == mfBaseMap)
    UpdateStatusBar();
}

void TMDIMain::TileItemClick() {
  // Side by side, each window the full height of the area.
  QList<QMdiSubWindow*> shown;
  for (QMdiSubWindow* sub : mdi_->subWindowList(QMdiArea::CreationOrder))
    if (!sub->isMinimized() && sub->isVisible())
      shown.append(sub);
  if (shown.isEmpty())
    return;
  QRect area = mdi_->viewport()->rect();
  int width = area.width() / static_cast<int>(shown.size());
  for (int i = 0; i < shown.size(); ++i) {
    shown[i]->showNormal();
    shown[i]->setGeometry(i * width, 0, width, area.height());
  }
}

void TMDIMain::ArrangeIconsItemClick() {
  QRect area = mdi_->viewport()->rect();
  int x = 0;
  for (QMdiSubWindow* sub : mdi_->subWindowList(QMdiArea::CreationOrder)) {
    if (!sub->isMinimized())
      continue;
    QSize s = sub->size();
    sub->move(x, area.height() - s.height());
    x += s.width();
  }
}

} // namespace vh
