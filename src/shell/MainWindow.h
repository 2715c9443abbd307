#pragma once

#include <QMainWindow>

namespace vh {

// The main frame; it grows its MDI area, menus and tool bar as the editor grows.
class TMDIMain : public QMainWindow {
  Q_OBJECT
public:
  explicit TMDIMain(QWidget* parent = nullptr);
};

} // namespace vh
