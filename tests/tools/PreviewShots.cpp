// Writes pictures of the settings dialog's pages and of generator previews
// into a folder, to look at them as a user would. Not a test.
//   preview_shots DIR
#include <QApplication>
#include <QImage>
#include <QTabWidget>

#include <cstdio>
#include <string>

#include "generator/Generator.h"
#include "generator/MapGenerator.h"
#include "mission/StdData.h"
#include "tools/COMPAllianzButtons.h"
#include "tools/DLGSettings.h"

namespace {

// The game palette lives in the game's files; these stand-ins give the
// preview's indices recognisable colours.
QList<QRgb> StandInPalette() {
  QList<QRgb> colours(256);
  for (int i = 0; i < 256; ++i)
    colours[i] = qRgb(i, i, i);
  colours[9] = qRgb(20, 40, 140);
  colours[12] = qRgb(40, 80, 190);
  colours[15] = qRgb(90, 140, 230);
  colours[113] = qRgb(20, 50, 60);
  colours[115] = qRgb(30, 75, 90);
  colours[51] = qRgb(60, 110, 120);
  colours[36] = qRgb(90, 180, 70);
  colours[25] = qRgb(70, 90, 40);
  colours[228] = qRgb(192, 192, 192);
  colours[6] = qRgb(220, 0, 0);
  return colours;
}

bool SavePreview(const vh::TPreview& p, const QString& file) {
  QImage img(p.Pixels.data(), p.Width, p.Height, p.Stride, QImage::Format_Indexed8);
  img.setColorTable(StandInPalette());
  return img.scaled(p.Width * 2, p.Height * 2).save(file);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: preview_shots DIR\n");
    return 2;
  }
  const QString dir = QString::fromLocal8Bit(argv[1]) + "/";

  vh::StdPlayers[0] = {"Nordmark", 3};
  vh::TMission m;
  m.SetSize({32, 24});
  m.MissionName = "Bridge at R\xF6hn \x96 \x80 test";
  m.Allies = {0b000011, 0b000011, 0b001100, 0b001100, 0b110000, 0b100000};
  m.CompPlayers = 0b111100;
  m.MissUsage = 1;
  m.StartWeather = 3;
  m.Players[0] = {"Sixteen chars 16", 2};
  m.Players[1] = {"Blue", 4};
  m.Players[6] = {"Neutral side", 14};
  m.SaveNames = true;
  m.NextMission = 65535;

  vh::TSettingsForm form;
  form.LoadFrom(m);
  form.show();
  bool ok = true;
  for (int page = 0; page < form.PageControl->count(); ++page) {
    form.PageControl->setCurrentIndex(page);
    app.processEvents();
    ok &= form.grab().save(dir + QString("settings-%1.png").arg(page));
  }

  vh::TAllianzButtons row;
  row.SetAktSel(5);
  row.show();
  app.processEvents();
  ok &= row.grab().scaled(row.width() * 4, row.height() * 4).save(dir + "allianz-buttons.png");

  for (uint8_t type : {0, 1})
    for (bool textured : {false, true}) {
      vh::GeneratorState state;
      state.TerrainType = type;
      state.Textured = textured;
      vh::TMission big;
      big.SetSize({64, 64});
      vh::TMapGenerator gen;
      gen.SetView(&state, &big);
      gen.GenerateFromSeed(20240);
      ok &=
          SavePreview(gen.Preview(),
                      dir + QString("preview-64x64-type%1%2.png").arg(type).arg(textured ? "-textured" : ""));
    }
  vh::GeneratorState small;
  vh::TMission m24;
  m24.SetSize({24, 17});
  vh::TMapGenerator gen;
  gen.SetView(&small, &m24);
  gen.GenerateFromSeed(7);
  ok &= SavePreview(gen.Preview(), dir + "preview-24x17.png");
  return ok ? 0 : 1;
}
