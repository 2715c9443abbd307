#include <QApplication>

#include "shell/MainWindow.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Varnholt Editor"));
  vh::TMDIMain frame;
  frame.show();
  return app.exec();
}
