#pragma once

#include <QPointer>
#include <QWidget>

#include <optional>
#include <string>

#include "generator/GeneratorSettings.h"
#include "generator/MapGenerator.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMdiArea;
class QPushButton;
class QSpinBox;

namespace vh {

class TMissFrame;
class TMissView;

// "Generate Map": the map generator's tool window. It always works on the
// current mission window's view, whose generator state it shows and edits.
class TUtilityForm : public QWidget {
  Q_OBJECT
public:
  // Creates the window as a tool window of `owner`, centred over it, and
  // reports it open.
  static TUtilityForm* Create(TMissFrame* frame, QWidget* owner);
  ~TUtilityForm() override;

  // Where the window keeps its settings between runs; they are read now and
  // given to every mission whose generator has not made a landscape yet.
  void SetIniPath(const std::string& path);
  void SetView(TMissView* view);
  TMissView* View() const { return view_; }
  const TMapGenerator& Generator() const { return generator_; }
  // The frame is being torn down: no more notifications to it.
  void DetachFrame() { frame_ = nullptr; }

  void GenerateButtonClick();
  void OKButtonClick();  // "&Transfer"

  QSpinBox* RoughnessEdit = nullptr;
  QPushButton* GenerateButton = nullptr;
  QLineEdit* SeedEdit = nullptr;  // empty: a seed from the clock
  QButtonGroup* TerrainType = nullptr;
  QCheckBox* TexturedCheckBox = nullptr;
  std::array<QSpinBox*, 3> BorderEdits{};  // BorderEdit0 .. BorderEdit2
  QLabel* Image = nullptr;
  QPushButton* OKButton = nullptr;
  QPushButton* CancelButton = nullptr;

private:
  TUtilityForm(TMissFrame* frame, QWidget* parent);
  // The constructor's parts.
  void BuildSeedControls();
  void BuildLandscapeBoxes();
  void BuildPreviewAndButtons();
  void LayOut();
  void ConnectControls();
  void LoadControls();
  void ApplyBorderLimits();
  void ShowPreview();

  void RememberSettings();

  TMissFrame* frame_;
  QLabel* roughnessLabel_ = nullptr;
  QLabel* seedLabel_ = nullptr;
  QGroupBox* typeBox_ = nullptr;
  QGroupBox* optionsBox_ = nullptr;
  QGroupBox* bordersBox_ = nullptr;
  QGroupBox* previewBox_ = nullptr;
  QPointer<TMissView> view_;
  std::string iniPath_;
  std::optional<TGeneratorSettings> remembered_;
  TMapGenerator generator_;
  bool updating_ = false;
};

}  // namespace vh
