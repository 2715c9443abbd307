#pragma once

#include "tools/CentredDialog.h"

#include <QDialog>

#include <array>
#include <optional>

#include "graphics/PictureSets.h"
#include "mission/Mission.h"
#include "mission/ShopNames.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace vh {

class TAllianzButtons;
class TStdProdView;

// "Settings": the mission-wide values that are not part of the map, on four
// pages. The dialog only edits its controls; LoadFrom and StoreTo move the
// values between the controls and a mission, so Cancel leaves it untouched.
class TSettingsForm : public TCentredDialog {
  Q_OBJECT
public:
  static constexpr int PlayerNameLength = 16;
  static constexpr int ColorMax = 14;

  // The standard production grid draws from `sets`, by default the game's
  // pictures; without loaded pictures the page has no grid and the words
  // are carried through unchanged.
  explicit TSettingsForm(QWidget* parent = nullptr, const TPictureSets* sets = nullptr);

  void FillPlayers(const TPlayers& players);
  // Names cut to 16 characters.
  TPlayers ReadPlayers() const;

  void LoadFrom(const TMission& m);
  void StoreTo(TMission& m) const;

  // Controls, named as the editor's other parts refer to them.
  QTabWidget* PageControl = nullptr;
  QLineEdit* NameEdit = nullptr;
  std::array<QLabel*, PlayerCount> AllyName{};
  std::array<TAllianzButtons*, PlayerCount> AllianzButtons{};
  std::array<QCheckBox*, PlayerCount> CompCheck{};
  QGroupBox* MissUsageRadio = nullptr;
  QButtonGroup* MissUsageItems = nullptr;  // ids 0..2
  QComboBox* StartWeatherCombo = nullptr;
  std::array<QLineEdit*, SideCount> PlayerName{};
  std::array<QSpinBox*, SideCount> PlayerColor{};
  QRadioButton* SaveNames0 = nullptr;
  QRadioButton* SaveNames1 = nullptr;
  QPushButton* VHStdButton = nullptr;
  // The frame of the standard production grid (StdProdGrid, inside it when
  // there are pictures to draw). StdProdWords are the words loaded; the grid
  // edits its own copy, which StoreTo reads.
  QFrame* StdProdView = nullptr;
  TStdProdView* StdProdGrid = nullptr;
  std::array<int16_t, UnitTypeCount> StdProdWords{};
  QSpinBox* NextMission = nullptr;
  QPushButton* OKButton = nullptr;
  QPushButton* CancelButton = nullptr;
  // Says which name the shop names file could not hold, and why; OK stays
  // disabled while it shows.
  QLabel* NamesHint = nullptr;

  // The radio item of MissUsageRadio; -1 when none is checked.
  int MissUsageIndex() const;

  void accept() override;

private slots:
  void VHStdButtonClick();
  void UpdateNamesHint();

private:
  QWidget* BuildGeneralPage();
  QWidget* BuildPlayersPage();
  QWidget* BuildStdProdPage(const TPictureSets* sets);
  QWidget* BuildMiscPage();
  void SetTabOrder();
  // The first name in the dialog the shop names file cannot hold.
  std::optional<TNamesFault> FirstNamesFault() const;

  // Bits 6 and 7 of Allies have no button; they are kept as they were read.
  std::array<uint8_t, PlayerCount> alliesExtraBits_{};
  // A start weather the list does not offer stays as it was.
  uint8_t startWeatherLoaded_ = 0;
  QWidget* namesHintRow_ = nullptr;
};

// The "&Settings..." command: load the dialog from the mission, run it, and on
// OK write everything back and note the change. True on OK; the caller then
// refreshes whatever shows the owner names.
bool RunMissionSettings(QWidget* parent, TMission& m);

}  // namespace vh
