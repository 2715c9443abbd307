#pragma once

#include <QDialog>
#include <vector>

#include "config/Recovery.h"

class QPushButton;
class QTreeWidget;

namespace vh {

// "Recover Missions": the recovery copies an editor left when it did not end
// normally, to restore, discard or keep for the next start.
class TDLGRecover : public QDialog {
  Q_OBJECT
public:
  enum Choice { Restore, Discard, Later };

  TDLGRecover(const std::vector<TRecoveryCopy>& copies, QWidget* parent = nullptr);
  Choice Chosen() const { return chosen_; }

  QTreeWidget* List = nullptr;
  QPushButton* RestoreButton = nullptr;
  QPushButton* DiscardButton = nullptr;
  QPushButton* LaterButton = nullptr;

private:
  Choice chosen_ = Later;
};

}  // namespace vh
