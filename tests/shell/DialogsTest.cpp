#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <filesystem>

#include "shell/DLGConfig.h"
#include "shell/DLGNewMission.h"
#include "support/TempDir.h"

namespace vh {
namespace {

// With VH_SCREENSHOT_DIR set, the dialogs are saved as pictures to look at.
void Shot(QWidget& w, const char* name) {
  QByteArray dir = qgetenv("VH_SCREENSHOT_DIR");
  if (!dir.isEmpty())
    w.grab().save(QString::fromLocal8Bit(dir) + "/" + name + ".png");
}

class Dialogs : public ::testing::Test {};

TEST_F(Dialogs, NewMissionStepsByTwoWithinItsRange) {
  TNewMissionForm d;
  EXPECT_EQ(d.windowTitle(), "New Mission");
  EXPECT_EQ(d.MissWidth(), 24);
  EXPECT_EQ(d.MissHeight(), 16);
  d.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
  EXPECT_EQ(QApplication::focusWidget(), d.UpDownWidth);
  Shot(d, "new-mission");
  QTest::keyClick(d.UpDownWidth, Qt::Key_Down);
  EXPECT_EQ(d.MissWidth(), 24);  // no wrap below the minimum
  QTest::keyClick(d.UpDownWidth, Qt::Key_Up);
  EXPECT_EQ(d.MissWidth(), 26);
  for (int i = 0; i < 40; ++i)
    QTest::keyClick(d.UpDownWidth, Qt::Key_Up);
  EXPECT_EQ(d.MissWidth(), 64);
  for (int i = 0; i < 40; ++i)
    QTest::keyClick(d.UpDownHeight, Qt::Key_Up);
  EXPECT_EQ(d.MissHeight(), 64);
  QTest::keyClick(d.UpDownHeight, Qt::Key_PageDown);
  EXPECT_EQ(d.MissHeight() % 2, 0);
  // Typing cannot put an odd size in.
  QTest::keyClicks(d.UpDownWidth, "5");
  EXPECT_EQ(d.MissWidth(), 64);
}

TEST_F(Dialogs, NewMissionOkAtOnceGives24By16) {
  TNewMissionForm d;
  d.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
  QTest::keyClick(&d, Qt::Key_Return);
  EXPECT_EQ(d.result(), QDialog::Accepted);
  EXPECT_EQ(d.MissWidth(), 24);
  EXPECT_EQ(d.MissHeight(), 16);
}

TEST_F(Dialogs, DFLayerShowsThePresetLayerAndStaysInRange) {
  TDLGDFLayerForm d(7);
  EXPECT_EQ(d.windowTitle(), "Select DF Layer");
  EXPECT_EQ(d.Layer(), 7);
  d.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
  Shot(d, "df-layer");
  d.DFNrEdit->selectAll();
  QTest::keyClicks(d.DFNrEdit, "45");
  EXPECT_LE(d.Layer(), 31);
  d.DFNrEdit->setValue(30);
  QTest::keyClick(d.DFNrEdit, Qt::Key_Up);
  QTest::keyClick(d.DFNrEdit, Qt::Key_Up);
  EXPECT_EQ(d.Layer(), 31);
  QTest::keyClick(&d, Qt::Key_Escape);
  EXPECT_EQ(d.result(), QDialog::Rejected);
}

TEST_F(Dialogs, OptionsShowAndStoreTheConfiguration) {
  TConfig c;
  c.GameDir = "/games/vh";
  c.TxtFilesDir = "ENG";
  c.ToolBar = false;
  TDLGConfigForm d(c);
  EXPECT_EQ(d.windowTitle(), "Options");
  EXPECT_EQ(d.VHDirEdit->text(), "/games/vh/");
  EXPECT_EQ(d.TXTDirEdit->currentText(), "ENG");
  EXPECT_FALSE(d.ToolBarBox->isChecked());
  EXPECT_TRUE(d.StatusBarBox->isChecked());
  d.show();
  Shot(d, "options");
  d.VHDirEdit->setText("/other/dir");
  d.TXTDirEdit->setEditText("FRA");
  d.StatusBarBox->setChecked(false);
  TConfig stored = c;
  d.Store(stored);
  EXPECT_EQ(stored.GameDir, "/other/dir/");
  EXPECT_EQ(stored.TxtFilesDir, "FRA");
  EXPECT_FALSE(stored.StatusBar);
  EXPECT_FALSE(stored.ToolBar);
}

TEST_F(Dialogs, OptionsWarnWhenTheShopNamesFolderIsNotInTheGameDirectory) {
  test::TempDir game;
  std::filesystem::create_directories(game.File("GER"));
  TConfig c;
  c.GameDir = game.Path();
  c.TxtFilesDir = "GER";
  TDLGConfigForm d(c);
  EXPECT_FALSE(d.TXTDirHint->isVisibleTo(&d));
  d.TXTDirEdit->setEditText("FRA");
  EXPECT_TRUE(d.TXTDirHint->isVisibleTo(&d));
  EXPECT_EQ(d.TXTDirHint->text(), "There is no folder \"FRA\" in the game directory; the shop names of the "
                                  "missions in its MIS folder will not be found.");
  d.TXTDirEdit->setEditText("ger");  // the game's media differ in case only
  EXPECT_FALSE(d.TXTDirHint->isVisibleTo(&d));
  d.TXTDirEdit->setEditText("");
  EXPECT_TRUE(d.TXTDirHint->text().startsWith("Give the name of the game's text folder"));
  d.TXTDirEdit->setEditText("GER");
  d.VHDirEdit->setText(QString::fromStdString(game.File("elsewhere")));
  EXPECT_TRUE(d.TXTDirHint->isVisibleTo(&d)) << "another game directory is looked at too";
  // Only a warning: OK still closes the dialog with the text as typed.
  d.show();
  QTest::mouseClick(d.findChild<QPushButton*>("OKButton"), Qt::LeftButton);
  EXPECT_EQ(d.result(), QDialog::Accepted);
}

TEST_F(Dialogs, AboutBoxNamesTheProgram) {
  TAboutBox d;
  d.show();
  Shot(d, "about");
  EXPECT_TRUE(d.windowTitle().contains("Varnholt Editor"));
}

}  // namespace
}  // namespace vh
