// Writes random missions, for comparing what two builds of the core make of
// the same files: landscapes from the map generator, objects, units with
// cargo, shops and players named in code page 1252, AI points and change
// layers, every value drawn from one seed. A third of the shop names files
// are stored "TPWM"-coded.
//   make_random_missions DIR COUNT [SEED]
// writes DIR/MIS/rnd0000.dat ... with their names files in DIR/GER.
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <random>
#include <string>

#include "base/FileUtil.h"
#include "base/Platform.h"
#include "generator/MapGenerator.h"
#include "mission/Mission.h"
#include "mission/StdData.h"
#include "support/TPWMEncoder.h"

using namespace vh;

namespace {

class TRandomMission {
public:
  TRandomMission(uint32_t seed, uint32_t index) {
    std::seed_seq seq{seed, index};
    rng_.seed(seq);
  }

  void Fill(TMission& m) {
    m.SetSize({Int(1, 64), Int(1, 64)});
    Landscape(m);
    for (int y = 0; y < m.Height; ++y)
      for (int x = 0; x < m.Width; ++x)
        Cell(m, {x, y});
    for (int n = Int(0, 12); n > 0; --n)
      Shop(m);
    for (int side = 0; side < SideCount; ++side)
      if (Int(0, 1))
        m.Players[side] = {Name(Int(0, 16)), static_cast<uint8_t>(Int(0, 15))};
    m.MissionName = Name(Int(0, 30));
    m.MissionText = Int(0, 1) ? Name(Int(0, 60)) : std::string();
    m.SaveNames = Int(0, 3) != 0;
    for (int n = Int(0, 4); n > 0; --n)
      ChangeLayer(m);
    m.SelectDFLayer(static_cast<uint8_t>(Int(0, 3) == 0 ? Int(0, DFLayerCount - 1) : 0));
  }

  bool Coded() { return Int(0, 2) == 0; }

private:
  int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
  bool Chance(int percent) { return Int(0, 99) < percent; }

  // Letters, digits, blanks and the code page's accented letters; never the
  // characters that delimit an entry of the names file, nor the bytes that
  // stand for umlauts there (a save refuses texts holding them).
  std::string Name(int length) {
    static const std::string letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789 -."
                                       "\xC4\xD6\xDC\xE4\xF6\xFC\xDF\xC9\xE9\xC8\xE8\xE0\xE7\xF1";
    std::string s;
    for (int i = 0; i < length; ++i)
      s += letters[static_cast<size_t>(Int(0, static_cast<int>(letters.size()) - 1))];
    return s;
  }

  void Landscape(TMission& m) {
    if (Chance(15))
      return;  // a map without terrain
    GeneratorState state;
    TMapGenerator generator;
    generator.SetView(&state, &m);
    generator.SetRoughness(Int(0, 300));
    generator.SetTerrainType(static_cast<uint8_t>(Int(0, TerrainTypeCount - 1)));
    generator.SetTextured(Int(0, 1) != 0);
    generator.SetBorder(2, Int(0, 255));
    generator.SetBorder(1, Int(0, 255));
    generator.SetBorder(0, Int(0, 255));
    generator.GenerateFromSeed(static_cast<uint32_t>(Int(0, 1 << 30)));
    try {
      generator.Transfer();
    } catch (const EVhError&) {
      // A code without a picture leaves the terrain as it was.
    }
    generator.Detach();
  }

