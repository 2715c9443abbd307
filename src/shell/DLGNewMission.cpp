#include "shell/DLGNewMission.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "config/Installation.h"
#include "mission/Mission.h"

namespace vh {

namespace {

// Fixed border with only a close box, as every small dialog of the editor.
void MakeFixedDialog(QDialog* d, const QString& caption) {
  d->setWindowTitle(caption);
  d->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                    Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
}

QDialogButtonBox* OkCancel(QDialog* d) {
  auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, d);
  box->button(QDialogButtonBox::Ok)->setObjectName("OKButton");
  box->button(QDialogButtonBox::Cancel)->setObjectName("CancelButton");
  QObject::connect(box, &QDialogButtonBox::accepted, d, &QDialog::accept);
  QObject::connect(box, &QDialogButtonBox::rejected, d, &QDialog::reject);
  return box;
}

// A counter that moves only by its arrows and keys, so its value always
// lies on the step grid.
QSpinBox* Counter(QWidget* parent, const char* name, int min, int max, int step, int value) {
  auto* s = new QSpinBox(parent);
  s->setObjectName(name);
  s->setRange(min, max);
  s->setSingleStep(step);
  s->setValue(value);
  s->setWrapping(false);
  s->setAlignment(Qt::AlignRight);
  s->findChild<QLineEdit*>()->setReadOnly(true);
  s->setMinimumWidth(80);
  return s;
}

}  // namespace

TNewMissionForm::TNewMissionForm(QWidget* parent) : QDialog(parent) {
  MakeFixedDialog(this, tr("New Mission"));
  UpDownWidth = Counter(this, "UpDownWidth", 24, MaxMapSize, 2, 24);
  UpDownHeight = Counter(this, "UpDownHeight", 16, MaxMapSize, 2, 16);
  auto* form = new QFormLayout;
  auto* widthLabel = new QLabel(tr("&Width"), this);
  widthLabel->setObjectName("WidthLabel");
  widthLabel->setBuddy(UpDownWidth);
  auto* heightLabel = new QLabel(tr("&Height"), this);
  heightLabel->setObjectName("HeightLabel");
  heightLabel->setBuddy(UpDownHeight);
  form->addRow(widthLabel, UpDownWidth);
  form->addRow(heightLabel, UpDownHeight);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(OkCancel(this));
  setTabOrder(UpDownWidth, UpDownHeight);
  UpDownWidth->setFocus();
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

int TNewMissionForm::MissWidth() const {
  return UpDownWidth->value();
}
int TNewMissionForm::MissHeight() const {
  return UpDownHeight->value();
}

TDLGDFLayerForm::TDLGDFLayerForm(int layer, QWidget* parent) : QDialog(parent) {
  MakeFixedDialog(this, tr("Select DF Layer"));
  DFNrEdit = new QSpinBox(this);
  DFNrEdit->setObjectName("DFNrEdit");
  DFNrEdit->setRange(0, DFLayerCount - 1);
  DFNrEdit->setWrapping(false);
  DFNrEdit->setValue(layer);
  DFNrEdit->setMinimumWidth(80);
  auto* label = new QLabel(tr("DF Layer Nr."), this);
  label->setBuddy(DFNrEdit);
  auto* row = new QHBoxLayout;
  row->addWidget(label);
  row->addWidget(DFNrEdit);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(OkCancel(this));
  layout->setSizeConstraint(QLayout::SetFixedSize);
  DFNrEdit->setFocus();
  DFNrEdit->selectAll();
}

int TDLGDFLayerForm::Layer() const {
  return DFNrEdit->value();
}

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  MakeFixedDialog(this, tr("About Varnholt Editor"));
  auto* title = new QLabel(QStringLiteral("<h2>Varnholt Editor</h2>"), this);
  auto* text =
      new QLabel(tr("Mission editor for the second and third titles of the Varnholt series.<br>"
                    "Edits maps, shops, unit cargo, AI points, change layers and mission settings.<br><br>"
                    "Version %1, built with Qt %2.")
                     .arg(QString::fromLatin1(ProgramVersion()), QString::fromLatin1(qVersion())),
                 this);
  text->setTextFormat(Qt::RichText);
  auto* box = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(title);
  layout->addWidget(text);
  layout->addWidget(box);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace vh
