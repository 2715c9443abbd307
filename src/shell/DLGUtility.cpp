#include "shell/DLGUtility.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QVBoxLayout>

#include "config/IniFile.h"
#include "graphics/PictureSets.h"
#include "shell/MissFrame.h"
#include "views/COMPMissView.h"

namespace vh {

namespace {

constexpr int kPreviewMaxWidth = 192, kPreviewMaxHeight = 290;

QSpinBox* SpinEdit(QWidget* parent, const char* name, int min, int max) {
  auto* s = new QSpinBox(parent);
  s->setObjectName(name);
  s->setRange(min, max);
  s->setMinimumWidth(70);
  return s;
}

}  // namespace

TUtilityForm* TUtilityForm::Create(TMissFrame* frame, QWidget* owner) {
  // A tool window of its own above the frame: the MDI area holds missions only.
  auto* form = new TUtilityForm(frame, owner);
  form->setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  form->setAttribute(Qt::WA_DeleteOnClose);
  form->adjustSize();
  QRect r = owner->geometry();
  form->move(r.x() + std::max(0, (r.width() - form->width()) / 2),
             r.y() + std::max(0, (r.height() - form->height()) / 2));
  form->show();
  if (frame)
    frame->GenMapOpened();
  return form;
}

TUtilityForm::TUtilityForm(TMissFrame* frame, QWidget* parent) : QWidget(parent), frame_(frame) {
  setWindowTitle(tr("Generate Map"));
  BuildSeedControls();
  BuildLandscapeBoxes();
  BuildPreviewAndButtons();
  LayOut();
  ConnectControls();
  ShowPreview();
}

// Roughness, seed and the button that generates.
void TUtilityForm::BuildSeedControls() {
  RoughnessEdit = SpinEdit(this, "RoughnessEdit", TMapGenerator::RoughnessLimits().Min,
                           TMapGenerator::RoughnessLimits().Max);
  roughnessLabel_ = new QLabel(tr("&Roughness"), this);
  roughnessLabel_->setBuddy(RoughnessEdit);
  GenerateButton = new QPushButton(tr("&Generate"), this);
  GenerateButton->setObjectName("GenerateButton");
  // Seeds from the clock are the milliseconds of the day: nine digits make
  // every one of them again.
  SeedEdit = new QLineEdit(this);
  SeedEdit->setObjectName("SeedEdit");
  SeedEdit->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,9}")), SeedEdit));
  SeedEdit->setPlaceholderText(tr("from the clock"));
  SeedEdit->setToolTip(tr("The same seed makes the same landscape again; empty: from the clock"));
  seedLabel_ = new QLabel(tr("S&eed"), this);
  seedLabel_->setBuddy(SeedEdit);
}

// What the landscape is made of: terrain type, texture and the borders
// between the height bands.
void TUtilityForm::BuildLandscapeBoxes() {
  typeBox_ = new QGroupBox(tr("Terrain Type"), this);
  auto* light = new QRadioButton(tr("L&ightgreen"), typeBox_);
  auto* dark = new QRadioButton(tr("&Dark"), typeBox_);
  TerrainType = new QButtonGroup(this);
  TerrainType->addButton(light, 0);
  TerrainType->addButton(dark, 1);
  light->setChecked(true);
  auto* typeLayout = new QVBoxLayout(typeBox_);
  typeLayout->addWidget(light);
  typeLayout->addWidget(dark);

  optionsBox_ = new QGroupBox(tr("Options"), this);
  TexturedCheckBox = new QCheckBox(tr("Te&xtured"), optionsBox_);
  TexturedCheckBox->setObjectName("TexturedCheckBox");
  (new QVBoxLayout(optionsBox_))->addWidget(TexturedCheckBox);

  bordersBox_ = new QGroupBox(tr("Borders"), this);
  auto* borders = new QVBoxLayout(bordersBox_);
  const char* bandNames[] = {QT_TR_NOOP("&Land"), QT_TR_NOOP("&Shallow water"), QT_TR_NOOP("&Medium water"),
                             QT_TR_NOOP("Deep water")};
  for (int i = 2; i >= 0; --i)
    BorderEdits[i] = SpinEdit(bordersBox_,
                              i == 2   ? "BorderEdit2"
                              : i == 1 ? "BorderEdit1"
                                       : "BorderEdit0",
                              0, 255);
  for (int band = 0; band < 4; ++band) {
    auto* label = new QLabel(tr(bandNames[band]), bordersBox_);
    borders->addWidget(label);
    if (band < 3) {
      QSpinBox* edit = BorderEdits[2 - band];  // the border below this band
      label->setBuddy(edit);
      borders->addWidget(edit);
    }
  }
}

