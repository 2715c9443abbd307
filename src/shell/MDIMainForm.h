#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "config/Config.h"
#include "config/IniFile.h"
#include "hexmap/MissionPicture.h"
#include "shell/GameGraphicsCheck.h"
#include "shell/MainLayout.h"
#include "shell/MissFrame.h"

class QAction;
class QDockWidget;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QSpinBox;
class QStyle;
class QToolBar;

namespace vh {

class TAutosave;
class TChangeLayersDock;
class TMainStatusBar;
struct TRecoveryCopy;
class TMDIMiss;
class TProblemsDock;
class TMissView;
class TUtilityForm;
class THistoryDock;
class TOverviewMap;

// The editor's one top-level window: the MDI area with the mission windows,
// the palette and the map generator; the menu, the filter tool bar and the
// status bar; start-up and shut-down.
class TMDIMain : public QMainWindow, public TMissFrame {
  Q_OBJECT
public:
  // `programDir` holds vhedit.ini and the editor's data files; `iniFile`,
  // when given, is used instead of that vhedit.ini.
  explicit TMDIMain(const std::string& programDir, const TPlatformDirs& platform = CurrentPlatformDirs(),
                    QWidget* parent = nullptr);
  // The settings and data where `locations` says; a per-user vhedit.ini is
  // created from the shipped defaults on the first start.
  explicit TMDIMain(const TLocations& locations, const TPlatformDirs& platform = CurrentPlatformDirs(),
                    QWidget* parent = nullptr);
  ~TMDIMain() override;

  // The one-shot start-up step: loads the game graphics (asking for another
  // directory while that fails) and creates the palette. Runs by itself at
  // the first idle moment; false when the user gave up, which closes the frame.
  bool StartupIdle();
  void SetGraphicsCheckUi(TGraphicsCheckUi ui) { graphicsUi_ = std::move(ui); }
  // Missions the start-up step opens once the graphics are there.
  void SetStartupFiles(const QStringList& files) { startupFiles_ = files; }

  // --- TMissFrame --------------------------------------------------------
  void MissActivate(TMDIMiss* window) override;
  void MissCreated(TMDIMiss* window) override;
  void MissDestroyed(TMDIMiss* window) override;
  void MissCurPos() override;
  void GenMapOpened() override;
  void GenMapClosed() override;
  void MissCaptionChanged(TMDIMiss* window) override;
  void MissPointerCell(TMDIMiss* window, std::optional<TShownCell> shown) override;
  void MissViewMoved(TMDIMiss* window) override;
  void MissSelectionChanged(TMDIMiss* window) override;
  TPaletteApi* EditWindow() override { return paletteApi_; }
  TPaintTool PaintTool() const { return paintTool_; }
  // Chooses the tool and the brush (radius 0..2) for all mission windows.
  void SetPaintTool(TPaintTool tool);
  bool SaveWindow(TMDIMiss* window) override;

  // --- Commands, after their dialogs ----------------------------------------
  // Each raises its errors; the menu items show them. A mission that is
  // open already is brought to the front instead of being read again.
  TMDIMiss* OpenMissionFile(const std::string& fileName);
  TMDIMiss* NewMissionWindow(int32_t width, int32_t height);
  void SaveMissionAs(TMDIMiss* window, const std::string& fileName);
  void SaveMapBitmap(TMDIMiss* window, const std::string& fileName);
  void SelectDFLayer(int layer);
  void ToggleGenerator();
  // Opens a recovery copy in a window that belongs to the copy's original file.
  TMDIMiss* RestoreRecoveryCopy(const TRecoveryCopy& copy);
  TMDIMiss* FindMissionWindow(const std::string& fileName) const;
  void ActivateWindow(TMDIMiss* window);

  // --- Recent files, command line, drops (MainRecentFiles.cpp) ------------
  // Opens each mission, showing every error; used for the command line and
  // for files dropped onto the frame.
  void OpenFiles(const QStringList& paths);
  // A missing file is removed from the list, with a message.
  void OpenRecentFile(const QString& path);
  const QStringList& RecentFiles() const { return recentFiles_; }
  void AddRecentFile(const std::string& path);
  static constexpr int MaxRecentFiles = 8;

