#include "shell/VhApplication.h"

#include <QMessageBox>
#include <cstdio>

#include "config/Installation.h"
#include "views/QtText.h"

namespace vh {

TVhApplication::TVhApplication(int& argc, char** argv) : QApplication(argc, argv) {
  // The short name makes the per-user settings folder. No display name: the
  // desktop would append it to every window title, cutting dialog titles off.
  setApplicationName(QString::fromLatin1(AppDirName));
  setApplicationVersion(QString::fromLatin1(ProgramVersion()));
  setDesktopFileName(QString::fromLatin1(AppId));
  previousSink_ = SetAnomalySink(&beep_);
}

TVhApplication::~TVhApplication() {
  SetAnomalySink(previousSink_);
}

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
    ShowErrorText(activeWindow(), tr("Unknown error"));
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
  ShowErrorText(parent, ErrorText(error));
}

}  // namespace vh
