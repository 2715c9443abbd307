#pragma once

#include <QDialog>

class QSpinBox;

namespace vh {

// "New Mission": the size of a new map, 24..64 columns by 16..64 rows in
// steps of two.
class TNewMissionForm : public QDialog {
  Q_OBJECT
public:
  explicit TNewMissionForm(QWidget* parent = nullptr);

  int MissWidth() const;
  int MissHeight() const;

  QSpinBox* UpDownWidth = nullptr;
  QSpinBox* UpDownHeight = nullptr;
};

// "Select DF Layer": the change layer to show, 0..31.
class TDLGDFLayerForm : public QDialog {
  Q_OBJECT
public:
  explicit TDLGDFLayerForm(int layer, QWidget* parent = nullptr);

  int Layer() const;

  QSpinBox* DFNrEdit = nullptr;
};

// The about box.
class TAboutBox : public QDialog {
  Q_OBJECT
public:
  explicit TAboutBox(QWidget* parent = nullptr);
};

}  // namespace vh
