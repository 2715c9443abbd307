#include "shell/VhApplication.h"

#include <QMessageBox>
#include <cstdio>

#include "tools/Cp1252.h"

namespace vh {

TVhApplication::TVhApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QString::fromLatin1(AppTitle));
  setApplicationDisplayName(QString::fromLatin1(AppTitle));
  previousSink_ = SetAnomalySink(&beep_);
}

TVhApplication::~TVhApplication() { SetAnomalySink(previousSink_); }

void TVhApplication::BeepSink::Anomaly(const std::string& what) {
  QApplication::beep();
  // A beep says something is off; the terminal may say what.
  std::fprintf(stderr, "vhedit: %s\n", what.c_str());
}

bool TVhApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    ShowError(activeWindow(), e);
  } catch (...) {
    ShowErrorText(activeWindow(), QStringLiteral("Unknown error"));
  }
  return false;
}

void ShowErrorText(QWidget* parent, const QString& message) {
  QString text = message;
  if (!text.endsWith('.'))
    text += '.';
  QMessageBox::critical(parent, QString::fromLatin1(AppTitle), text);
}

void ShowError(QWidget* parent, const std::exception& error) {
  ShowErrorText(parent, MessageToQString(error.what()));
}

} // namespace vh