  // --- Layout (MainLayout.cpp) -------------------------------------------
  QDockWidget* PaletteDock() const { return paletteDock_; }
  QDockWidget* OverviewDock() const { return overviewDock_; }
  TOverviewMap* Overview() const { return overview_; }
  // Shows the frame where it was last time (maximized by default).
  void ShowWithLayout();
  // Frame and palette geometry and which windows are shown, from [Layout].
  void RestoreLayout();
  void WriteLayout(TIniFile& ini) const;
  void CascadeMissions();
  void TileMissions();
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
  TAutosave* Autosave() const { return autosave_; }
  THistoryDock* HistoryDock() const { return historyDock_; }
  std::vector<TMDIMiss*> MissionWindows() const;  // in child-list order

  // Tool bar and menu items, named as the user sees them.
  std::array<QAction*, MissFilterBitCount> FilterActions{};  // by filter bit
  QAction* GridFilter = nullptr;
  QSpinBox* DFNrCounter = nullptr;
  QLabel* DFNrLabel = nullptr;
  QAction *FileNewItem = nullptr, *FileOpenItem = nullptr, *FileSaveItem = nullptr, *FileSaveAsItem = nullptr,
          *FileSaveBmpItem = nullptr, *FileOptionsItem = nullptr, *FileExitItem = nullptr;
  QAction *DFLayerItem = nullptr, *ClearFilterItem = nullptr, *SettingsItem = nullptr,
          *GenerateMapItem = nullptr;
  QAction* CheckItem = nullptr;
  TProblemsDock* ProblemsDock = nullptr;
  QAction *TileItem = nullptr, *CascadeItem = nullptr, *ArrangeIconsItem = nullptr, *AboutItem = nullptr;
  QAction *FileCloseItem = nullptr, *MouseKeysItem = nullptr;
  QAction *ZoomInItem = nullptr, *ZoomOutItem = nullptr, *ActualSizeItem = nullptr, *FitWindowItem = nullptr;
  QAction *ToolBarItem = nullptr, *StatusBarItem = nullptr, *PaletteItem = nullptr;
  QAction *EditUndoItem = nullptr, *EditRedoItem = nullptr, *EditHistoryItem = nullptr;
  QAction *EditCutItem = nullptr, *EditCopyItem = nullptr, *EditPasteItem = nullptr,
          *EditDeleteItem = nullptr, *EditSelectAllItem = nullptr, *EditMirrorHItem = nullptr,
          *EditMirrorVItem = nullptr;
  QMenu *FileMenu = nullptr, *EditMenu = nullptr, *ViewMenu = nullptr, *MissionMenu = nullptr,
        *WindowMenu = nullptr;
  QMenu* RecentFilesMenu = nullptr;
  QToolBar* ToolBar = nullptr;
  // The painting tools (MainTools.cpp).
  QMenu* ToolsMenu = nullptr;
  QToolBar* ToolsBar = nullptr;
  QAction *PaintToolItem = nullptr, *LineToolItem = nullptr, *FillToolItem = nullptr;
  QAction *BrushSmallerItem = nullptr, *BrushLargerItem = nullptr;
  QLabel* BrushLabel = nullptr;
  QAction *MatchGroupItem = nullptr, *RandomItem = nullptr, *AutoCoastsItem = nullptr;
  // Whole-map edits of the Mission menu (MainMapEdits.cpp).
  QAction *RebuildCoastsItem = nullptr, *ResizeMapItem = nullptr;
  TChangeLayersDock* ChangeLayersDock() const { return changeLayersDock_; }

  // The view the tool bar and the palette follow.
  TMissView* CurrentView() const;
  void UpdateStatusBar();

