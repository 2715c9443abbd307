#pragma once

#include <QDialog>
#include <functional>

#include "config/Config.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace vh {

// "Options": the game directory, the shop names text directory, the
// visibility of the tool bar and the status bar, the autosave interval and
// the language.
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
  // Stored as Language= and applied at the next start.
  QComboBox* LanguageEdit = nullptr;
  // Shown while no folder of TXTDirEdit's name lies in the game directory.
  QLabel* TXTDirHint = nullptr;

  // Run on OK with the values as they would be stored: a non-empty result
  // says what is wrong, and the dialog stays open.
  std::function<QString(const TConfig&)> Check;

  void accept() override;

private:
  void BrowseClick();
  void UpdateTXTDirHint();
  TConfig config_;
};

// Runs the options dialog on `config`; true when the user pressed OK (the
// values are then in `config`). `check` vets the values before the dialog
// closes.
bool ShowOptions(QWidget* parent, TConfig& config, std::function<QString(const TConfig&)> check = {});

}  // namespace vh
