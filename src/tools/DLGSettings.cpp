#include "tools/DLGSettings.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

#include "mission/StdData.h"
#include "tools/COMPAllianzButtons.h"
#include "tools/COMPStdProdView.h"
#include "tools/NamesFaultText.h"
#include "views/QtText.h"

namespace vh {

namespace {

QString PlayerCaption(int side) {
  return side == NeutralSide ? TSettingsForm::tr("Neutral") : TSettingsForm::tr("Player %1").arg(side + 1);
}

// Room for `chars` digits plus the arrows; the spin box itself does not
// limit its text length.
void SetDigits(QSpinBox* box, int chars) {
  const int digits = box->fontMetrics().horizontalAdvance(QString(chars, QLatin1Char('0')));
  box->setFixedWidth(digits + 40);
}

constexpr int AllianzButtonSize = 14;

}  // namespace

TSettingsForm::TSettingsForm(QWidget* parent, const TPictureSets* sets) : TCentredDialog(parent) {
  setWindowTitle(tr("Settings"));
  setObjectName(QStringLiteral("SettingsForm"));

  PageControl = new QTabWidget(this);
  PageControl->setObjectName(QStringLiteral("PageControl"));
  PageControl->addTab(BuildGeneralPage(), tr("General"));
  PageControl->addTab(BuildPlayersPage(), tr("Players"));
  PageControl->addTab(BuildStdProdPage(sets), tr("Std. Product."));
  PageControl->addTab(BuildMiscPage(), tr("Misc"));

  OKButton = new QPushButton(tr("OK"), this);
  OKButton->setObjectName(QStringLiteral("OKButton"));
  OKButton->setDefault(true);
  CancelButton = new QPushButton(tr("Cancel"), this);
  CancelButton->setObjectName(QStringLiteral("CancelButton"));
  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(OKButton);
  buttons->addWidget(CancelButton);

  // Below the pages, so it shows whichever page is open.
  namesHintRow_ = new QWidget(this);
  auto* icon = new QLabel(namesHintRow_);
  const int iconSize = style()->pixelMetric(QStyle::PM_SmallIconSize);
  icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(iconSize, iconSize));
  NamesHint = new QLabel(namesHintRow_);
  NamesHint->setObjectName(QStringLiteral("NamesHint"));
  NamesHint->setWordWrap(true);
  auto* hintLayout = new QHBoxLayout(namesHintRow_);
  hintLayout->setContentsMargins(0, 0, 0, 0);
  hintLayout->addWidget(icon, 0, Qt::AlignTop);
  hintLayout->addWidget(NamesHint, 1);
  namesHintRow_->hide();
  connect(NameEdit, &QLineEdit::textChanged, this, &TSettingsForm::UpdateNamesHint);
  for (QLineEdit* edit : PlayerName)
    connect(edit, &QLineEdit::textChanged, this, &TSettingsForm::UpdateNamesHint);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(PageControl);
  layout->addWidget(namesHintRow_);
  layout->addLayout(buttons);
  // A dialog border: the size follows the contents and cannot be dragged.
  layout->setSizeConstraint(QLayout::SetFixedSize);

  SetTabOrder();
}

