#include <gtest/gtest.h>

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <functional>

#include "mission/StdData.h"
#include "tools/COMPAllianzButtons.h"
#include "tools/DLGSettings.h"

namespace vh {
namespace {

TMission SampleMission() {
  TMission m;
  m.SetSize({24, 16});
  m.MissionName = "Nebel \x96 \x80";
  m.Allies = {1, 2, 0x0C, 0, 63, 0xC1};
  m.CompPlayers = 0xC5;
  m.MissUsage = 2;
  m.StartWeather = 4;
  for (int i = 0; i < SideCount; ++i)
    m.Players[i] = {"Side " + std::to_string(i), static_cast<uint8_t>(i * 2)};
  m.SaveNames = true;
  m.StdProd[0] = 1;
  m.StdProd[63] = 3;
  m.NextMission = 40000;
  return m;
}

// Fields the dialog edits, for comparing missions.
auto Settings(const TMission& m) {
  return std::tuple(m.MissionName, m.Allies, m.CompPlayers, m.MissUsage, m.StartWeather, m.Players,
                    m.SaveNames, m.StdProd, m.NextMission);
}

class SettingsTest : public ::testing::Test {
protected:
  void TearDown() override { StdPlayers = {}; }
  // Runs `drive` on the open dialog from inside its modal loop.
  bool RunWith(TMission& m, std::function<void(TSettingsForm&)> drive) {
    QTimer::singleShot(0, [drive] {
      for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<TSettingsForm*>(w); form && form->isVisible() && form->isModal())
          return drive(*form);
      ADD_FAILURE() << "the settings dialog is not open";
    });
    return RunMissionSettings(nullptr, m);
  }
};

TEST_F(SettingsTest, PagesCaptionsItemsAndLimits) {
  TSettingsForm f;
  EXPECT_EQ(f.windowTitle(), "Settings");
  ASSERT_EQ(f.PageControl->count(), 4);
  EXPECT_EQ(f.PageControl->tabText(0), "General");
  EXPECT_EQ(f.PageControl->tabText(1), "Players");
  EXPECT_EQ(f.PageControl->tabText(2), "Std. Product.");
  EXPECT_EQ(f.PageControl->tabText(3), "Misc");

  EXPECT_EQ(f.MissUsageRadio->title(), "Unknown bytes in MISS");
  ASSERT_EQ(f.MissUsageItems->buttons().size(), 3);
  EXPECT_EQ(f.MissUsageItems->button(0)->text(), "do not change");
  EXPECT_EQ(f.MissUsageItems->button(1)->text(), "take from file stdmiss.dat");
  EXPECT_EQ(f.MissUsageItems->button(2)->text(), "set to 0 (zero)");
  const QStringList weather{"Normal", "Light rain", "Heavy rain", "Light snow", "Heavy snow"};
  ASSERT_EQ(f.StartWeatherCombo->count(), 5);
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(f.StartWeatherCombo->itemText(i), weather[i]);
  EXPECT_FALSE(f.StartWeatherCombo->isEditable());

  for (int i = 0; i < PlayerCount; ++i) {
    EXPECT_EQ(f.AllyName[i]->text(), QString("Player %1").arg(i + 1));
    EXPECT_EQ(f.AllianzButtons[i]->ButWidth(), 14);
    EXPECT_EQ(f.AllianzButtons[i]->ButHeight(), 14);
    EXPECT_EQ(f.AllianzButtons[i]->Space(), 2);
  }
  for (int i = 0; i < SideCount; ++i) {
    EXPECT_EQ(f.PlayerName[i]->maxLength(), 16);
    EXPECT_EQ(f.PlayerColor[i]->minimum(), 0);
    EXPECT_EQ(f.PlayerColor[i]->maximum(), 14);
  }
  EXPECT_EQ(f.NextMission->minimum(), 0);
  EXPECT_EQ(f.NextMission->maximum(), 65535);
  EXPECT_TRUE(f.SaveNames0->isChecked());
  EXPECT_EQ(f.SaveNames0->text(), "Don't save this");
  EXPECT_EQ(f.SaveNames1->text(), "Save this in the shop names file");
  EXPECT_EQ(f.VHStdButton->text(), "VH2 Standard");
  EXPECT_TRUE(f.OKButton->isDefault());
  EXPECT_EQ(f.OKButton->text(), "OK");
  EXPECT_EQ(f.CancelButton->text(), "Cancel");

  // Labels whose accelerators lead to their controls.
  auto buddyOf = [&](const QString& text) -> QWidget* {
    for (QLabel* l : f.findChildren<QLabel*>())
      if (l->text() == text)
        return l->buddy();
    return nullptr;
  };
  EXPECT_EQ(buddyOf("Mission &Name"), f.NameEdit);
  EXPECT_EQ(buddyOf("Start&weather"), f.StartWeatherCombo);
  EXPECT_EQ(buddyOf("Next Mission"), f.NextMission);
  const QList<QLabel*> labels = f.findChildren<QLabel*>();
  auto hasLabel = [&](const QString& text) {
    return std::any_of(labels.begin(), labels.end(), [&](QLabel* l) { return l->text() == text; });
  };
  for (const QString text : {"Name", "Color", "Neutral", "Blue - Human Players", "Red - Computer Players",
                             "Note: This names and colors aren't used in VH"})
    EXPECT_TRUE(hasLabel(text)) << text.toStdString();
  const QList<QGroupBox*> boxes = f.findChildren<QGroupBox*>();
  for (const QString title : {"Allies", "Comp", "Unknown bytes in MISS"})
    EXPECT_TRUE(std::any_of(boxes.begin(), boxes.end(), [&](QGroupBox* b) { return b->title() == title; }))
        << title.toStdString();
}

TEST_F(SettingsTest, TabOrderFollowsThePages) {
  TSettingsForm f;
  std::vector<QWidget*> want{f.NameEdit};
  want.insert(want.end(), f.CompCheck.begin(), f.CompCheck.end());
  for (int i = 0; i < 3; ++i)
    want.push_back(f.MissUsageItems->button(i));
  want.push_back(f.StartWeatherCombo);
  for (int i = 0; i < SideCount; ++i) {
    want.push_back(f.PlayerName[i]);
    want.push_back(f.PlayerColor[i]);
  }
  want.insert(want.end(),
              {f.SaveNames0, f.SaveNames1, f.VHStdButton, f.NextMission, f.OKButton, f.CancelButton});
  std::vector<QWidget*> chain;
  QWidget* w = f.NameEdit;
  do {
    if (std::find(want.begin(), want.end(), w) != want.end())
      chain.push_back(w);
    w = w->nextInFocusChain();
  } while (w != f.NameEdit);
  EXPECT_EQ(chain, want);
  for (TAllianzButtons* b : f.AllianzButtons)
    EXPECT_EQ(b->focusPolicy(), Qt::NoFocus);
}

TEST_F(SettingsTest, PlayerNamesRelabelTheAllianceRows) {
  TSettingsForm f;
  f.show();
  f.PageControl->setCurrentIndex(1);
  QTest::keyClicks(f.PlayerName[2], "Sixteen chars 16");
  EXPECT_EQ(f.AllyName[2]->text(), "Sixteen chars 16");
  QTest::keyClicks(f.PlayerName[2], "X");
  EXPECT_EQ(f.PlayerName[2]->text(), "Sixteen chars 16") << "a 17th character is refused";
  EXPECT_EQ(f.ReadPlayers()[2].Name, "Sixteen chars 16");
  QTest::keyClicks(f.PlayerName[6], "Nobody");
  QWidget* general = f.PageControl->widget(0);
  for (QLabel* l : general->findChildren<QLabel*>())
    EXPECT_NE(l->text(), "Nobody") << "the neutral side has no alliance row";
  EXPECT_EQ(f.AllyName[5]->text(), "Player 6");
}

TEST_F(SettingsTest, NamesTheShopNamesFileCannotHoldAreRefusedWithAHint) {
  TMission m = SampleMission();
  const auto before = Settings(m);
  bool checked = false;
  const bool ok = RunWith(m, [&checked](TSettingsForm& f) {
    f.PageControl->setCurrentIndex(1);
    EXPECT_FALSE(f.NamesHint->isVisibleTo(&f));
    f.PlayerName[0]->clear();
    QTest::keyClicks(f.PlayerName[0], "A|B");
    EXPECT_TRUE(f.NamesHint->isVisibleTo(&f));
    EXPECT_EQ(f.NamesHint->text(),
              "The name of Player 1 holds \"|\", which the shop names file puts between the player names.");
    EXPECT_FALSE(f.OKButton->isEnabled());
    QTest::keyClick(f.PlayerName[0], Qt::Key_Return);  // the default button is off
    EXPECT_TRUE(f.isVisible());

    // A line break can only come by paste; the mission name has its own rule.
    f.PlayerName[0]->setText("AB");
    f.PlayerName[6]->setText(QStringLiteral("two\nlines"));
    EXPECT_EQ(f.NamesHint->text(),
              "The name of Neutral holds a line break; the shop names file keeps one entry per line.");
    f.PlayerName[6]->setText("Side 6");
    EXPECT_TRUE(f.OKButton->isEnabled());
    EXPECT_FALSE(f.NamesHint->isVisibleTo(&f));
    f.NameEdit->setText(QStringLiteral("\u201Equoted"));
    EXPECT_EQ(f.NamesHint->text(),
              QStringLiteral("The mission name holds \"\u201E\", which would read back from "
                             "the shop names file as \"\u00E4\"."));
    EXPECT_FALSE(f.OKButton->isEnabled());
    f.reject();
    checked = true;
  });
  EXPECT_TRUE(checked);
  EXPECT_FALSE(ok);
  EXPECT_EQ(Settings(m), before);
}

TEST_F(SettingsTest, StandardPlayersFillNamesColoursAndLabels) {
  for (int i = 0; i < SideCount; ++i)
    StdPlayers[i] = {"Std " + std::to_string(i), static_cast<uint8_t>(14 - i)};
  TSettingsForm f;
  f.LoadFrom(SampleMission());
  f.NameEdit->setText("kept");
  QTest::mouseClick(f.VHStdButton, Qt::LeftButton);
  EXPECT_EQ(f.ReadPlayers(), StdPlayers);
  EXPECT_EQ(f.AllyName[3]->text(), "Std 3");
  EXPECT_EQ(f.NameEdit->text(), "kept");
  EXPECT_TRUE(f.SaveNames1->isChecked()) << "nothing else changes";

  StdPlayers = {};
  QTest::mouseClick(f.VHStdButton, Qt::LeftButton);
  for (int i = 0; i < SideCount; ++i) {
    EXPECT_EQ(f.PlayerName[i]->text(), "");
    EXPECT_EQ(f.PlayerColor[i]->value(), 0);
  }
  EXPECT_EQ(f.AllyName[0]->text(), "");
}

TEST_F(SettingsTest, LoadShowsTheMission) {
  TSettingsForm f;
  const TMission m = SampleMission();
  f.LoadFrom(m);
  EXPECT_EQ(f.NameEdit->text(), QStringLiteral("Nebel \u2013 \u20AC"));
  EXPECT_EQ(f.AllianzButtons[2]->AktSel(), 0x0C);
  EXPECT_EQ(f.AllianzButtons[5]->AktSel(), 1) << "bits without a button are not shown";
  EXPECT_TRUE(f.CompCheck[0]->isChecked());
  EXPECT_FALSE(f.CompCheck[1]->isChecked());
  EXPECT_TRUE(f.CompCheck[2]->isChecked());
  EXPECT_EQ(f.MissUsageIndex(), 2);
  EXPECT_EQ(f.StartWeatherCombo->currentIndex(), 4);
  EXPECT_EQ(f.PlayerName[6]->text(), "Side 6");
  EXPECT_EQ(f.PlayerColor[6]->value(), 12);
  EXPECT_EQ(f.AllyName[1]->text(), "Side 1");
  EXPECT_TRUE(f.SaveNames1->isChecked());
  EXPECT_FALSE(f.SaveNames0->isChecked());
  EXPECT_EQ(f.NextMission->value(), 40000);

  // Storing without any edit gives the mission back, except the computer
  // player bits 6 and 7, which are cleared.
  TMission back = m;
  f.StoreTo(back);
  TMission want = m;
  want.CompPlayers = 0x05;
  EXPECT_EQ(Settings(back), Settings(want));
}

TEST_F(SettingsTest, OkWritesTheEditedControlsIntoTheMission) {
  TMission m = SampleMission();
  const uint64_t changes = m.ChangeCount;
  const bool ok = RunWith(m, [](TSettingsForm& f) {
    f.NameEdit->selectAll();
    f.NameEdit->insert(QStringLiteral("K\u00FCste \u2014 Nord"));               // test keys are ASCII only
    QTest::mousePress(f.AllianzButtons[0], Qt::LeftButton, {}, QPoint(16, 5));  // button 1 on
    QTest::mousePress(f.AllianzButtons[4], Qt::LeftButton, {}, QPoint(85, 5));  // button 5 off
    QTest::mousePress(f.AllianzButtons[5], Qt::LeftButton, {}, QPoint(31, 5));  // gap
    QTest::mouseClick(f.CompCheck[1], Qt::LeftButton);
    QTest::mouseClick(f.CompCheck[0], Qt::LeftButton);
    f.MissUsageItems->button(0)->click();
    f.StartWeatherCombo->setCurrentIndex(1);
    f.PlayerName[0]->clear();
    QTest::keyClicks(f.PlayerName[0], "Ostbund");
    f.PlayerColor[0]->setValue(14);
    f.PlayerColor[1]->setValue(99);
    f.SaveNames0->click();
    f.NextMission->setValue(7);
    QTest::mouseClick(f.OKButton, Qt::LeftButton);
  });
  ASSERT_TRUE(ok);
  EXPECT_EQ(m.MissionName, "K\xFCste \x97 Nord");
  EXPECT_EQ(m.Allies[0], 3);
  EXPECT_EQ(m.Allies[4], 31);
  EXPECT_EQ(m.Allies[5], 0xC1) << "the gap toggles nothing; bits 6 and 7 are carried";
  EXPECT_EQ(m.CompPlayers, 0x06);
  EXPECT_EQ(m.MissUsage, 0);
  EXPECT_EQ(m.StartWeather, 1);
  EXPECT_EQ(m.Players[0], (TPlayerInfo{"Ostbund", 14}));
  EXPECT_EQ(m.Players[1], (TPlayerInfo{"Side 1", 14})) << "colours stop at 14";
  EXPECT_EQ(m.Players[6], (TPlayerInfo{"Side 6", 12}));
  EXPECT_FALSE(m.SaveNames);
  EXPECT_EQ(m.StdProd, SampleMission().StdProd);
  EXPECT_EQ(m.NextMission, 7);
  EXPECT_EQ(m.ChangeCount, changes + 1);
}

TEST_F(SettingsTest, OkWithoutAChangeLeavesTheMissionUnmodified) {
  TMission m = SampleMission();
  m.CompPlayers &= 0x3F;  // bits 6 and 7 are cleared on OK, a change of its own
  const auto before = Settings(m);
  const uint64_t changes = m.ChangeCount;
  ASSERT_TRUE(RunWith(m, [](TSettingsForm& f) { QTest::mouseClick(f.OKButton, Qt::LeftButton); }));
  EXPECT_EQ(Settings(m), before);
  EXPECT_EQ(m.ChangeCount, changes);
  // A change typed and taken back is no change either.
  ASSERT_TRUE(RunWith(m, [](TSettingsForm& f) {
    const QString name = f.NameEdit->text();
    QTest::keyClicks(f.NameEdit, "x");
    f.NameEdit->setText(name);
    QTest::mouseClick(f.OKButton, Qt::LeftButton);
  }));
  EXPECT_EQ(m.ChangeCount, changes);
}

TEST_F(SettingsTest, CancelLeavesTheMissionUntouched) {
  for (int i = 0; i < SideCount; ++i)
    StdPlayers[i] = {"Preset", 1};
  TMission m = SampleMission();
  const auto before = Settings(m);
  const uint64_t changes = m.ChangeCount;
  const bool ok = RunWith(m, [](TSettingsForm& f) {
    QTest::mouseClick(f.VHStdButton, Qt::LeftButton);
    QTest::mousePress(f.AllianzButtons[0], Qt::LeftButton, {}, QPoint(40, 5));
    f.NameEdit->setText("changed");
    f.NextMission->setValue(1);
    QTest::mouseClick(f.CancelButton, Qt::LeftButton);
  });
  EXPECT_FALSE(ok);
  EXPECT_EQ(Settings(m), before);
  EXPECT_EQ(m.ChangeCount, changes);

  // Escape is Cancel too.
  EXPECT_FALSE(RunWith(m, [](TSettingsForm& f) {
    f.NameEdit->setText("changed");
    QTest::keyClick(&f, Qt::Key_Escape);
  }));
  EXPECT_EQ(Settings(m), before);
}

TEST_F(SettingsTest, UnlistedStartWeatherStaysAsItWas) {
  TMission m = SampleMission();
  m.StartWeather = 9;
  TSettingsForm f;
  f.LoadFrom(m);
  EXPECT_EQ(f.StartWeatherCombo->currentIndex(), -1);
  f.StoreTo(m);
  EXPECT_EQ(m.StartWeather, 9);
}

TEST_F(SettingsTest, SettingsSurviveSavingAndLoading) {
  const auto dir = std::filesystem::temp_directory_path() / "vh_settings_roundtrip";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  TMission m = SampleMission();
  ASSERT_TRUE(RunWith(m, [](TSettingsForm& f) {
    f.PlayerName[3]->setText(QStringLiteral("Gr\u00FCn"));
    QTest::mousePress(f.AllianzButtons[3], Qt::LeftButton, {}, QPoint(0, 5));
    f.StartWeatherCombo->setCurrentIndex(2);
    f.NextMission->setValue(123);
    QTest::mouseClick(f.OKButton, Qt::LeftButton);
  }));
  m.SaveAs((dir / "miss007.dat").string());
  TMission back;
  back.LoadFromFile((dir / "miss007.dat").string());
  EXPECT_EQ(back.MissionName, m.MissionName);
  EXPECT_EQ(back.Allies, m.Allies);
  EXPECT_EQ(back.CompPlayers, m.CompPlayers);
  EXPECT_EQ(back.StartWeather, 2);
  EXPECT_EQ(back.Players, m.Players);
  EXPECT_EQ(back.Players[3].Name, "Gr\xFCn");
  EXPECT_EQ(back.SaveNames, m.SaveNames);
  EXPECT_EQ(back.StdProd, m.StdProd);
  EXPECT_EQ(back.NextMission, 123);
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace vh
