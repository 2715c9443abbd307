// Missions reached without the Open dialog: the recent files list, the
// command line and files dropped onto the frame.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

#include "config/IniFile.h"
#include "shell/MDIMainForm.h"
#include "shell/MDIMissForm.h"
#include "shell/VhApplication.h"
#include "views/QtText.h"

namespace vh {

namespace {

constexpr char kSection[] = "RecentFiles";

QString Absolute(const QString& path) {
  return QFileInfo(path).absoluteFilePath();
}

QStringList DroppedFiles(const QMimeData* data) {
  QStringList files;
  if (!data || !data->hasUrls())
    return files;
  for (const QUrl& url : data->urls())
    if (url.isLocalFile())
      files.append(url.toLocalFile());
  return files;
}

}  // namespace

void TMDIMain::ReadRecentFiles(const TIniFile& ini) {
  recentFiles_.clear();
  for (int i = 1; i <= MaxRecentFiles; ++i) {
    std::string path = ini.ReadString(kSection, "File" + std::to_string(i), "");
    if (!path.empty() && !recentFiles_.contains(PathToQString(path)))
      recentFiles_.append(PathToQString(path));
  }
}

void TMDIMain::WriteRecentFiles(TIniFile& ini) const {
  // Every key is written, so that a shorter list leaves no old entries behind.
  for (int i = 1; i <= MaxRecentFiles; ++i)
    ini.WriteString(kSection, "File" + std::to_string(i),
                    i <= recentFiles_.size() ? PathFromQString(recentFiles_[i - 1]) : std::string());
}

void TMDIMain::WriteFrameState() {
  TIniFile ini(config_.IniPath());
  WriteRecentFiles(ini);
  WriteLayout(ini);
  ini.Save();
}

void TMDIMain::AddRecentFile(const std::string& path) {
  if (path.empty())
    return;
  QString file = Absolute(PathToQString(path));
  recentFiles_.removeAll(file);
  recentFiles_.prepend(file);
  while (recentFiles_.size() > MaxRecentFiles)
    recentFiles_.removeLast();
  RebuildRecentFilesMenu();
}

void TMDIMain::RebuildRecentFilesMenu() {
  RecentFilesMenu->clear();
  int n = 0;
  for (const QString& file : recentFiles_) {
    QString text = QStringLiteral("&%1 %2").arg(++n).arg(QFileInfo(file).fileName());
    QAction* a = RecentFilesMenu->addAction(text, this, [this, file] { OpenRecentFile(file); });
    a->setToolTip(file);
    a->setStatusTip(file);
  }
  RecentFilesMenu->setEnabled(!recentFiles_.isEmpty());
}

void TMDIMain::OpenRecentFile(const QString& path) {
  if (!QFileInfo::exists(path)) {
    recentFiles_.removeAll(path);
    RebuildRecentFilesMenu();
    ShowErrorText(this,
                  tr("The file \"%1\" no longer exists and was removed from the recent files").arg(path));
    return;
  }
  RunCommand(this, [&] { OpenMissionFile(PathFromQString(path)); });
}

void TMDIMain::OpenFiles(const QStringList& paths) {
  for (const QString& path : paths)
    RunCommand(this, [&] { OpenMissionFile(PathFromQString(Absolute(path))); });
}

void TMDIMain::dragEnterEvent(QDragEnterEvent* event) {
  if (startupOK_ && !DroppedFiles(event->mimeData()).isEmpty())
    event->acceptProposedAction();
}

void TMDIMain::dropEvent(QDropEvent* event) {
  QStringList files = DroppedFiles(event->mimeData());
  if (!startupOK_ || files.isEmpty())
    return;
  event->acceptProposedAction();
  OpenFiles(files);
}

}  // namespace vh
