#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "generator/MapGenerator.h"
#include "mission/Mission.h"

// Transfer's results on fixed seeds, as they were before its coast rules
// were shared with painting: the sharing must not change a single cell.

namespace vh {
namespace {

struct TransferCase {
  uint32_t Seed = 0;
  int Width = 0, Height = 0, Type = 0, Textured = 0, Roughness = 0, Border0 = 0, Border1 = 0, Border2 = 0;
  std::vector<int> Terrain;  // row by row
};

std::vector<TransferCase> ReadCases() {
  std::ifstream in(VH_TRANSFER_FIXTURE);
  std::vector<TransferCase> cases;
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("case ", 0) != 0)
      continue;
    TransferCase c;
    std::istringstream head(line.substr(5));
    head >> c.Seed >> c.Width >> c.Height >> c.Type >> c.Textured >> c.Roughness >> c.Border0 >> c.Border1 >>
        c.Border2;
    for (int y = 0; y < c.Height && std::getline(in, line); ++y) {
      std::istringstream row(line);
      for (int v; row >> v;)
        c.Terrain.push_back(v);
    }
    cases.push_back(std::move(c));
  }
  return cases;
}

TEST(TransferFixtureTest, FixedSeedsGiveTheTerrainTheyAlwaysGave) {
  const std::vector<TransferCase> cases = ReadCases();
  ASSERT_EQ(cases.size(), 10u);
  for (const TransferCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "seed " << c.Seed << ", " << c.Width << " x " << c.Height << ", type "
                                    << c.Type);
    ASSERT_EQ(c.Terrain.size(), static_cast<size_t>(c.Width * c.Height));
    auto m = std::make_unique<TMission>();
    m->SetSize({c.Width, c.Height});
    GeneratorState s;
    s.Roughness = c.Roughness;
    s.TerrainType = static_cast<uint8_t>(c.Type);
    s.Textured = c.Textured != 0;
    s.Border0 = static_cast<uint8_t>(c.Border0);
    s.Border1 = static_cast<uint8_t>(c.Border1);
    s.Border2 = static_cast<uint8_t>(c.Border2);
    TMapGenerator gen;
    gen.SetView(&s, m.get());
    gen.GenerateFromSeed(c.Seed);
    ASSERT_TRUE(gen.Transfer());
    for (int y = 0; y < c.Height; ++y)
      for (int x = 0; x < c.Width; ++x)
        ASSERT_EQ(m->Cells[y][x].Terrain, c.Terrain[static_cast<size_t>(y * c.Width + x)]) << x << ", " << y;
  }
}

}  // namespace
}  // namespace vh
