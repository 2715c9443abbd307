#include "shell/DLGRecover.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "views/QtText.h"

namespace vh {

TDLGRecover::TDLGRecover(const std::vector<TRecoveryCopy>& copies, QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Recover Missions"));
  auto* layout = new QVBoxLayout(this);
  auto* text = new QLabel(tr("The editor did not end normally. These missions had unsaved changes; "
                             "their last recovery copies can be restored."),
                          this);
  text->setWordWrap(true);
  layout->addWidget(text);

  List = new QTreeWidget(this);
  List->setColumnCount(2);
  List->setHeaderLabels({tr("File"), tr("Time")});
  List->setRootIsDecorated(false);
  // The file name is the end of the path: what gives way is the middle.
  List->setTextElideMode(Qt::ElideMiddle);
  List->setSelectionMode(QAbstractItemView::NoSelection);
  List->setFocusPolicy(Qt::NoFocus);
  bool anyReadable = false, anyFault = false;
  for (const TRecoveryCopy& copy : copies) {
    const std::string& original = copy.Info.OriginalPath;
    auto* item = new QTreeWidgetItem(List);
    if (!copy.Fault.empty()) {
      // Its description may not have been read: the copy's own file names it.
      anyFault = true;
      item->setText(0, PathToQString(original.empty() ? copy.MissionPath() : original));
      item->setText(1, tr("Unreadable"));
      item->setToolTip(0, item->text(0) + QLatin1Char('\n') + MessageToQString(copy.Fault));
      item->setToolTip(1, MessageToQString(copy.Fault));
      item->setForeground(1, palette().brush(QPalette::Disabled, QPalette::Text));
      continue;
    }
    anyReadable = true;
    item->setText(0, original.empty() ? tr("noname") : PathToQString(original));
    item->setToolTip(0, item->text(0));
    item->setText(1,
                  QLocale().toString(QDateTime::fromSecsSinceEpoch(copy.Info.SavedAt), QLocale::ShortFormat));
  }
  List->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  List->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
  layout->addWidget(List);
  if (anyFault) {
    auto* hint = new QLabel(tr("Copies marked unreadable cannot be restored. Restore keeps them for the "
                               "next start; Discard deletes them with the others."),
                            this);
    hint->setWordWrap(true);
    layout->addWidget(hint);
  }

  auto* buttons = new QDialogButtonBox(this);
  RestoreButton = buttons->addButton(tr("&Restore"), QDialogButtonBox::AcceptRole);
  DiscardButton = buttons->addButton(tr("&Discard"), QDialogButtonBox::DestructiveRole);
  LaterButton = buttons->addButton(tr("&Later"), QDialogButtonBox::RejectRole);
  RestoreButton->setEnabled(anyReadable);
  QPushButton* first = anyReadable ? RestoreButton : DiscardButton;
  first->setDefault(true);
  first->setFocus();
  connect(RestoreButton, &QPushButton::clicked, this, [this] {
    chosen_ = Restore;
    accept();
  });
  connect(DiscardButton, &QPushButton::clicked, this, [this] {
    chosen_ = Discard;
    accept();
  });
  // Later, and closing the dialog, keep the copies for the next start.
  connect(LaterButton, &QPushButton::clicked, this, &QDialog::reject);
  connect(this, &QDialog::rejected, this, [this] { chosen_ = Later; });
  layout->addWidget(buttons);
  resize(560, 300);
}

}  // namespace vh
