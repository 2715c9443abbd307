#pragma once

#include "tools/CentredDialog.h"

#include <QDialog>

#include "graphics/PictureSets.h"
#include "views/EckView.h"

class QPushButton;

namespace vh {

class TContentView;
class TMultiSelView;

// The unit selector of both slot dialogs and their common layout: selector
// on top, the slots with their "X" below, then OK and Cancel.
TMultiSelView* MakeDialogUnitSelector(const TPictureSets& sets, QWidget* parent);
void LayOutSlotDialog(QDialog& dialog, QWidget* selector, QWidget* slotGrid, QPushButton* clear,
                      QPushButton* ok, QPushButton* cancel);
QPushButton* MakeNamedButton(const QString& text, const QString& name, QWidget* parent);

// "Edit Content": a shop's 16 content slots, filled by clicking them with the
// unit chosen in the unit selector above. The owner loads Content, runs the
// dialog and on OK reads the slots back.
class TEditContentForm : public TCentredDialog {
  Q_OBJECT

public:
  explicit TEditContentForm(const TPictureSets& sets, QWidget* parent = nullptr);

  TMultiSelView* VehSelector = nullptr;
  TContentView* Content = nullptr;
  QPushButton* ClearContentBut = nullptr;
  QPushButton* Button1 = nullptr;  // OK
  QPushButton* Button2 = nullptr;  // Cancel

private:
  void ContentMouseAction0(TMouseActionItem action, TPoint cell);
  void ClearContentButClick();
};

}  // namespace vh
