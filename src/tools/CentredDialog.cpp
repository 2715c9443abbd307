#include "tools/CentredDialog.h"

#include <QScreen>
#include <QShowEvent>

namespace vh {

void TCentredDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (centred_)
    return;
  centred_ = true;
  if (const QScreen* s = screen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(s->availableGeometry().center());
    move(frame.topLeft());
  }
}

}  // namespace vh