QWidget* TSettingsForm::BuildGeneralPage() {
  auto* page = new QWidget;

  NameEdit = new QLineEdit;
  NameEdit->setObjectName(QStringLiteral("NameEdit"));
  auto* nameLabel = new QLabel(tr("Mission &Name"));
  nameLabel->setBuddy(NameEdit);

  // The alliance rows and the computer check boxes sit side by side, one line
  // per player, so both groups use the same line height.
  auto* allies = new QGroupBox(tr("Allies"));
  auto* comp = new QGroupBox(tr("Comp"));
  auto* alliesGrid = new QGridLayout(allies);
  auto* compGrid = new QVBoxLayout(comp);
  for (int i = 0; i < PlayerCount; ++i) {
    AllyName[i] = new QLabel(PlayerCaption(i));
    AllyName[i]->setObjectName(QStringLiteral("AllyName%1").arg(i));
    AllianzButtons[i] = new TAllianzButtons;
    AllianzButtons[i]->setObjectName(QStringLiteral("AllianzButtons%1").arg(i));
    AllianzButtons[i]->SetButWidth(AllianzButtonSize);
    AllianzButtons[i]->SetButHeight(AllianzButtonSize);
    CompCheck[i] = new QCheckBox;
    CompCheck[i]->setObjectName(QStringLiteral("CompCheck%1").arg(i));
    CompCheck[i]->setAccessibleName(PlayerCaption(i));
  }
  const int lineHeight =
      std::max({AllyName[0]->sizeHint().height(), CompCheck[0]->sizeHint().height(), AllianzButtonSize + 2});
  // Wide enough for a 16-character name, so typing one does not resize the page.
  const int nameWidth =
      AllyName[0]->fontMetrics().horizontalAdvance(QString(PlayerNameLength, QLatin1Char('W')));
  for (int i = 0; i < PlayerCount; ++i) {
    AllyName[i]->setFixedSize(nameWidth * 3 / 4, lineHeight);
    CompCheck[i]->setFixedHeight(lineHeight);
    alliesGrid->addWidget(AllyName[i], i, 0);
    alliesGrid->addWidget(AllianzButtons[i], i, 1, Qt::AlignVCenter);
    compGrid->addWidget(CompCheck[i], 0, Qt::AlignHCenter);
  }
  alliesGrid->setVerticalSpacing(4);
  compGrid->setSpacing(4);

  MissUsageRadio = new QGroupBox(tr("Unknown bytes in MISS"));
  MissUsageRadio->setObjectName(QStringLiteral("MissUsageRadio"));
  MissUsageItems = new QButtonGroup(this);
  auto* usageLayout = new QVBoxLayout(MissUsageRadio);
  const QString usageItems[] = {tr("do not change"), tr("take from file stdmiss.dat"), tr("set to 0 (zero)")};
  for (int i = 0; i < 3; ++i) {
    auto* item = new QRadioButton(usageItems[i]);
    MissUsageItems->addButton(item, i);
    usageLayout->addWidget(item);
  }

  StartWeatherCombo = new QComboBox;
  StartWeatherCombo->setObjectName(QStringLiteral("StartWeatherCombo"));
  StartWeatherCombo->addItems(
      {tr("Normal"), tr("Light rain"), tr("Heavy rain"), tr("Light snow"), tr("Heavy snow")});
  auto* weatherLabel = new QLabel(tr("Start&weather"));
  weatherLabel->setBuddy(StartWeatherCombo);

  auto* grid = new QGridLayout(page);
  grid->addWidget(nameLabel, 0, 0);
  grid->addWidget(NameEdit, 0, 1, 1, 2);
  grid->addWidget(allies, 1, 0, 1, 2);
  grid->addWidget(comp, 1, 2);
  grid->addWidget(MissUsageRadio, 2, 0, 2, 2);
  auto* weather = new QVBoxLayout;
  weather->addWidget(weatherLabel);
  weather->addWidget(StartWeatherCombo);
  weather->addStretch(1);
  grid->addLayout(weather, 2, 2, 2, 1);
  grid->setRowStretch(4, 1);
  return page;
}

