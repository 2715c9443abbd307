#pragma once

// A main frame started on a copy of the demo installation, with the start-up
// messages and the options dialog recorded instead of shown.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <optional>

#include "base/FileUtil.h"
#include "shell/MDIMainForm.h"
#include "shell/MDIMissForm.h"
#include "support/TempDir.h"

namespace vh::test {

namespace fs = std::filesystem;

// Shows a top-level window as the active one, as the user sees it.
inline void ShowActive(QWidget* w) {
  w->show();
  QApplication::setActiveWindow(w);
  ASSERT_TRUE(QTest::qWaitForWindowActive(w));
}

inline void FlushDeletes() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

// Answers the next message box with `button` as soon as it shows.
inline void AnswerNextMessageBox(QMessageBox::StandardButton button, QString* text = nullptr) {
  QTimer::singleShot(0, [button, text] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    if (text)
      *text = box->text();
    box->button(button)->click();
  });
}

class FrameFixture : public ::testing::Test {
protected:
  void SetUp() override {
    programDir = tmp.File("prog") + "/";
    gameDir = tmp.File("game") + "/";
    // A copy of the demo installation the build writes, so tests may change it.
    const fs::path demo = VH_DEMO_BIN;
    fs::create_directories(programDir);
    for (const char* f : {"TOOLS.DAT", "terrain.sel", "objekt.sel", "stdmiss.dat", "stddf00.dat"})
      fs::copy_file(demo / f, programDir + f);
    fs::copy(demo / "VarnholtDemo", gameDir, fs::copy_options::recursive);
    WriteIni("[General]\r\nVarnholtDir=" + gameDir + "\r\nRecoveryDir=" + tmp.File("Recovery") + "\r\n");
  }
  void TearDown() override {
    if (frame) {
      for (TMDIMiss* w : frame->MissionWindows())
        w->SetDiscardOnClose();
      frame->close();
      delete frame;
    }
    FlushDeletes();
  }
  // Brings a mission window to the front, as a click on its title does.
  void Activate(TMDIMiss* w) {
    frame->MdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(w->parentWidget()));
  }
  void WriteIni(const std::string& text) {
    WriteWholeFile(programDir + "vhedit.ini", ByteStream(text.begin(), text.end()));
  }
  // A frame whose start-up ran; messages and the options dialog are recorded.
  // Data and settings lie in programDir unless `where` says otherwise.
  TMDIMain* Start(const std::optional<TLocations>& where = {}) {
    frame = where ? new TMDIMain(*where, TPlatformDirs{}) : new TMDIMain(programDir, TPlatformDirs{});
    TGraphicsCheckUi ui;
    ui.Message = [this](const QString& m, const QString&) { messages.append(m); };
    ui.Warning = [this](const QString& m) { warnings.append(m); };
    ui.Options = [this](TConfig& c) {
      if (optionsAnswers.empty())
        return false;
      c.GameDir = optionsAnswers.front();
      optionsAnswers.erase(optionsAnswers.begin());
      return true;
    };
    frame->SetGraphicsCheckUi(ui);
    started = frame->StartupIdle();
    return frame;
  }
  std::string SampleMission(const std::string& name) {
    TMission m;
    m.SetSize({30, 20});
    m.Cells[2][3].Terrain = 7;
    m.Cells[4][5].Vehicle = 3;
    m.Cells[4][5].VehOwner = 2;
    m.NewShop({6, 6});
    m.MissionName = "Sample";
    m.SaveAs(gameDir + "MIS/" + name);
    return gameDir + "MIS/" + name;
  }

  TempDir tmp;
  std::string programDir, gameDir;
  TMDIMain* frame = nullptr;
  bool started = false;
  QStringList messages, warnings;
  std::vector<std::string> optionsAnswers;
};

}  // namespace vh::test