  void Cell(TMission& m, TPoint p) {
    TMissionCell& c = m.Cell(p);
    if (Chance(3))
      c.Terrain = static_cast<int16_t>(Int(-1, 400));
    if (Chance(20))
      c.Obj = static_cast<int16_t>(Int(0, 1300));
    if (Chance(8)) {
      c.Vehicle = static_cast<uint8_t>(Int(0, 63));
      c.VehOwner = static_cast<uint8_t>(Int(0, SideCount - 1));
      if (Chance(30)) {
        TVehContentRec* cargo = m.GetVehContent(static_cast<int16_t>(m.NewVehContent(p)));
        for (int i = Int(0, 8); i > 0; --i)
          cargo->Units[static_cast<size_t>(i - 1)] = static_cast<int16_t>(Int(0, 63));
      }
    }
    if (Chance(2)) {
      TAIPointRec* ai = m.GetAIPoint(static_cast<int16_t>(m.NewAIPoint(p)));
      ai->AI1231 = static_cast<uint8_t>(Int(0, 1));
      ai->AI0A = static_cast<uint16_t>(Int(0, 65535));
      ai->AI48 = static_cast<uint16_t>(Int(0, 65535));
      ai->AI4A = static_cast<uint16_t>(Int(0, 65535));
      ai->AI4E = static_cast<uint16_t>(Int(0, 65535));
    }
  }

  void Shop(TMission& m) {
    const TPoint p{Int(0, m.Width - 1), Int(0, m.Height - 1)};
    if (m.Cell(p).Shop >= 0)
      return;
    TArrShop* shop = m.GetShop(static_cast<int16_t>(m.NewShop(p)));
    shop->ShopType = static_cast<uint8_t>(Int(0, ShopTypeCount - 1));
    shop->Name = Name(Int(0, 20));
    shop->Energy = static_cast<int16_t>(Int(0, 9999));
    shop->Material = static_cast<int16_t>(Int(0, 9999));
    shop->EP = static_cast<uint8_t>(Int(0, 255));
    shop->MP = static_cast<uint8_t>(Int(0, 255));
    for (int16_t& unit : shop->Content)
      unit = static_cast<int16_t>(Chance(40) ? Int(0, 63) : -1);
    for (int16_t& unit : shop->Produce)
      unit = static_cast<int16_t>(Chance(40) ? Int(0, 63) : -1);
    shop->Priority = static_cast<int16_t>(Int(0, 10));
    shop->Owner = static_cast<uint8_t>(Int(0, SideCount - 1));
  }

  void ChangeLayer(TMission& m) {
    m.SelectDFLayer(static_cast<uint8_t>(Int(0, DFLayerCount - 1)));
    for (int n = Int(1, 40); n > 0; --n) {
      TDFCell& d = m.DFCell({Int(0, m.Width - 1), Int(0, m.Height - 1)});
      d.Terrain = static_cast<int16_t>(Chance(50) ? Int(0, 400) : -1);
      d.Obj = static_cast<int16_t>(Chance(50) ? Int(-1, 1300) : -2);
      if (Chance(30)) {
        d.Vehicle = static_cast<uint8_t>(Int(0, 63));
        d.VehOwner = static_cast<uint8_t>(Int(0, SideCount - 1));
      }
    }
  }

  std::mt19937 rng_;
};

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args = ProgramArguments(argc, argv);
  if (args.size() < 2 || args.size() > 3) {
    std::fprintf(stderr, "usage: make_random_missions DIR COUNT [SEED]\n");
    return 2;
  }
  const std::string dir = args[0];
  const int count = std::atoi(args[1].c_str());
  const uint32_t seed =
      args.size() > 2 ? static_cast<uint32_t>(std::strtoul(args[2].c_str(), nullptr, 10)) : 1;
  try {
    std::filesystem::create_directories(PathOf(dir + "/MIS"));
    std::filesystem::create_directories(PathOf(dir + "/GER"));
    TxtFilesDir = "GER";
    for (int i = 0; i < count; ++i) {
      TRandomMission random(seed, static_cast<uint32_t>(i));
      TMission m;
      random.Fill(m);
      char name[32];
      std::snprintf(name, sizeof name, "/MIS/rnd%04d.dat", i);
      m.SaveAs(dir + name);
      if (random.Coded())
        WriteWholeFile(m.NamesFileName, test::CompressTPWM(ReadWholeFile(m.NamesFileName)));
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make_random_missions: %s\n", e.what());
    return 1;
  }
  return 0;
}
