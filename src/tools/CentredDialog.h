#pragma once

#include <QDialog>

namespace vh {

// Centres a dialog on its screen the first time it is shown.
class TCentredDialog : public QDialog {
  Q_OBJECT

public:
  using QDialog::QDialog;

protected:
  void showEvent(QShowEvent* event) override;

private:
  bool centred_ = false;
};

}  // namespace vh
