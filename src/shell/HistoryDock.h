#pragma once

#include <QDockWidget>
#include <functional>

class QListWidget;

namespace vh {

class TMissionHistory;

// The history window: the steps of the current mission window by name, the
// state it was opened or started in on top, the saved state marked, the
// present state selected. Clicking a row goes to that state.
class THistoryDock : public QDockWidget {
  Q_OBJECT
public:
  explicit THistoryDock(QWidget* parent = nullptr);

  // Shows `history`'s steps; none for null. Only a shown window fills its
  // list: it fills it again when it appears.
  void ShowHistory(const TMissionHistory* history);
  QListWidget* List() const { return list_; }

  // The row the user picked: the number of steps to have in effect.
  std::function<void(size_t position)> OnGoTo;

  // "Paint Terrain — 14 cells"; the cell count only where cells changed.
  static QString StepText(const TMissionHistory& history, size_t step);

protected:
  void showEvent(QShowEvent* event) override;

private:
  void Fill();

  QListWidget* list_;
  const TMissionHistory* history_ = nullptr;
};

}  // namespace vh