  // "Varnholt Editor - miss001.dat" with the current mission's file name.
  void UpdateTitle();

protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

private:
  void CreateBarItems();
  void CreateZoomItems();
  void CreateOverviewDock();
  void CreatePaletteDock();
  void ReadRecentFiles(const TIniFile& ini);
  void WriteRecentFiles(TIniFile& ini) const;
  void RebuildRecentFilesMenu();
  void WriteFrameState();
  void ShowMouseAndKeys();
  // The page "Help > Mouse and Keys" shows, its keys read from the menus.
  QString MouseAndKeysHtml() const;
  void CreateMenus();
  void CreateFileMenu();
  void CreateFilterActions();
  void CreateViewMenu();
  void CreateMissionMenu();
  void CreateHelpMenu();
  // A menu item whose handler runs as a command: its errors are shown.
  QAction* AddCommand(QMenu* menu, const QString& text, void (TMDIMain::*handler)());
  void CreateToolBar();
  void CreateToolsMenu();
  void CreateToolsBar();
  void CreateToolSwitches();
  // Rebuild Coasts, Resize Map and the change layers' dock (MainMapEdits.cpp).
  void CreateMapEditItems();
  void CreateChangeLayersDock();
  void RebuildCoastsItemClick();
  void ResizeMapItemClick();
  // The Edit menu, its tool bar buttons and the history window (MainEdit.cpp).
  void CreateEditMenu();
  void AddEditButtons();
  void UpdateEditActions();
  // Cut, copy, paste, delete, select all and mirroring (MainClipboard.cpp).
  void CreateClipboardActions();
  void UpdateClipboardActions();
  bool CopySelectionToClipboard();
  void EditCutItemClick();
  void EditCopyItemClick();
  void EditPasteItemClick();
  void EditDeleteItemClick();
  void EditSelectAllItemClick();
  void EditMirrorHItemClick();
  void EditMirrorVItemClick();
  // Escape drops what the current mission window is in the middle of.
  void EscapeKey();
  void SetToolBarIcons();
  void EnableMissionCommands(bool enable);
  void MirrorView(TMissView* view);
  void ApplyBarVisibility();
  void LoadStdData();
  QMdiSubWindow* AddMissionWindow(TMDIMiss* window);
  // A new mission window filled by `read`; when that raises, the window goes
  // and the error is passed on.
  TMDIMiss* ReadIntoNewWindow(const std::function<void(TMDIMiss&)>& read);
  void StartAutosave();
  // Shows "Recover Missions" when an editor that did not end normally left
  // recovery copies.
  void OfferRecovery();
  void FitToMap(QMdiSubWindow* sub);

  // Menu handlers: they run the dialogs and show every error.
  void FileNewItemClick();
  void FileOpenItemClick();
  void FileSaveItemClick();
  void FileSaveAsItemClick();
  void FileSaveBmpItemClick();
  void FileOptionsItemClick();
  void FileCloseItemClick();
  void DFLayerItemClick();
  void SettingsItemClick();
  void TileItemClick();
  void ArrangeIconsItemClick();
  void WindowMenuAboutToShow();
  void FilterClick(int bit, bool down);

  TConfig config_;
  TPaintTool paintTool_;
  TGraphicsCheckUi graphicsUi_;
  std::vector<std::string> startupErrors_;
  QMdiArea* mdi_ = nullptr;
  TMainStatusBar* status_ = nullptr;
  QPointer<QWidget> paletteWindow_;
  TPaletteApi* paletteApi_ = nullptr;
  TUtilityForm* generator_ = nullptr;
  TAutosave* autosave_ = nullptr;
  THistoryDock* historyDock_ = nullptr;
  TMDIMiss* activeMiss_ = nullptr;
  int missCount_ = 0;
  bool startupOK_ = false;
  bool startupDone_ = false;
  bool tearingDown_ = false;
  QString openDir_, saveDir_, bmpDir_;
  QStringList recentFiles_, startupFiles_;
  QDockWidget* paletteDock_ = nullptr;
  QDockWidget* overviewDock_ = nullptr;
  TChangeLayersDock* changeLayersDock_ = nullptr;
  TOverviewMap* overview_ = nullptr;
  bool paletteShown_ = true;
  TFrameLayout layout_;
  QStyle* missionWindowStyle_ = nullptr;
};

}  // namespace vh
