#include "shell/MainStatusBar.h"

#include <QFontMetrics>
#include <QPainter>

namespace vh {

TPositionPanel::TPositionPanel(QWidget* parent) : QWidget(parent) {
  setObjectName("PosPanel");
}

void TPositionPanel::SetPosition(TPoint p) {
  if (p == pos_)
    return;
  pos_ = p;
  update();
}

QString TPositionPanel::Text() const {
  return QStringLiteral("%1:%2").arg(pos_.x).arg(pos_.y);
}

QSize TPositionPanel::sizeHint() const {
  QFontMetrics fm(font());
  return {fm.horizontalAdvance(QStringLiteral("00:00")) + 14, fm.height() + 2};
}

void TPositionPanel::paintEvent(QPaintEvent*) {
  if (pos_.x < 0)
    return;
  QPainter p(this);
  QFontMetrics fm(font());
  int c = fm.horizontalAdvance(QStringLiteral("00")) + 5;
  QString x = QString::number(pos_.x);
  int baseline = (height() + fm.ascent() - fm.descent()) / 2;
  p.drawText(c - fm.horizontalAdvance(x), baseline, x);
  p.drawText(c, baseline, QStringLiteral(":%1").arg(pos_.y));
}

// `prefix` is marked for the status bar's context.
QString PartPanelText(const char* prefix, uint16_t value) {
  return TMainStatusBar::tr(prefix) + (value == 0xFFFF ? QStringLiteral("-1") : QString::number(value));
}

QString UnitPanelText(uint16_t unit) {
  return TMainStatusBar::tr("Veh: ") + QStringLiteral("%1").arg(unit, 4, 16, QLatin1Char('0')).toUpper() +
         QStringLiteral("h");
}

TMainStatusBar::TMainStatusBar(QWidget* parent) : QStatusBar(parent) {
  PosPanel = new TPositionPanel(this);
  auto label = [this](const char* name, const QString& text) {
    auto* l = new QLabel(text, this);
    l->setObjectName(name);
    l->setMinimumWidth(QFontMetrics(l->font()).horizontalAdvance(text) + 12);
    return l;
  };
  TerPanel = label("TerPanel", tr("Ter: ") + QStringLiteral("1000"));
  ObjPanel = label("ObjPanel", tr("Obj: ") + QStringLiteral("1000"));
  VehPanel = label("VehPanel", tr("Veh: ") + QStringLiteral("FFFFh"));
  addWidget(PosPanel);
  addWidget(TerPanel);
  addWidget(ObjPanel);
  addWidget(VehPanel);
  PointerPanel = new QLabel(this);
  PointerPanel->setObjectName("PointerPanel");
  PointerPanel->setToolTip(tr("The cell under the mouse pointer"));
  addWidget(PointerPanel, 1);
  SelectionPanel = new QLabel(this);
  SelectionPanel->setObjectName("SelectionPanel");
  SelectionPanel->setToolTip(tr("Cells selected (Shift + drag; Escape drops them)"));
  addPermanentWidget(SelectionPanel);
  ZoomPanel = label("ZoomPanel", QStringLiteral("400%"));
  ZoomPanel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  ZoomPanel->setToolTip(tr("Zoom"));
  addPermanentWidget(ZoomPanel);
  ShowZoom(100);
  SetSimple(true);
}

void TMainStatusBar::SetSimple(bool simple) {
  simple_ = simple;
  for (QWidget* w : {static_cast<QWidget*>(PosPanel), static_cast<QWidget*>(TerPanel),
                     static_cast<QWidget*>(ObjPanel), static_cast<QWidget*>(VehPanel),
                     static_cast<QWidget*>(PointerPanel), static_cast<QWidget*>(ZoomPanel)})
    w->setVisible(!simple);
  SelectionPanel->setVisible(!simple && !SelectionPanel->text().isEmpty());
}

void TMainStatusBar::ShowCell(const TShownCell& cell) {
  PosPanel->SetPosition(cell.Cell);
  TerPanel->setText(PartPanelText(QT_TR_NOOP("Ter: "), cell.Terrain));
  ObjPanel->setText(PartPanelText(QT_TR_NOOP("Obj: "), cell.Obj));
  VehPanel->setText(UnitPanelText(cell.Unit));
}

void TMainStatusBar::ShowSelection(size_t cells) {
  SelectionPanel->setText(cells == 0   ? QString()
                          : cells == 1 ? tr("Selected: 1 cell")
                                       : tr("Selected: %1 cells").arg(cells));
  SelectionPanel->setVisible(!simple_ && cells != 0);
}

void TMainStatusBar::ShowZoom(int percent) {
  ZoomPanel->setText(QString::number(percent) + QLatin1Char('%'));
}

void TMainStatusBar::ShowPointerCell(const std::optional<TShownCell>& cell) {
  if (!cell) {
    PointerPanel->clear();
    return;
  }
  PointerPanel->setText(tr("Pointer %1:%2   %3   %4   %5")
                            .arg(cell->Cell.x)
                            .arg(cell->Cell.y)
                            .arg(PartPanelText(QT_TR_NOOP("Ter: "), cell->Terrain),
                                 PartPanelText(QT_TR_NOOP("Obj: "), cell->Obj), UnitPanelText(cell->Unit)));
}

}  // namespace vh
