// The frame's commands: files, dialogs, filters and windows.
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QProxyStyle>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStatusBar>

#include "base/FileUtil.h"
#include "graphics/IndexedImage.h"
#include "mission/MissionFile.h"
#include "mission/StdData.h"
#include "shell/Autosave.h"
#include "shell/DLGConfig.h"
#include "shell/DLGNewMission.h"
#include "shell/DLGUtility.h"
#include "shell/MDIMainForm.h"
#include "shell/MDIMissForm.h"
#include "shell/VhApplication.h"
#include "tools/DLGSettings.h"
#include "tools/PaletteApi.h"
#include "views/QtText.h"

namespace vh {

namespace {

// The game's own names first; a mission saved under another name shows in
// the second filter.
QString MissionFilter() {
  return TMDIMain::tr("Varnholt Mission (miss*.dat);;All missions (*.dat);;All Files (*)");
}
QString BmpFilter() {
  return TMDIMain::tr("BMP Files (*.bmp);;All Files (*)");
}

// The game reads "miss" and three digits, ".dat".
bool IsGameMissionName(const QString& path) {
  static const QRegularExpression name(QStringLiteral("^miss\\d{3}\\.dat$"),
                                       QRegularExpression::CaseInsensitiveOption);
  return name.match(QFileInfo(path).fileName()).hasMatch();
}

QString DirOf(const QString& file) {
  return QFileInfo(file).absolutePath();
}

// A save dialog that adds `suffix` to a name typed without one, so the file
// shows in the Open dialog's filter afterwards.
QString AskSaveName(QWidget* parent, const QString& title, const QString& proposed, const QString& filter,
                    const QString& suffix) {
  QFileDialog dialog(parent, title, proposed, filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix(suffix);
  if (QFileInfo info(proposed); !info.fileName().isEmpty() && !info.isDir())
    dialog.selectFile(info.fileName());
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return {};
  return dialog.selectedFiles().front();
}

QString Canonical(const std::string& path) {
  QFileInfo info(PathToQString(path));
  QString canonical = info.canonicalFilePath();
  return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

// The mission's name with ".bmp" in place of its extension.
QString BmpNameFor(const std::string& missionFile) {
  if (missionFile.empty())
    return QStringLiteral(".bmp");
  QFileInfo info(PathToQString(missionFile));
  QString base = info.fileName();
  int dot = base.lastIndexOf('.');
  return (dot < 0 ? base : base.left(dot)) + QStringLiteral(".bmp");
}

// A maximized mission window keeps its title bar inside the area. With the
// buttons in the menu bar instead, Qt would write the window's name into the
// frame's title in a form of its own ("... - [miss001.dat]"), beside the
// frame's "Varnholt Editor - miss001.dat".
class TMissionWindowStyle : public QProxyStyle {
public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* answer) const override {
    if (hint == SH_Workspace_FillSpaceOnMaximize)
      return 1;
    return QProxyStyle::styleHint(hint, option, widget, answer);
  }
};

}  // namespace

QMdiSubWindow* TMDIMain::AddMissionWindow(TMDIMiss* window) {
  QMdiSubWindow* sub = mdi_->addSubWindow(window);
  if (!missionWindowStyle_) {
    missionWindowStyle_ = new TMissionWindowStyle;
    missionWindowStyle_->setParent(this);
  }
  sub->setStyle(missionWindowStyle_);
  sub->setAttribute(Qt::WA_DeleteOnClose);
  // The frame's File > Close owns the close keys; two owners would make
  // them ambiguous, and then neither works.
  if (QMenu* menu = sub->systemMenu())
    for (QAction* a : menu->actions())
      a->setShortcuts({});
  QRect area = mdi_->viewport()->rect();
  int offset = 24 * (missCount_ - 1) % 200;
  sub->resize(std::max(400, std::min(1100, area.width() - 16 - offset)),
              std::max(300, area.height() - 16 - offset));
  sub->move(offset, offset);
  sub->show();
  return sub;
}

void TMDIMain::FitToMap(QMdiSubWindow* sub) {
  // A small map gets a window no larger than itself.
  auto* window = qobject_cast<TMDIMiss*>(sub->widget());
  if (!window || sub->isMaximized())
    return;
  QSize frame = sub->size() - window->size();
  QSize wanted = window->MissView()->size() + frame + QSize(2, 2);
  sub->resize(sub->size().boundedTo(wanted));
}

TMDIMiss* TMDIMain::FindMissionWindow(const std::string& fileName) const {
  const QString wanted = Canonical(fileName);
  for (TMDIMiss* w : MissionWindows())
    if (!w->Mission().FileName.empty() && Canonical(w->Mission().FileName) == wanted)
      return w;
  return nullptr;
}

void TMDIMain::ActivateWindow(TMDIMiss* window) {
  auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget());
  if (sub && sub->isMinimized())
    sub->showNormal();
  mdi_->setActiveSubWindow(sub);
  MissActivate(window);
}

TMDIMiss* TMDIMain::ReadIntoNewWindow(const std::function<void(TMDIMiss&)>& read) {
  auto* window = new TMDIMiss(this, GamePictures());
  QMdiSubWindow* sub = AddMissionWindow(window);
  try {
    read(*window);
  } catch (...) {
    // A window without its mission is of no use: it goes once the error is known.
    window->SetDiscardOnClose();
    sub->close();
    throw;
  }
  FitToMap(sub);
  return window;
}

TMDIMiss* TMDIMain::OpenMissionFile(const std::string& fileName) {
  // The same file in two windows would have the last save win.
  if (TMDIMiss* open = FindMissionWindow(fileName)) {
    ActivateWindow(open);
    AddRecentFile(fileName);
    return open;
  }
  bool defaultNames = false;
  if (std::string names = MissingNamesFile(fileName); !names.empty()) {
    auto answer = QMessageBox::question(
        this, tr("Open"),
        tr("The shop names file %1 is missing. Open the mission with default shop names?")
            .arg(PathToQString(names)),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    defaultNames = answer == QMessageBox::Yes;
  }
  TMDIMiss* window = ReadIntoNewWindow([&](TMDIMiss& w) { w.OpenFile(fileName, defaultNames); });
  openDir_ = DirOf(PathToQString(fileName));
  AddRecentFile(fileName);
  return window;
}

TMDIMiss* TMDIMain::NewMissionWindow(int32_t width, int32_t height) {
  auto* window = new TMDIMiss(this, GamePictures());
  QMdiSubWindow* sub = AddMissionWindow(window);
  window->NewMission(width, height);
  FitToMap(sub);
  window->UpdateCaption();
  return window;
}

void TMDIMain::SaveMissionAs(TMDIMiss* window, const std::string& fileName) {
  window->SaveAs(fileName);
  const QString saved = PathToQString(fileName);
  saveDir_ = DirOf(saved);
  AddRecentFile(fileName);
  if (!IsGameMissionName(saved))
    statusBar()->showMessage(tr("Saved as %1. The game loads only missions named missNNN.dat (three digits).")
                                 .arg(QFileInfo(saved).fileName()),
                             15000);
}

bool TMDIMain::SaveWindow(TMDIMiss* window) {
  if (!window->Mission().FileName.empty())
    return RunCommand(this, [&] {
      window->Save();
      AddRecentFile(window->Mission().FileName);
    });
  QString name = AskSaveName(this, tr("Save As"), saveDir_, MissionFilter(), QString::fromLatin1("dat"));
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
  QString name = QFileDialog::getOpenFileName(this, tr("Open"), openDir_, MissionFilter());
  if (!name.isEmpty())
    OpenMissionFile(PathFromQString(name));
}

void TMDIMain::FileSaveItemClick() {
  if (activeMiss_)
    SaveWindow(activeMiss_);
}

void TMDIMain::FileSaveAsItemClick() {
  if (!activeMiss_)
    return;
  QString proposed = saveDir_ + "/" + QFileInfo(PathToQString(activeMiss_->Mission().FileName)).fileName();
  QString name = AskSaveName(this, tr("Save As"), proposed, MissionFilter(), QString::fromLatin1("dat"));
  if (!name.isEmpty())
    SaveMissionAs(activeMiss_, PathFromQString(name));
}

void TMDIMain::FileSaveBmpItemClick() {
  if (!activeMiss_)
    return;
  // Beside the mission, under its name; a mission without a file starts
  // where the last picture went.
  const std::string& mission = activeMiss_->Mission().FileName;
  QString dir = !mission.empty() ? DirOf(PathToQString(mission)) : bmpDir_.isEmpty() ? saveDir_ : bmpDir_;
  QString name = AskSaveName(this, tr("Save As BMP"), dir + "/" + BmpNameFor(mission), BmpFilter(),
                             QString::fromLatin1("bmp"));
  if (!name.isEmpty())
    SaveMapBitmap(activeMiss_, PathFromQString(name));
}

void TMDIMain::FileOptionsItemClick() {
  // A new game directory takes effect at the next start; the bars at once.
  if (ShowOptions(this, config_, &GraphicsProblemIn)) {
    TxtFilesDir = config_.TxtFilesDir;
    ApplyBarVisibility();
    if (autosave_)
      autosave_->SetInterval(config_.AutosaveSeconds);
  }
}

void TMDIMain::FileCloseItemClick() {
  if (QMdiSubWindow* sub = mdi_->activeSubWindow())
    sub->close();
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
  // Only a change becomes a step: OK on untouched fields leaves none.
  activeMiss_->MissView()->Document().Edit(QT_TRANSLATE_NOOP("History", "Settings"), [this](TMission& m) {
    TMissionChange change;
    change.Settings = RunMissionSettings(this, m);
    return change;
  });
}

void TMDIMain::ToggleGenerator() {
  if (generator_) {
    generator_->close();  // its destruction reports GenMapClosed
    return;
  }
  generator_ = TUtilityForm::Create(this, this);
  generator_->SetView(CurrentView());
  generator_->SetIniPath(config_.IniPath());
}

void TMDIMain::FilterClick(int bit, bool down) {
  if (TMissView* v = CurrentView())
    v->SetFilter(bit, down);
  if (bit == mfDFLayer || bit == mfBaseMap)
    UpdateStatusBar();
}

void TMDIMain::ArrangeIconsItemClick() {
  QRect area = mdi_->viewport()->rect();
  int x = 0;
  for (QMdiSubWindow* sub : mdi_->subWindowList(QMdiArea::CreationOrder)) {
    if (!sub->isMinimized() || !qobject_cast<TMDIMiss*>(sub->widget()))
      continue;
    QSize s = sub->size();
    sub->move(x, area.height() - s.height());
    x += s.width();
  }
}

}  // namespace vh
