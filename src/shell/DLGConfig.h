#pragma once

#include <QDialog>

#include "config/Config.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

namespace vh {

// "Options": the game directory, the shop names text directory, the
// visibility of the tool bar and the status bar, and the autosave interval.
class TDLGConfigForm : public QDialog {
  Q_OBJECT
public:
  explicit TDLGConfigForm(const TConfig& config, QWidget* parent = nullptr);

  // Copies the dialog's values into `config` (after OK).
  void Store(TConfig& config) const;

  QLineEdit* VHDirEdit = nullptr;
  QComboBox* TXTDirEdit = nullptr;
  QCheckBox* ToolBarBox = nullptr;
  QCheckBox* StatusBarBox = nullptr;
  QSpinBox* AutosaveEdit = nullptr;

private:
  void BrowseClick();
};

// Runs the options dialog on `config`; true when the user pressed OK (the
// values are then in `config`).
bool ShowOptions(QWidget* parent, TConfig& config);

} // namespace vh
