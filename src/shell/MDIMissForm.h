#pragma once

#include <QTimer>
#include <QWidget>
#include <string>

#include "views/COMPMissView.h"

class QScrollArea;

namespace vh {

class TMissFrame;

// The window of one mission: its map view in a scrolling area, painting and
// picking with the palette's choice, the cursor kept in step with the
// palette and the status bar, and the blinking cursor while it is current.
class TMDIMiss : public QWidget {
  Q_OBJECT
public:
  TMDIMiss(TMissFrame* frame, const TPictureSets& sets, QWidget* parent = nullptr);
  ~TMDIMiss() override;

  TMissView* MissView() { return missView_; }
  const TMissView* MissView() const { return missView_; }
  TMission& Mission() { return missView_->Mission(); }
  bool IsActive() const { return isActive_; }
  QTimer& Timer() { return timer_; }

  // Reads the mission, then announces the window as current.
  void OpenFile(const std::string& fileName);
  void NewMission(int32_t width, int32_t height);
  void Save() { missView_->SaveMission(); }
  void SaveAs(const std::string& fileName) { missView_->SaveMissionAs(fileName); }
  void SetActive(bool value);
  void ClearWithFilter();
  void SetMissSize(int32_t width, int32_t height);
  void UpdateCaption();
  // The window came to the front; a mission not yet read or sized does not
  // take part.
  void Activated();
  // Closing asks nothing after this: the user already decided, or the whole
  // program is going down.
  void SetDiscardOnClose() { discardOnClose_ = true; }
  // The frame is being torn down: no more notifications to it.
  void DetachFrame() { frame_ = nullptr; }

  // Scrolls so that the view's pixel (x, y) shows: centred, or as little as
  // possible.
  void MakePointInView(int32_t x, int32_t y, bool center);

  // The view's events.
  void Paint(TMouseActionItem action, Qt::MouseButton button, TShiftState shift, TPoint cell);
  void Pick();
  void CursorFollowUp();

  // Undo and redo of this window's own history; the palette follows.
  void Undo();
  void Redo();
  void GoToStep(size_t position);
  // The step a stroke of the palette's page makes.
  static std::string StrokeStepName(uint8_t page, bool paste);

  // Whether the window may close: asks about unsaved changes (and saves
  // when the user wants that).
  bool ConfirmClose();

signals:
  // Steps were added, undone, redone or saved.
  void HistoryChanged();

protected:
  void closeEvent(QCloseEvent* event) override;

private:
  void EndStroke();
  void ShowUndone(const TStepEffect& effect);

  TMissFrame* frame_;
  QScrollArea* scroll_;
  TMissView* missView_;
  QTimer timer_;
  bool isActive_ = false;
  bool discardOnClose_ = false;
};

} // namespace vh