QWidget* TSettingsForm::BuildPlayersPage() {
  auto* page = new QWidget;
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(tr("Name")), 0, 1);
  grid->addWidget(new QLabel(tr("Color")), 0, 2);
  for (int i = 0; i < SideCount; ++i) {
    PlayerName[i] = new QLineEdit;
    PlayerName[i]->setObjectName(QStringLiteral("PlayerName%1").arg(i));
    PlayerName[i]->setMaxLength(PlayerNameLength);
    PlayerName[i]->setMinimumWidth(
        PlayerName[i]->fontMetrics().horizontalAdvance(QString(PlayerNameLength, QLatin1Char('n'))) + 12);
    PlayerColor[i] = new QSpinBox;
    PlayerColor[i]->setObjectName(QStringLiteral("PlayerColor%1").arg(i));
    PlayerColor[i]->setRange(0, ColorMax);
    SetDigits(PlayerColor[i], 2);
    auto* label = new QLabel(PlayerCaption(i));
    grid->addWidget(label, i + 1, 0);
    grid->addWidget(PlayerName[i], i + 1, 1);
    grid->addWidget(PlayerColor[i], i + 1, 2);
    if (i < PlayerCount) {
      // The alliance rows are labelled with the names being edited.
      QLabel* ally = AllyName[i];
      connect(PlayerName[i], &QLineEdit::textChanged, ally, &QLabel::setText);
    }
  }

  SaveNames0 = new QRadioButton(tr("Don't save this"));
  SaveNames0->setObjectName(QStringLiteral("SaveNames0"));
  SaveNames0->setChecked(true);
  SaveNames1 = new QRadioButton(tr("Save this in the shop names file"));
  SaveNames1->setObjectName(QStringLiteral("SaveNames1"));

  VHStdButton = new QPushButton(tr("VH2 Standard"));
  VHStdButton->setObjectName(QStringLiteral("VHStdButton"));
  VHStdButton->setAutoDefault(false);
  connect(VHStdButton, &QPushButton::clicked, this, &TSettingsForm::VHStdButtonClick);

  auto* note = new QLabel(tr("Note: This names and colors aren't used in VH"));

  auto* stdRow = new QHBoxLayout;
  stdRow->addWidget(VHStdButton);
  stdRow->addStretch(1);

  auto* layout = new QVBoxLayout(page);
  layout->addLayout(grid);
  layout->addWidget(SaveNames0);
  layout->addWidget(SaveNames1);
  layout->addLayout(stdRow);
  layout->addWidget(note);
  layout->addStretch(1);
  return page;
}

QWidget* TSettingsForm::BuildStdProdPage(const TPictureSets* sets) {
  auto* page = new QWidget;
  StdProdView = new QFrame;
  StdProdView->setObjectName(QStringLiteral("StdProdView"));
  StdProdView->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  // The extent of a grid of 12 x 6 hexagons of 24 pixels, 16 pixels apart.
  StdProdView->setFixedSize(16 * 12 + 8 + 4, 24 * 6 + 12 + 4);
  if (!sets && GamePictures().Loaded)
    sets = &GamePictures();
  if (sets && sets->Loaded) {
    StdProdGrid = new TStdProdView(*sets, StdProdView);
    StdProdGrid->setObjectName(QStringLiteral("StdProdGrid"));
    StdProdGrid->SetLibrary(plUnits);
    StdProdGrid->SetupGrid();
    StdProdGrid->move(2, 2);
    StdProdGrid->LoadWords(StdProdWords);
  }

  auto* layout = new QVBoxLayout(page);
  layout->addWidget(StdProdView, 0, Qt::AlignLeft);
  layout->addWidget(new QLabel(tr("Blue - Human Players")));
  layout->addWidget(new QLabel(tr("Red - Computer Players")));
  layout->addStretch(1);
  return page;
}

QWidget* TSettingsForm::BuildMiscPage() {
  auto* page = new QWidget;
  NextMission = new QSpinBox;
  NextMission->setObjectName(QStringLiteral("NextMission"));
  NextMission->setRange(0, 65535);
  SetDigits(NextMission, 5);
  auto* label = new QLabel(tr("Next Mission"));
  label->setBuddy(NextMission);

  auto* row = new QHBoxLayout;
  row->addWidget(label);
  row->addWidget(NextMission);
  row->addStretch(1);
  auto* layout = new QVBoxLayout(page);
  layout->addLayout(row);
  layout->addStretch(1);
  return page;
}

void TSettingsForm::SetTabOrder() {
  std::vector<QWidget*> chain{NameEdit};
  chain.insert(chain.end(), CompCheck.begin(), CompCheck.end());
  for (QAbstractButton* b : MissUsageItems->buttons())
    chain.push_back(b);
  chain.push_back(StartWeatherCombo);
  for (int i = 0; i < SideCount; ++i) {
    chain.push_back(PlayerName[i]);
    chain.push_back(PlayerColor[i]);
  }
  chain.insert(chain.end(), {SaveNames0, SaveNames1, VHStdButton, NextMission, OKButton, CancelButton});
  for (size_t i = 1; i < chain.size(); ++i)
    setTabOrder(chain[i - 1], chain[i]);
}

void TSettingsForm::FillPlayers(const TPlayers& players) {
  for (int i = 0; i < SideCount; ++i) {
    PlayerName[i]->setText(ToQString(players[i].Name));
    PlayerColor[i]->setValue(players[i].Color);
  }
}

