#include "shell/DLGRecover.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "views/QtText.h"

namespace vh {

TDLGRecover::TDLGRecover(const std::vector<TRecoveryCopy>& copies, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Recover Missions"));
  auto* layout = new QVBoxLayout(this);
  auto* text =
      new QLabel(QStringLiteral("The editor did not end normally. These missions had unsaved changes; "
                                "their last recovery copies can be restored."),
                 this);
  text->setWordWrap(true);
  layout->addWidget(text);

  List = new QTreeWidget(this);
  List->setColumnCount(2);
  List->setHeaderLabels({QStringLiteral("File"), QStringLiteral("Time")});
  List->setRootIsDecorated(false);
  // The file name is the end of the path: what gives way is the middle.
  List->setTextElideMode(Qt::ElideMiddle);
  List->setSelectionMode(QAbstractItemView::NoSelection);
  List->setFocusPolicy(Qt::NoFocus);
  for (const TRecoveryCopy& copy : copies) {
    const std::string& original = copy.Info.OriginalPath;
    auto* item = new QTreeWidgetItem(List);
    item->setText(0, original.empty() ? QStringLiteral("noname") : PathToQString(original));
    item->setToolTip(0, item->text(0));
    item->setText(1,
                  QLocale().toString(QDateTime::fromSecsSinceEpoch(copy.Info.SavedAt), QLocale::ShortFormat));
  }
  List->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  List->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
  layout->addWidget(List);

  auto* buttons = new QDialogButtonBox(this);
  RestoreButton = buttons->addButton(QStringLiteral("&Restore"), QDialogButtonBox::AcceptRole);
  DiscardButton = buttons->addButton(QStringLiteral("&Discard"), QDialogButtonBox::DestructiveRole);
  LaterButton = buttons->addButton(QStringLiteral("&Later"), QDialogButtonBox::RejectRole);
  RestoreButton->setDefault(true);
  RestoreButton->setFocus();
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
