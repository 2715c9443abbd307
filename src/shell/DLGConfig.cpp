#include "shell/DLGConfig.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <filesystem>

#include "base/FileUtil.h"
#include "base/Platform.h"
#include "shell/Translations.h"
#include "views/QtText.h"

namespace vh {

TDLGConfigForm::TDLGConfigForm(const TConfig& config, QWidget* parent) : QDialog(parent), config_(config) {
  setWindowTitle(tr("Options"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
  VHDirEdit = new QLineEdit(PathToQString(WithTrailingSeparator(config.GameDir)), this);
  VHDirEdit->setObjectName("VHDirEdit");
  VHDirEdit->setMinimumWidth(360);
  auto* browse = new QPushButton(tr("&Browse..."), this);
  browse->setObjectName("BrowseButton");
  connect(browse, &QPushButton::clicked, this, &TDLGConfigForm::BrowseClick);
  TXTDirEdit = new QComboBox(this);
  TXTDirEdit->setObjectName("TXTDirEdit");
  TXTDirEdit->setEditable(true);
  TXTDirEdit->addItems({QStringLiteral("ENG"), QStringLiteral("GER")});
  TXTDirEdit->setEditText(PathToQString(config.TxtFilesDir));
  ToolBarBox = new QCheckBox(tr("&Toolbar"), this);
  ToolBarBox->setObjectName("ToolBarBox");
  ToolBarBox->setChecked(config.ToolBar);
  StatusBarBox = new QCheckBox(tr("St&atusbar"), this);
  StatusBarBox->setObjectName("StatusBarBox");
  StatusBarBox->setChecked(config.StatusBar);
  AutosaveEdit = new QSpinBox(this);
  AutosaveEdit->setObjectName("AutosaveEdit");
  AutosaveEdit->setRange(0, 3600);
  AutosaveEdit->setSuffix(tr(" s"));
  AutosaveEdit->setSpecialValueText(tr("Off"));
  AutosaveEdit->setValue(config.AutosaveSeconds);
  LanguageEdit = new QComboBox(this);
  LanguageEdit->setObjectName("LanguageEdit");
  for (const TLanguageChoice& choice : LanguageChoices()) {
    LanguageEdit->addItem(choice.Name, QString::fromStdString(choice.Code));
    if (choice.Code == config.Language)
      LanguageEdit->setCurrentIndex(LanguageEdit->count() - 1);
  }
  // The menus and windows take their texts as they are built.
  LanguageEdit->setToolTip(tr("The editor shows the chosen language from its next start"));
  AutosaveEdit->setToolTip(tr("How often unsaved missions are copied for recovery after a crash"));

  auto* dirRow = new QHBoxLayout;
  dirRow->addWidget(VHDirEdit, 1);
  dirRow->addWidget(browse);
  auto* form = new QFormLayout;
  auto* dirLabel = new QLabel(tr("&Varnholt Directory"), this);
  dirLabel->setBuddy(VHDirEdit);
  auto* txtLabel = new QLabel(tr("&Shopnames Files Dir"), this);
  txtLabel->setBuddy(TXTDirEdit);
  form->addRow(dirLabel, dirRow);
  form->addRow(txtLabel, TXTDirEdit);
  TXTDirHint = new QLabel(this);
  TXTDirHint->setObjectName("TXTDirHint");
  TXTDirHint->setWordWrap(true);
  form->addRow(QString(), TXTDirHint);
  connect(VHDirEdit, &QLineEdit::textChanged, this, &TDLGConfigForm::UpdateTXTDirHint);
  connect(TXTDirEdit, &QComboBox::currentTextChanged, this, &TDLGConfigForm::UpdateTXTDirHint);
  UpdateTXTDirHint();
  form->addRow(QString(), ToolBarBox);
  form->addRow(QString(), StatusBarBox);
  auto* autosaveLabel = new QLabel(tr("&Recovery copy every"), this);
  autosaveLabel->setBuddy(AutosaveEdit);
  form->addRow(autosaveLabel, AutosaveEdit);
  auto* languageLabel = new QLabel(tr("&Language"), this);
  languageLabel->setBuddy(LanguageEdit);
  form->addRow(languageLabel, LanguageEdit);
  auto* languageNote = new QLabel(tr("A new language shows at the next start of the editor."), this);
  languageNote->setObjectName("LanguageNote");
  form->addRow(QString(), languageNote);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName("OKButton");
  buttons->button(QDialogButtonBox::Cancel)->setObjectName("CancelButton");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  setTabOrder(VHDirEdit, browse);
  setTabOrder(browse, TXTDirEdit);
  setTabOrder(TXTDirEdit, ToolBarBox);
  setTabOrder(ToolBarBox, StatusBarBox);
  setTabOrder(StatusBarBox, AutosaveEdit);
  setTabOrder(AutosaveEdit, LanguageEdit);
  VHDirEdit->setFocus();
}

void TDLGConfigForm::BrowseClick() {
  QString dir = QFileDialog::getExistingDirectory(this, tr("Varnholt Directory"), VHDirEdit->text());
  if (!dir.isEmpty())
    VHDirEdit->setText(PathToQString(WithTrailingSeparator(PathFromQString(dir))));
}

void TDLGConfigForm::UpdateTXTDirHint() {
  // A warning, not a refusal: the folder may be on a medium not yet there.
  const std::string name = PathFromQString(TXTDirEdit->currentText());
  const std::string gameDir = WithTrailingSeparator(PathFromQString(VHDirEdit->text()));
  std::error_code error;
  QString hint;
  if (name.empty())
    hint = tr("Give the name of the game's text folder, such as GER; the shop names of the missions in its "
              "MIS folder lie there.");
  else if (!std::filesystem::is_directory(PathOf(ResolvePathCI(gameDir + name)), error))
    hint = tr("There is no folder \"%1\" in the game directory; the shop names of the missions in its MIS "
              "folder will not be found.")
               .arg(TXTDirEdit->currentText());
  TXTDirHint->setText(hint);
  TXTDirHint->setVisible(!hint.isEmpty());
}

void TDLGConfigForm::Store(TConfig& config) const {
  config.GameDir = WithTrailingSeparator(PathFromQString(VHDirEdit->text()));
  config.TxtFilesDir = PathFromQString(TXTDirEdit->currentText());
  config.ToolBar = ToolBarBox->isChecked();
  config.StatusBar = StatusBarBox->isChecked();
  config.AutosaveSeconds = AutosaveEdit->value();
  config.Language = LanguageEdit->currentData().toString().toStdString();
}

void TDLGConfigForm::accept() {
  if (Check) {
    TConfig proposed = config_;
    Store(proposed);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QString problem = Check(proposed);
    QApplication::restoreOverrideCursor();
    if (!problem.isEmpty()) {
      QMessageBox::warning(this, tr("Options"), problem);
      VHDirEdit->setFocus();
      return;
    }
  }
  QDialog::accept();
}

bool ShowOptions(QWidget* parent, TConfig& config, std::function<QString(const TConfig&)> check) {
  TDLGConfigForm dialog(config, parent);
  dialog.Check = std::move(check);
  if (dialog.exec() != QDialog::Accepted)
    return false;
  dialog.Store(config);
  return true;
}

}  // namespace vh
