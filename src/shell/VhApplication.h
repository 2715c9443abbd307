#pragma once

#include <QApplication>
#include <exception>

#include "base/Anomaly.h"

class QWidget;

namespace vh {

inline constexpr char AppTitle[] = "Varnholt Editor";

// The editor's application object. Every error that escapes a command ends
// up in its top-level handler: the message is shown with "." appended in a
// box titled "Varnholt Editor", and the program goes on with whatever the
// command had completed.
class TVhApplication : public QApplication {
  Q_OBJECT
public:
  TVhApplication(int& argc, char** argv);
  ~TVhApplication() override;

  bool notify(QObject* receiver, QEvent* event) override;

private:
  // Tolerated input anomalies sound the system beep.
  struct BeepSink : AnomalySink {
    void Anomaly(const std::string& what) override;
  } beep_;
  AnomalySink* previousSink_ = nullptr;
};

// Shows the message of `error` as the top-level handler does.
void ShowError(QWidget* parent, const std::exception& error);
void ShowErrorText(QWidget* parent, const QString& message);

// Runs a command; an error it raises is shown, not passed on.
template <class F> bool RunCommand(QWidget* parent, F&& command) {
  try {
    command();
    return true;
  } catch (const std::exception& e) {
    ShowError(parent, e);
    return false;
  }
}

}  // namespace vh
