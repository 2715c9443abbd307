#include <gtest/gtest.h>

#include <QStandardPaths>

#include "config/IniFile.h"
#include "config/Installation.h"
#include "shell/FrameFixture.h"
#include "views/QtText.h"

namespace vh {
namespace {

using Install = test::FrameFixture;
namespace fs = std::filesystem;

// The command-line tool finds the user's settings without Qt; it must find
// the very file the editor writes.
TEST(UserSettingsFolder, IsWhereQtPutsTheApplicationsConfiguration) {
  test::TempDir home;
  const QString oldName = QCoreApplication::applicationName();
  const QByteArray oldHome = qgetenv("HOME"), oldXdg = qgetenv("XDG_CONFIG_HOME");
  QCoreApplication::setApplicationName(QString::fromLatin1(AppDirName));
  // The shared test application keeps Qt in its test folders; this test
  // compares with the real ones.
  QStandardPaths::setTestModeEnabled(false);
  qputenv("HOME", QByteArray::fromStdString(home.Path()));
  for (const std::string& xdg : {std::string(), home.File("xdg")}) {
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(xdg));
    EXPECT_EQ(UserConfigDirFromEnvironment(),
              PathFromQString(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)))
        << xdg;
  }
  qputenv("HOME", oldHome);
  qputenv("XDG_CONFIG_HOME", oldXdg);
  QCoreApplication::setApplicationName(oldName);
  QStandardPaths::setTestModeEnabled(true);
}

// Data in a share folder apart from the program, settings in the user's
// folder: the layout of an installed package.
TEST_F(Install, InstalledEditorStartsFromItsShareFolderAndCreatesTheUsersSettings) {
  const std::string bin = tmp.File("bin") + "/";
  fs::create_directories(bin);
  const std::string user = tmp.File("home/.config/varnholt-editor");
  // programDir holds the data and the shipped defaults, as share/ would.
  WriteIni("[General]\r\nVarnholtDir=" + gameDir + "\r\nToolBar=0\r\n[VH2Players]\r\nPlayerName2=Golden\r\n");
  const TLocations where{bin, programDir, {user + "/vhedit.ini", programDir + "vhedit.ini"}};
  Start(where);
  ASSERT_TRUE(frame->StartupOK()) << messages.join("; ").toStdString() << warnings.join("; ").toStdString();
  EXPECT_TRUE(warnings.isEmpty()) << warnings.join("; ").toStdString();
  EXPECT_NE(frame->PaletteWindow(), nullptr) << "selection files read from the share folder";
  EXPECT_EQ(frame->Config().StdPlayers[2].Name, "Golden");
  EXPECT_FALSE(frame->Config().ToolBar);

  // The user's file exists from the start and gets the settings at exit;
  // the shipped defaults stay untouched.
  ASSERT_TRUE(fs::exists(user + "/vhedit.ini"));
  frame->Config().TxtFilesDir = "ENG";
  frame->close();
  EXPECT_EQ(TIniFile(user + "/vhedit.ini").ReadString("General", "TxtFilesDir", ""), "ENG");
  EXPECT_EQ(TIniFile(user + "/vhedit.ini").ReadString("VH2Players", "PlayerName2", ""), "Golden");
  EXPECT_EQ(TIniFile(programDir + "vhedit.ini").ReadString("General", "TxtFilesDir", "none"), "none");
  EXPECT_FALSE(fs::exists(bin + "vhedit.ini"));
}

}  // namespace
}  // namespace vh
