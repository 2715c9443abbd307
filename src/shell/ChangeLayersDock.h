#pragma once

#include <QDockWidget>
#include <QPointer>
#include <array>
#include <functional>

#include "mission/Mission.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace vh {

class TMissView;

// The "Change Layers" dock: the 32 change layers of the current mission
// window with how many cells each changes, the shown one ("Nr.") marked. A
// click shows a layer, a double-click also turns the change layer on. The
// list follows the map's change notification.
class TChangeLayersDock : public QDockWidget {
  Q_OBJECT
public:
  explicit TChangeLayersDock(QWidget* parent = nullptr);

  // The map whose layers are listed; null empties the list.
  void SetView(TMissView* view);
  // Asked to show `layer`; with `turnOn` the change layer is to be drawn too.
  std::function<void(int layer, bool turnOn)> OnChoose;

  QTreeWidget* List() const { return list_; }
  // The counts as the list shows them; all 0 without a map.
  const std::array<int, DFLayerCount>& Counts() const { return counts_; }
  // The layer marked as the shown one; -1 without a map.
  int MarkedLayer() const { return marked_; }

private:
  void Refresh();
  void Choose(QTreeWidgetItem* item, bool turnOn);

  QTreeWidget* list_;
  QPointer<TMissView> view_;
  QMetaObject::Connection changed_, gone_;
  std::array<int, DFLayerCount> counts_{};
  int marked_ = -1;
  bool stale_ = false;  // a hidden list catches up when it shows
};

}  // namespace vh
