#include "shell/MainWindow.h"

#include <QLabel>

namespace vh {

TMDIMain::TMDIMain(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(QStringLiteral("Varnholt Editor"));
  auto* label = new QLabel(tr("No mission open."), this);
  label->setAlignment(Qt::AlignCenter);
  setCentralWidget(label);
  resize(1024, 720);
}

} // namespace vh
