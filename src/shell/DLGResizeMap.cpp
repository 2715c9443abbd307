#include "shell/DLGResizeMap.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace vh {

namespace {

// The arrows point from the middle toward the anchor.
constexpr const char16_t* AnchorArrows[9] = {u"\u2196", u"\u2191", u"\u2197", u"\u2190", u"\u25CF",
                                             u"\u2192", u"\u2199", u"\u2193", u"\u2198"};

QSpinBox* SizeBox(QWidget* parent, const char* name, int min, int value) {
  auto* s = new QSpinBox(parent);
  s->setObjectName(name);
  s->setRange(min, MaxMapSize);
  s->setValue(value);
  s->setAlignment(Qt::AlignRight);
  s->setMinimumWidth(80);
  return s;
}

}  // namespace

TResizePreview::TResizePreview(QWidget* parent) : QWidget(parent) {
  setObjectName("ResizePreview");
  setMinimumSize(sizeHint());
  setToolTip(tr("The new map (grey) with the old map's outline (red)"));
}

void TResizePreview::Show(TPoint oldSize, const TResize& resize) {
  old_ = oldSize;
  resize_ = resize;
  update();
}

void TResizePreview::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().window());
  if (resize_.Size.x <= 0 || resize_.Size.y <= 0)
    return;
  // Both maps fit, in cells of the same size; the new map in the middle.
  const int left = std::min(0, resize_.Offset.x), top = std::min(0, resize_.Offset.y);
  const int right = std::max(resize_.Size.x, resize_.Offset.x + old_.x),
            bottom = std::max(resize_.Size.y, resize_.Offset.y + old_.y);
  const double cell = std::min((width() - 8.0) / (right - left), (height() - 8.0) / (bottom - top));
  const QPointF origin((width() - cell * (right - left)) / 2 - cell * left,
                       (height() - cell * (bottom - top)) / 2 - cell * top);
  const QRectF map(origin, QSizeF(cell * resize_.Size.x, cell * resize_.Size.y));
  p.fillRect(map, QColor(0xB0, 0xB8, 0xC0));
  p.setPen(QColor(0x40, 0x48, 0x50));
  p.drawRect(map);
  const QRectF old(origin + QPointF(cell * resize_.Offset.x, cell * resize_.Offset.y),
                   QSizeF(cell * old_.x, cell * old_.y));
  p.setPen(QPen(QColor(0xD0, 0x20, 0x20), 2));
  p.drawRect(old);
}

