#pragma once

#include <QDockWidget>
#include <QPointer>
#include <QTimer>
#include <cstdint>

#include "mission/MissionCheck.h"

class QAction;
class QMainWindow;
class QMenu;
class QTreeWidget;
class QTreeWidgetItem;

namespace vh {

class TMissView;

// The "Problems" dock: the mission check of the current mission window, one
// row per kind of problem that unfolds into its places. Activating a row
// (double-click, Enter) moves the map's cursor onto its cell and scrolls
// there. The list follows the map's change notification: it checks again
// once the edits pause, so painting never waits for it.
class TProblemsDock : public QDockWidget {
  Q_OBJECT
public:
  explicit TProblemsDock(QWidget* parent = nullptr);

  // The map whose mission is checked; null clears the list.
  void SetView(TMissView* view);
  TMissView* View() const { return view_; }
  // Checks at once and shows the dock.
  void CheckNow();

  QTreeWidget* Tree() const { return tree_; }
  const TCheckReport& Report() const { return report_; }
  // The list does not show the mission as it is now; it will once the
  // edits pause.
  bool Stale() const { return stale_; }
  // How long the edits must pause before the list follows them.
  static constexpr int SettleMs = 250;

private:
  void Changed();
  void Rebuild();
  void FillPlaces(QTreeWidgetItem* row);
  void Activate(QTreeWidgetItem* item);

  QTreeWidget* tree_;
  QPointer<TMissView> view_;
  QMetaObject::Connection changed_, gone_;
  bool stale_ = false;  // the list does not show the mission as it is now
  TCheckReport report_;
  QTimer settle_;
};

// Creates the dock (hidden, bottom area) and its "&Check" item (F7) at the
// end of `missionMenu`. The frame passes the current map on with SetView.
TProblemsDock* InstallProblemsDock(QMainWindow* frame, QMenu* missionMenu, QAction** checkItem = nullptr);

}  // namespace vh