void TUtilityForm::BuildPreviewAndButtons() {
  previewBox_ = new QGroupBox(tr("Preview"), this);
  Image = new QLabel(previewBox_);
  Image->setObjectName("Image");
  Image->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Image->setLineWidth(1);
  Image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Image->setFixedSize(kPreviewMaxWidth + 2, kPreviewMaxHeight + 2);
  auto* previewLayout = new QVBoxLayout(previewBox_);
  previewLayout->addWidget(Image);
  previewLayout->addStretch();

  OKButton = new QPushButton(tr("&Transfer"), this);
  OKButton->setObjectName("OKButton");
  OKButton->setDefault(true);
  OKButton->setEnabled(false);
  CancelButton = new QPushButton(tr("&Close"), this);
  CancelButton->setObjectName("CancelButton");
}

void TUtilityForm::LayOut() {
  auto* left = new QVBoxLayout;
  auto* roughRow = new QHBoxLayout;
  roughRow->addWidget(roughnessLabel_);
  roughRow->addWidget(RoughnessEdit);
  left->addLayout(roughRow);
  auto* seedRow = new QHBoxLayout;
  seedRow->addWidget(seedLabel_);
  seedRow->addWidget(SeedEdit);
  left->addLayout(seedRow);
  left->addWidget(GenerateButton);
  left->addWidget(typeBox_);
  left->addWidget(optionsBox_);
  left->addWidget(bordersBox_);
  left->addStretch();
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(OKButton);
  buttons->addWidget(CancelButton);
  auto* grid = new QGridLayout(this);
  grid->addLayout(left, 0, 0);
  grid->addWidget(previewBox_, 0, 1);
  grid->addLayout(buttons, 1, 0, 1, 2);
}

void TUtilityForm::ConnectControls() {
  connect(RoughnessEdit, &QSpinBox::valueChanged, this, [this](int v) {
    if (generator_.Attached())
      generator_.SetRoughness(v);
  });
  connect(GenerateButton, &QPushButton::clicked, this, &TUtilityForm::GenerateButtonClick);
  connect(TerrainType, &QButtonGroup::idClicked, this, [this](int id) {
    if (!updating_ && generator_.Attached()) {
      generator_.SetTerrainType(static_cast<uint8_t>(id));
    }
  });
  connect(TexturedCheckBox, &QCheckBox::toggled, this, [this](bool on) {
    if (!updating_ && generator_.Attached()) {
      generator_.SetTextured(on);
    }
  });
  for (int i = 0; i < 3; ++i)
    connect(BorderEdits[i], &QSpinBox::valueChanged, this, [this, i](int v) {
      if (updating_ || !generator_.Attached())
        return;
      generator_.SetBorder(i, v);
      ApplyBorderLimits();
    });
  connect(OKButton, &QPushButton::clicked, this, &TUtilityForm::OKButtonClick);
  connect(CancelButton, &QPushButton::clicked, this, [this] {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
      sub->close();
    else
      close();
  });
}

TUtilityForm::~TUtilityForm() {
  RememberSettings();
  if (frame_)
    frame_->GenMapClosed();
}

void TUtilityForm::SetIniPath(const std::string& path) {
  iniPath_ = path;
  const TIniFile ini(path);
  remembered_ = ParseGeneratorSettings([&ini](const std::string& key) -> std::optional<std::string> {
    // No text a key can hold: the key is missing.
    const std::string missing(1, '\n');
    std::string v = ini.ReadString(GeneratorSettingsSection, key, missing);
    return v == missing ? std::nullopt : std::optional<std::string>(v);
  });
  if (!remembered_)
    return;
  SeedEdit->setText(QString::fromStdString(remembered_->Seed));
  if (view_ && !view_->Generator.Generated) {
    ApplySettings(*remembered_, view_->Generator);
    LoadControls();
    ShowPreview();
  }
}

