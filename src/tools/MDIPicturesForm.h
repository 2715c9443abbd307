#pragma once

#include "tools/PaletteApi.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "graphics/PictureSets.h"
#include "hexmap/MultiSelection.h"
#include "tools/SelectionPages.h"
#include "views/COMPMissView.h"
#include "views/EckView.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMdiArea;
class QMdiSubWindow;
class QPushButton;
class QTabWidget;

namespace vh {

class TContentView;
class TMultiSelView;
class TProduceView;
class TSpinEdit;

// The name the mission window uses for the block chosen in the palette.
using MultiSelection = TMultiSelection;

// "Edit Window", the editor's one tool window. Its "Terrain", "Object" and
// "Vehicle" pages choose what a left-button stroke paints into a mission;
// the "Shop" page and the lower part of the "Vehicle" page edit the shop,
// the unit cargo and the AI point of the cell under the cursor of the
// mission view it follows. Every edit goes into that mission at once.
//
// Closing the window minimises it: there is exactly one, for the life of the
// program.
class TMDIPictures : public QWidget, public TPaletteApi {
  Q_OBJECT

public:
  enum TPage : uint8_t { pgTerrain = 0, pgObject = 1, pgVehicle = 2, pgShop = 3 };

  // Reads terrain.sel and objekt.sel from `programDir`. A selection file
  // that cannot be read leaves its selectors empty and is reported through
  // SetupError; the palette is usable all the same.
  TMDIPictures(const TPictureSets& sets, const std::string& programDir, QWidget* parent = nullptr);
  ~TMDIPictures() override;

  // Puts the palette into the main frame's area as a tool window with a
  // system menu and a minimise button.
  static QMdiSubWindow* AddToMdiArea(QMdiArea& area, TMDIPictures* palette);

  // What went wrong while the selection files were read, one line per file;
  // empty when both were read.
  const QString& SetupError() const { return setupError_; }

  // --- Called by the mission window --------------------------------------
  // The active page and, for pages 0..2, the value a stroke paints; on the
  // Shop page the value is left as it was.
  void GetSelectedPicture(uint8_t& page, uint16_t& value) override;
  // The block chosen on the Terrain or Object page; false when none is.
  bool GetMultiSelection(MultiSelection& out) override;
  const TPictureGroups* PictureGroups(int page) const override;
  int ShownGroup(int page) const override;
  // Shows a map cell's picture of the active page in its selector; false
  // when a terrain or object picture is in no group (the caller beeps).
  bool PickPicture(int16_t terrain, int16_t obj, uint16_t unit) override;
  void SetCurrentShop(int16_t shopIndex) override;
  void ShowCellUnit(int16_t vehContent, bool hasUnit, int16_t aiPoint) override;

  // --- Called by the main frame --------------------------------------------
  void AttachMissionView(TMissView* view) override;
  void DetachMissionView() override;
  void EnableShopCreation() override;
  void RefreshOwnerNames() override;
  void RefreshFromMission() override;

  TMissView* FollowedView() const { return view_; }
  int16_t CurrentShop() const { return curShop_; }
  int16_t CurrentContent() const { return curContent_; }
  int16_t CurrentAIPoint() const { return curAIPoint_; }
  bool UnitShown() const { return unitShown_; }

  // --- Controls --------------------------------------------------------------
  QTabWidget* PageControl = nullptr;
  TMultiSelView* TerSelector = nullptr;
  TMultiSelView* TerGroupSel = nullptr;
  TMultiSelView* ObjSelector = nullptr;
  TMultiSelView* ObjGroupSel = nullptr;
  TMultiSelView* VehSelector = nullptr;
  QComboBox* VehOwnerComboBox = nullptr;

  TContentView* VehContent = nullptr;
  QPushButton* VehContentClearButton = nullptr;
  QCheckBox* IsAI = nullptr;
  QGroupBox* AIGroup = nullptr;
  TSpinEdit* AI0A = nullptr;
  TSpinEdit* AI48 = nullptr;
  TSpinEdit* AI4A = nullptr;
  TSpinEdit* AI4E = nullptr;
  QCheckBox* AI1231 = nullptr;