TDLGResizeMap::TDLGResizeMap(TPoint oldSize, QWidget* parent) : QDialog(parent), old_(oldSize) {
  setWindowTitle(tr("Resize Map"));
  setObjectName("ResizeMap");
  WidthEdit = SizeBox(this, "WidthEdit", MinMapWidth, std::clamp(oldSize.x, MinMapWidth, MaxMapSize));
  HeightEdit = SizeBox(this, "HeightEdit", MinMapHeight, std::clamp(oldSize.y, MinMapHeight, MaxMapSize));
  ColumnOffsetEdit = new QSpinBox(this);
  ColumnOffsetEdit->setObjectName("ColumnOffsetEdit");
  // Even only: the arrows step by two, and a typed odd number is taken
  // toward zero.
  ColumnOffsetEdit->setRange(-MaxMapSize, MaxMapSize);
  ColumnOffsetEdit->setSingleStep(2);
  ColumnOffsetEdit->setKeyboardTracking(false);
  ColumnOffsetEdit->setToolTip(tr("Columns the old map moves right (negative: left, cutting them off); "
                                  "always even, as odd columns sit half a cell lower"));
  RowOffsetEdit = new QSpinBox(this);
  RowOffsetEdit->setObjectName("RowOffsetEdit");
  RowOffsetEdit->setRange(-MaxMapSize, MaxMapSize);
  RowOffsetEdit->setToolTip(tr("Rows the old map moves down (negative: up, cutting them off)"));

  auto* sizeForm = new QFormLayout;
  sizeForm->addRow(new QLabel(tr("Old size:")), new QLabel(tr("%1 x %2").arg(oldSize.x).arg(oldSize.y)));
  sizeForm->addRow(tr("&Width:"), WidthEdit);
  sizeForm->addRow(tr("&Height:"), HeightEdit);

  auto* anchorBox = new QGroupBox(tr("Anchor"), this);
  auto* anchorGrid = new QGridLayout(anchorBox);
  auto* anchors = new QButtonGroup(this);
  // None is checked once the offsets are set by hand.
  anchors->setExclusive(false);
  for (int i = 0; i < 9; ++i) {
    auto* b = new QToolButton(anchorBox);
    b->setObjectName(QStringLiteral("Anchor%1%2").arg(i % 3).arg(i / 3));
    b->setCheckable(true);
    b->setText(QString::fromUtf16(AnchorArrows[i]));
    b->setFixedSize(28, 28);
    anchors->addButton(b, i);
    anchorGrid->addWidget(b, i / 3, i % 3);
    AnchorButtons[static_cast<size_t>(i)] = b;
  }
  anchorBox->setToolTip(tr("Where the old map goes in the new one"));
  connect(anchors, &QButtonGroup::idClicked, this, [this](int i) { SetAnchor(i % 3, i / 3); });

  auto* offsetForm = new QFormLayout;
  offsetForm->addRow(tr("&Column offset:"), ColumnOffsetEdit);
  offsetForm->addRow(tr("&Row offset:"), RowOffsetEdit);

  Preview = new TResizePreview(this);
  auto* left = new QVBoxLayout;
  left->addLayout(sizeForm);
  left->addWidget(anchorBox);
  left->addLayout(offsetForm);
  auto* columns = new QHBoxLayout;
  columns->addLayout(left);
  columns->addWidget(Preview, 1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName("OKButton");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addWidget(buttons);

  connect(WidthEdit, &QSpinBox::valueChanged, this, &TDLGResizeMap::SizeChanged);
  connect(HeightEdit, &QSpinBox::valueChanged, this, &TDLGResizeMap::SizeChanged);
  connect(ColumnOffsetEdit, &QSpinBox::valueChanged, this, &TDLGResizeMap::OffsetEdited);
  connect(RowOffsetEdit, &QSpinBox::valueChanged, this, &TDLGResizeMap::OffsetEdited);
  SetAnchor(0, 0);
  WidthEdit->setFocus();
}

TResize TDLGResizeMap::Resize() const {
  return {{WidthEdit->value(), HeightEdit->value()}, {ColumnOffsetEdit->value(), RowOffsetEdit->value()}};
}

void TDLGResizeMap::SetAnchor(int column, int row) {
  anchorColumn_ = std::clamp(column, 0, 2);
  anchorRow_ = std::clamp(row, 0, 2);
  anchored_ = true;
  SizeChanged();
}

void TDLGResizeMap::SizeChanged() {
  if (anchored_) {
    const TPoint offset =
        AnchorOffset(old_, {WidthEdit->value(), HeightEdit->value()}, anchorColumn_, anchorRow_);
    placing_ = true;
    ColumnOffsetEdit->setValue(offset.x);
    RowOffsetEdit->setValue(offset.y);
    placing_ = false;
  }
  Update();
}

void TDLGResizeMap::OffsetEdited() {
  if (const int x = ColumnOffsetEdit->value(); x % 2 != 0) {
    // Toward zero, as the anchors round: what fits stays.
    ColumnOffsetEdit->setValue(x - (x > 0 ? 1 : -1));
    return;  // the value's own signal comes back here
  }
  if (!placing_)
    anchored_ = false;  // placed by hand: a new size keeps the offsets
  Update();
}

void TDLGResizeMap::Update() {
  for (int i = 0; i < 9; ++i)
    AnchorButtons[static_cast<size_t>(i)]->setChecked(anchored_ && i == anchorRow_ * 3 + anchorColumn_);
  Preview->Show(old_, Resize());
}

}  // namespace vh