// Settings are a convenience: a file that cannot be written costs nothing
// but them, and the window closes all the same.
void TUtilityForm::RememberSettings() {
  if (iniPath_.empty() || !generator_.Attached())
    return;
  try {
    TIniFile ini(iniPath_);
    for (const auto& [key, value] :
         GeneratorSettingKeys(SettingsOf(generator_.State(), SeedEdit->text().toStdString())))
      ini.WriteString(GeneratorSettingsSection, key, value);
    ini.Save();
  } catch (const std::exception&) {
  }
}

void TUtilityForm::SetView(TMissView* view) {
  if (!view || view == view_)
    return;
  RememberSettings();
  if (remembered_ && !view->Generator.Generated) {
    remembered_->Seed = SeedEdit->text().toStdString();
    if (generator_.Attached())
      remembered_ = SettingsOf(generator_.State(), remembered_->Seed);
    ApplySettings(*remembered_, view->Generator);
  }
  view_ = view;
  generator_.SetView(&view->Generator, &view->Mission());
  LoadControls();
  ShowPreview();
}

void TUtilityForm::LoadControls() {
  // Loading another view's state must not clamp it through the limits the
  // previous view left on the edits: fill first, then set the limits.
  updating_ = true;
  const GeneratorState& s = generator_.State();
  {
    const QSignalBlocker block(RoughnessEdit);
    RoughnessEdit->setValue(s.Roughness);
  }
  const uint8_t values[3] = {s.Border0, s.Border1, s.Border2};
  for (int i = 0; i < 3; ++i) {
    const QSignalBlocker block(BorderEdits[i]);
    BorderEdits[i]->setRange(0, 255);
    BorderEdits[i]->setValue(values[i]);
  }
  ApplyBorderLimits();
  TerrainType->button(s.TerrainType == 1 ? 1 : 0)->setChecked(true);
  {
    const QSignalBlocker block(TexturedCheckBox);
    TexturedCheckBox->setChecked(s.Textured);
  }
  OKButton->setEnabled(generator_.TransferEnabled());
  updating_ = false;
}

void TUtilityForm::ApplyBorderLimits() {
  for (int i = 0; i < 3; ++i) {
    const QSignalBlocker block(BorderEdits[i]);
    TMapGenerator::TLimits l = generator_.BorderLimits(i);
    BorderEdits[i]->setRange(l.Min, l.Max);
  }
}

void TUtilityForm::GenerateButtonClick() {
  if (!generator_.Attached())
    return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  if (SeedEdit->text().isEmpty()) {
    generator_.Generate();
    SeedEdit->setPlaceholderText(tr("clock, last %1").arg(generator_.LastSeed()));
  } else {
    generator_.GenerateFromSeed(SeedEdit->text().toUInt());
  }
  ShowPreview();
  QApplication::restoreOverrideCursor();
  OKButton->setEnabled(true);
}

void TUtilityForm::OKButtonClick() {
  if (!view_)
    return;
  // The generator writes into the mission of the view it follows.
  view_->Document().Edit(QT_TRANSLATE_NOOP("History", "Transfer Map"), [this](TMission&) {
    return generator_.Transfer() ? TMissionChange::OfWhole() : TMissionChange{};
  });
}

void TUtilityForm::ShowPreview() {
  const TPreview& p = generator_.Preview();
  if (p.Width <= 0 || p.Height <= 0) {
    Image->setPixmap(QPixmap());
    Image->setFixedSize(kPreviewMaxWidth + 2, kPreviewMaxHeight + 2);
    return;
  }
  // The frame hugs the picture; maps smaller than the largest leave no
  // empty panel beside or below it.
  Image->setFixedSize(p.Width + 2, p.Height + 2);
  QImage image(p.Pixels.data(), p.Width, p.Height, p.Stride, QImage::Format_Indexed8);
  QList<QRgb> colours;
  for (const TPaletteEntry& c : GamePictures().GamePalette)
    colours.append(qRgb(c.Red, c.Green, c.Blue));
  image.setColorTable(colours);
  Image->setPixmap(QPixmap::fromImage(image.copy()));
}

}  // namespace vh