TPlayers TSettingsForm::ReadPlayers() const {
  TPlayers players;
  for (int i = 0; i < SideCount; ++i) {
    players[i].Name = FromQString(PlayerName[i]->text().left(PlayerNameLength));
    players[i].Color = static_cast<uint8_t>(PlayerColor[i]->value());
  }
  return players;
}

std::optional<TNamesFault> TSettingsForm::FirstNamesFault() const {
  if (auto fault = NamesTextFault(FromQString(NameEdit->text()), TNamesText::MissionName))
    return fault;
  for (int side = 0; side < SideCount; ++side)
    if (auto fault = NamesTextFault(FromQString(PlayerName[side]->text()), TNamesText::PlayerName)) {
      fault->Index = side;
      return fault;
    }
  return std::nullopt;
}

void TSettingsForm::UpdateNamesHint() {
  const std::optional<TNamesFault> fault = FirstNamesFault();
  NamesHint->setText(fault ? TNamesFaultText::Sentence(*fault) : QString());
  namesHintRow_->setVisible(fault.has_value());
  OKButton->setEnabled(!fault);
}

void TSettingsForm::accept() {
  // Whatever the names file could not hold never reaches the mission.
  if (!FirstNamesFault())
    QDialog::accept();
}

void TSettingsForm::VHStdButtonClick() {
  FillPlayers(StdPlayers);
}

int TSettingsForm::MissUsageIndex() const {
  return MissUsageItems->checkedId();
}

void TSettingsForm::LoadFrom(const TMission& m) {
  NameEdit->setText(ToQString(m.MissionName));
  for (int i = 0; i < PlayerCount; ++i) {
    AllianzButtons[i]->SetAktSel(m.Allies[i] & TAllianzButtons::MaxSel);
    alliesExtraBits_[i] = static_cast<uint8_t>(m.Allies[i] & ~TAllianzButtons::MaxSel);
    CompCheck[i]->setChecked((m.CompPlayers >> i) & 1);
  }
  if (QAbstractButton* usage = MissUsageItems->button(m.MissUsage))
    usage->setChecked(true);
  startWeatherLoaded_ = m.StartWeather;
  StartWeatherCombo->setCurrentIndex(m.StartWeather < StartWeatherCombo->count() ? m.StartWeather : -1);
  FillPlayers(m.Players);
  SaveNames1->setChecked(m.SaveNames);
  SaveNames0->setChecked(!m.SaveNames);
  StdProdWords = m.StdProd;
  if (StdProdGrid)
    StdProdGrid->LoadWords(StdProdWords);
  NextMission->setValue(m.NextMission);
}

void TSettingsForm::StoreTo(TMission& m) const {
  m.MissionName = FromQString(NameEdit->text());
  uint8_t comp = 0;
  for (int i = 0; i < PlayerCount; ++i) {
    m.Allies[i] = static_cast<uint8_t>(alliesExtraBits_[i] | AllianzButtons[i]->AktSel());
    if (CompCheck[i]->isChecked())
      comp |= static_cast<uint8_t>(1u << i);
  }
  m.CompPlayers = comp;
  if (MissUsageIndex() >= 0)
    m.MissUsage = static_cast<uint8_t>(MissUsageIndex());
  const int weather = StartWeatherCombo->currentIndex();
  m.StartWeather = weather >= 0 ? static_cast<uint8_t>(weather) : startWeatherLoaded_;
  m.Players = ReadPlayers();
  m.SaveNames = SaveNames1->isChecked();
  m.StdProd = StdProdGrid ? StdProdGrid->Words : StdProdWords;
  m.NextMission = static_cast<uint16_t>(NextMission->value());
}

bool RunMissionSettings(QWidget* parent, TMission& m) {
  TSettingsForm form(parent);
  form.LoadFrom(m);
  if (form.exec() != QDialog::Accepted)
    return false;
  const auto edited = [](const TMission& x) {
    return std::make_tuple(x.MissionName, x.Allies, x.CompPlayers, x.MissUsage, x.StartWeather, x.Players,
                           x.SaveNames, x.StdProd, x.NextMission);
  };
  const auto before = edited(m);
  form.StoreTo(m);
  // OK on an unchanged dialog leaves the mission as saved.
  if (edited(m) != before)
    m.NoteChange();
  return true;
}

}  // namespace vh
