#pragma once

#include <QLabel>
#include <QStatusBar>
#include <optional>

#include "hexmap/CellEditing.h"
#include "mission/Mission.h"

namespace vh {

// The cursor position panel: x is right-aligned against a fixed colon, so
// the colon stays in place while x has up to two digits.
class TPositionPanel : public QWidget {
  Q_OBJECT
public:
  explicit TPositionPanel(QWidget* parent = nullptr);
  void SetPosition(TPoint p);
  TPoint Position() const { return pos_; }
  QString Text() const;
  QSize sizeHint() const override;

protected:
  void paintEvent(QPaintEvent*) override;

private:
  TPoint pos_{-1, -1};
};

// The frame's status bar: simple (empty) while no mission window is open,
// else the position, terrain, object and unit panels.
class TMainStatusBar : public QStatusBar {
  Q_OBJECT
public:
  explicit TMainStatusBar(QWidget* parent = nullptr);

  void SetSimple(bool simple);
  bool IsSimple() const { return simple_; }
  // Cursor cell and its terrain, object and unit word as the panels show them.
  void ShowCell(const TShownCell& cell);
  // The cell under the mouse pointer, or none while the pointer is off the map.
  void ShowPointerCell(const std::optional<TShownCell>& cell);

  TPositionPanel* PosPanel = nullptr;
  QLabel* TerPanel = nullptr;
  QLabel* ObjPanel = nullptr;
  QLabel* VehPanel = nullptr;
  QLabel* PointerPanel = nullptr;
  QLabel* ZoomPanel = nullptr;
  QLabel* SelectionPanel = nullptr;
  // "Selected: N cells"; nothing while none are.
  void ShowSelection(size_t cells);
  // The current mission window's zoom in percent.
  void ShowZoom(int percent);

private:
  bool simple_ = false;
};

// "Ter: 12", "Ter: -1" for 0xFFFF, and likewise "Obj: ...".
QString PartPanelText(const char* prefix, uint16_t value);
// "Veh: 0203h": always four upper-case hexadecimal digits.
QString UnitPanelText(uint16_t unit);

}  // namespace vh