  QPushButton* ShopButton = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* ShopNrValue = nullptr;
  QComboBox* ShopNameCombo = nullptr;
  QLineEdit* ShopNameEdit = nullptr;
  QComboBox* OwnerComboBox = nullptr;
  QComboBox* TypeComboBox = nullptr;
  TSpinEdit* EnergyEdit = nullptr;
  TSpinEdit* EPEdit = nullptr;
  TSpinEdit* MaterialEdit = nullptr;
  TSpinEdit* MPEdit = nullptr;
  TSpinEdit* PriorityEdit = nullptr;
  TContentView* ShopContent = nullptr;
  QPushButton* ContentEditBut = nullptr;
  QPushButton* ContentClearBut = nullptr;
  TProduceView* ShopProduce = nullptr;
  QPushButton* ProduceEditBut = nullptr;
  QPushButton* ProduceClearBut = nullptr;

protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  // Construction, by page.
  QWidget* BuildSelectorPage(TMultiSelView*& groupSel, TMultiSelView*& selector, const QString& prefix);
  QWidget* BuildVehiclePage();
  void BuildAIGroup();
  QWidget* BuildShopPage();
  void CreateShopControls();
  void LayOutShopPage(QWidget* page);
  void ConnectShopPage();
  void ReadSelectionFiles(const std::string& programDir);
  void SetUpShopPage();
  void SetUpCellUnitFields();

  // Selectors.
  void SetUpSelectorHelp();
  void ShowGroup(const TSelectionFile& groups, TMultiSelView& groupSel, TMultiSelView& selector);
  void TerGroupSelCurPosChanged();
  void ObjGroupSelCurPosChanged();
  bool PickInGroups(const TSelectionFile& file, TMultiSelView& groupSel, TMultiSelView& selector,
                    int16_t value);

  // Shop page.
  TMission* Mission() const;
  TArrShop* Shop() const;
  void FillShopNameList();
  int ShopListPosition(int16_t index) const;
  void FillShopFields(int16_t n);
  void ClearShopFields();
  void EnableShopControls(bool enable);
  // Runs `edit` on the followed mission as the step `name` (typing into one
  // field is one step while `mergeKey` stays the same). The palette made
  // the change itself and is not told of it again.
  void EditMission(const std::string& name, const std::function<TMissionChange(TMission&)>& edit,
                   const std::string& mergeKey = {});
  // Records changed; the map shows it on `cells`.
  static TMissionChange RecordsAt(std::vector<TPoint> cells);
  void ShopButtonClick();
  void ShopNameComboChange(int position);
  void ShopNameEditChange(const QString& text);
  void OwnerComboBoxChange(int item);
  void TypeComboBoxChange(int item);
  template <class T> void StoreShopNumber(T TArrShop::*field, int value, const char* stepName);
  void ShopContentChange();
  void ShopProduceChange();
  void ContentEditButClick();
  void ContentClearButClick();
  void ProduceEditButClick();
  void ProduceClearButClick();
  void PlaceShopNameEdit();

  // Vehicle page: cargo and AI point.
  void VehContentMouseAction0(TMouseActionItem action, TPoint cell);
  void VehContentClearButtonClick();
  void IsAIClick(bool checked);
  void AIValueChange(int which, int value);
  void AIValueEditDone(int which);
  void AI1231Click(bool checked);
  void ShowAIPoint(int16_t a);
  void ClearAIFields();
  void EnableAIFields(bool enable);
  // Moves the focus to the page when it is in one of `controls`.
  void KeepFocusOffDisabled(std::initializer_list<QWidget*> controls);

  const TPictureSets& sets_;
  TSelectionFile terrainGroups_;
  TSelectionFile objectGroups_;
  TPictureGroups terrainPictureGroups_;
  TPictureGroups objectPictureGroups_;
  QString setupError_;

  QLabel* vehOwnerLabel_ = nullptr;
  QPointer<TMissView> view_;
  int16_t curShop_ = -1;
  int16_t curContent_ = -1;
  int16_t curAIPoint_ = -1;
  bool unitShown_ = false;
  bool updating_ = false;
};

}  // namespace vh
