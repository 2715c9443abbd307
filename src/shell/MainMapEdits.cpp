// The whole-map edits of the Mission menu (Resize Map, Rebuild Coasts) and
// the dock of change layers.
#include <QAction>
#include <QMenu>
#include <QMessageBox>
#include <QSpinBox>
#include <QStatusBar>

#include "shell/ChangeLayersDock.h"
#include "shell/DLGResizeMap.h"
#include "shell/MDIMainForm.h"
#include "shell/MDIMissForm.h"
#include "shell/VhApplication.h"
#include "views/COMPMissView.h"

namespace vh {

namespace {

// "2 units (with 1 cargo record and 1 AI point), 1 shop and 12 change-layer
// records": only what is there.
QString LossText(const TResizeLoss& loss) {
  const auto count = [](int n, const QString& one, const QString& many) {
    return n == 1 ? one : many.arg(n);
  };
  const QString cargo = count(loss.Cargo, TMDIMain::tr("1 cargo record"), TMDIMain::tr("%1 cargo records"));
  const QString aiPoints = count(loss.AIPoints, TMDIMain::tr("1 AI point"), TMDIMain::tr("%1 AI points"));
  QStringList parts;
  if (loss.Units > 0) {
    QString units = count(loss.Units, TMDIMain::tr("1 unit"), TMDIMain::tr("%1 units"));
    QStringList along;
    if (loss.Cargo > 0)
      along.append(cargo);
    if (loss.AIPoints > 0)
      along.append(aiPoints);
    if (!along.isEmpty())
      units = TMDIMain::tr("%1 (with %2)").arg(units, along.join(TMDIMain::tr(" and ")));
    parts.append(units);
  } else {
    // Records whose unit lay outside the old map already.
    if (loss.Cargo > 0)
      parts.append(cargo);
    if (loss.AIPoints > 0)
      parts.append(aiPoints);
  }
  if (loss.Shops > 0)
    parts.append(count(loss.Shops, TMDIMain::tr("1 shop"), TMDIMain::tr("%1 shops")));
  if (loss.LayerRecords > 0)
    parts.append(count(loss.LayerRecords, TMDIMain::tr("1 change-layer record"),
                       TMDIMain::tr("%1 change-layer records")));
  if (parts.size() == 1)
    return parts.front();
  const QString last = parts.takeLast();
  return TMDIMain::tr("%1 and %2").arg(parts.join(TMDIMain::tr(", ")), last);
}

}  // namespace

void TMDIMain::CreateMapEditItems() {
  ResizeMapItem = AddCommand(MissionMenu, tr("&Resize Map..."), &TMDIMain::ResizeMapItemClick);
  ResizeMapItem->setObjectName("ResizeMapItem");
  RebuildCoastsItem = AddCommand(MissionMenu, tr("Rebuild &Coasts"), &TMDIMain::RebuildCoastsItemClick);
  RebuildCoastsItem->setObjectName("RebuildCoastsItem");
  RebuildCoastsItem->setToolTip(
      tr("Give every water and coast cell of the map the coast picture of the land around it"));
}

void TMDIMain::RebuildCoastsItemClick() {
  if (TMissView* view = CurrentView()) {
    const size_t cells = view->RebuildCoasts();
    statusBar()->showMessage(cells == 1 ? tr("Rebuild Coasts: 1 cell changed.")
                                        : tr("Rebuild Coasts: %1 cells changed.").arg(cells),
                             5000);
  }
}

void TMDIMain::ResizeMapItemClick() {
  TMissView* view = CurrentView();
  if (!view)
    return;
  const TPoint old{view->Mission().Width, view->Mission().Height};
  TDLGResizeMap dialog(old, this);
  if (dialog.exec() != QDialog::Accepted)
    return;
  const TResize resize = dialog.Resize();
  if (resize.Size == old && resize.Offset == TPoint{0, 0})
    return;
  if (const TResizeLoss loss = ResizeLoss(view->Mission(), resize); loss.Any()) {
    const auto answer = QMessageBox::question(
        this, tr("Resize Map"),
        tr("Resizing removes what lies outside the new map: %1.\n\nResize the map?").arg(LossText(loss)),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
      return;
  }
  view->ResizeMap(resize);
}

void TMDIMain::CreateChangeLayersDock() {
  changeLayersDock_ = new TChangeLayersDock(this);
  addDockWidget(Qt::RightDockWidgetArea, changeLayersDock_);
  changeLayersDock_->OnChoose = [this](int layer, bool turnOn) {
    RunCommand(this, [&] {
      SelectDFLayer(layer);
      if (turnOn && !FilterActions[mfDFLayer]->isChecked())
        FilterActions[mfDFLayer]->trigger();
    });
  };
  // The View menu's item and the dock's close button are one switch.
  QAction* item = changeLayersDock_->toggleViewAction();
  item->setText(tr("C&hange Layers"));
  item->setObjectName("ChangeLayersItem");
  item->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L));
  ViewMenu->addAction(item);
  changeLayersDock_->setVisible(layout_.ChangeLayers);
  changeLayersDock_->SetView(CurrentView());
}

}  // namespace vh
