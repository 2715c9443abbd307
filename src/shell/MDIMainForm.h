#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <string>
#include <vector>

#include "config/Config.h"
#include "shell/GameGraphicsCheck.h"
#include "shell/MissFrame.h"
#include "hexmap/MissionPicture.h"

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QSpinBox;
class QToolBar;

namespace vh {

class TMainStatusBar;
class TMDIMiss;
class TMissView;
class TUtilityForm;
class THistoryDock;

// The editor's one top-level window: the MDI area with the mission windows,
// the palette and the map generator; the menu, the filter tool bar and the
// status bar; start-up and shut-down.
class TMDIMain : public QMainWindow, public TMissFrame {
  Q_OBJECT
public:
  // `programDir` holds vhedit.ini and the editor's data files.
  explicit TMDIMain(const std::string& programDir, const TPlatformDirs& platform = CurrentPlatformDirs(),
                    QWidget* parent = nullptr);
  ~TMDIMain() override;

  // The one-shot start-up step: loads the game graphics (asking for another
  // directory while that fails) and creates the palette. Runs by itself at
  // the first idle moment; false when the user gave up, which closes the frame.
  bool StartupIdle();
  void SetGraphicsCheckUi(TGraphicsCheckUi ui) { graphicsUi_ = std::move(ui); }

  // --- TMissFrame --------------------------------------------------------
  void MissActivate(TMDIMiss* window) override;
  void MissCreated(TMDIMiss* window) override;
  void MissDestroyed(TMDIMiss* window) override;
  void MissCurPos() override;
  void GenMapOpened() override;
  void GenMapClosed() override;
  TPaletteApi* Palette() override { return paletteApi_; }
  bool SaveWindow(TMDIMiss* window) override;

  // --- Commands, after their dialogs ----------------------------------------
  // Each raises its errors; the menu items show them.
  TMDIMiss* OpenMissionFile(const std::string& fileName);
  TMDIMiss* NewMissionWindow(int32_t width, int32_t height);
  void SaveMissionAs(TMDIMiss* window, const std::string& fileName);
  void SaveMapBitmap(TMDIMiss* window, const std::string& fileName);
  void SelectDFLayer(int layer);
  void ToggleGenerator();

  // --- State ---------------------------------------------------------------
  TMDIMiss* ActiveMiss() const { return activeMiss_; }
  int MissCount() const { return missCount_; }
  bool StartupOK() const { return startupOK_; }
  const TConfig& Config() const { return config_; }
  TConfig& Config() { return config_; }
  QMdiArea* MdiArea() const { return mdi_; }
  QWidget* PaletteWindow() const { return paletteWindow_; }
  TUtilityForm* Generator() const { return generator_; }
  TMainStatusBar* StatusPanels() const { return status_; }
  THistoryDock* HistoryDock() const { return historyDock_; }
  std::vector<TMDIMiss*> MissionWindows() const;  // in child-list order

  // Tool bar and menu items, named as the user sees them.
  std::array<QAction*, MissFilterBitCount> FilterActions{};  // by filter bit
  QAction* GridFilter = nullptr;
  QSpinBox* DFNrCounter = nullptr;
  QAction *FileNewItem = nullptr, *FileOpenItem = nullptr, *FileSaveItem = nullptr, *FileSaveAsItem = nullptr,
          *FileSaveBmpItem = nullptr, *FileOptionsItem = nullptr, *FileExitItem = nullptr;
  QAction *DFLayerItem = nullptr, *ClearFilterItem = nullptr, *SettingsItem = nullptr, *GenerateMapItem = nullptr;
  QAction *TileItem = nullptr, *CascadeItem = nullptr, *ArrangeIconsItem = nullptr, *AboutItem = nullptr;
  QAction *EditUndoItem = nullptr, *EditRedoItem = nullptr, *EditHistoryItem = nullptr;
  QMenu *EditMenu = nullptr, *ViewMenu = nullptr, *MissionMenu = nullptr, *WindowMenu = nullptr;
  QToolBar* ToolBar = nullptr;

  // The view the tool bar and the palette follow.
  TMissView* CurrentView() const;
  void UpdateStatusBar();

protected:
  void closeEvent(QCloseEvent* event) override;

private:
  void CreateMenus();
  void CreateToolBar();
  // The Edit menu, its tool bar buttons and the history window (MainEdit.cpp).
  void CreateEditMenu();
  void AddEditButtons();
  void UpdateEditActions();
  void SetToolBarIcons();
  void EnableMissionCommands(bool enable);
  void MirrorView(TMissView* view);
  void ApplyBarVisibility();
  void LoadStdData();
  QMdiSubWindow* AddMissionWindow(TMDIMiss* window);

  // Menu handlers: they run the dialogs and show every error.
  void FileNewItemClick();
  void FileOpenItemClick();
  void FileSaveItemClick();
  void FileSaveAsItemClick();
  void FileSaveBmpItemClick();
  void FileOptionsItemClick();
  void DFLayerItemClick();
  void SettingsItemClick();
  void TileItemClick();
  void ArrangeIconsItemClick();
  void WindowMenuAboutToShow();
  void FilterClick(int bit, bool down);

  TConfig config_;
  TGraphicsCheckUi graphicsUi_;
  std::vector<std::string> startupErrors_;
  QMdiArea* mdi_ = nullptr;
  TMainStatusBar* status_ = nullptr;
  QPointer<QWidget> paletteWindow_;
  TPaletteApi* paletteApi_ = nullptr;
  TUtilityForm* generator_ = nullptr;
  THistoryDock* historyDock_ = nullptr;
  TMDIMiss* activeMiss_ = nullptr;
  int missCount_ = 0;
  bool startupOK_ = false;
  bool startupDone_ = false;
  bool tearingDown_ = false;
  QString openDir_, saveDir_, bmpDir_;
};

} // namespace vh
