// The history against every edit the editor makes: whatever random edits,
// undos and redos happen, the mission must save exactly as if only the edits
// still in effect had been made, one after the other, on the mission as it
// was opened.
#include <gtest/gtest.h>
#include <malloc.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "generator/MapGenerator.h"
#include "hexmap/CellEditing.h"
#include "hexmap/MissionPicture.h"
#include "mission/History.h"
#include "mission/MissionFile.h"
#include "mission/ShopNames.h"
#include "support/SavedBytes.h"
#include "tools/PaletteEdits.h"

namespace vh {
namespace {

using test::SavedBytes;

using TEdit = std::function<void(TMission&)>;
struct TOp {
  std::string Name, MergeKey;
  TEdit Edit;
};

class TOpMaker {
public:
  explicit TOpMaker(uint32_t seed) : rng_(seed) {}

  int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
  TPoint Cell() { return {Int(0, 63), Int(0, 63)}; }

  TOp Make() {
    switch (Int(0, 13)) {
    case 0:
    case 1:
    case 2:
      return Stroke();
    case 3:
      return Paste();
    case 4:
      return Transfer();
    case 5:
      return Clear();
    case 6:
      return Settings();
    case 7:
      return NewShop();
    case 8:
      return DeleteShop();
    case 9:
    case 10:
      return ShopField();
    case 11:
      return Cargo();
    default:
      return AIPoint();
    }
  }

private:
  // Every edit of a change layer shows its layer first, so that replaying the
  // edits alone, without the layer switches between them, does the same.
  // Cells are picked on the whole grid; the edits themselves keep to what
  // they may touch, as the map view does.
  static TPoint InMap(const TMission& m, TPoint p) {
    return {m.Width > 0 ? p.x % m.Width : 0, m.Height > 0 ? p.y % m.Height : 0};
  }
  static uint16_t FilterFor(int layer) {
    return layer < 0 ? DefaultMissFilter : FilterOf({mfTerrain, mfObjects, mfUnits, mfBaseMap, mfDFLayer});
  }

  TOp Stroke() {
    const int layer = Int(0, 2) == 0 ? Int(0, 3) : -1;
    const int kind = Int(0, 2);
    std::vector<std::pair<TPoint, uint16_t>> cells;
    for (int n = Int(1, 8); n > 0; --n) {
      uint16_t value = 0;
      if (kind == pkUnit)
        value = Int(0, 3) == 0 ? NoUnitCode
                               : UnitCode(static_cast<uint8_t>(Int(0, 6)), static_cast<uint8_t>(Int(0, 63)));
      else
        value = static_cast<uint16_t>(Int(0, 4) == 0 ? -1 : Int(0, kind == pkTerrain ? 60 : 1300));
      cells.emplace_back(Cell(), value);
    }
    static const char* const names[] = {"Paint Terrain", "Paint Objects", "Paint Units"};
    return {names[kind], "", [=](TMission& m) {
              if (layer >= 0)
                m.SelectDFLayer(static_cast<uint8_t>(layer));
              int16_t strokeObject = 0;
              bool first = true;
              for (auto [p, value] : cells) {
                ApplyCellValue(m, FilterFor(layer), first, InMap(m, p), value, kind, strokeObject);
                first = false;
              }
            }};
  }

  TOp Paste() {
    const bool intoLayer = Int(0, 2) == 0;
    const auto layer = static_cast<uint8_t>(Int(0, 3));
    const int kind = Int(0, 1);
    TMultiSelection sel;
    for (int n = Int(1, 10); n > 0; --n)
      sel.At(Int(0, MultiSelCols - 1), Int(0, MultiSelRows - 1)) = static_cast<int16_t>(Int(0, 900));
    const TPoint at = Cell();
    return {"Paste", "", [=](TMission& m) {
              if (intoLayer)
                m.SelectDFLayer(layer);
              PasteBlock(m, FilterFor(intoLayer ? 1 : -1), InMap(m, at), sel, kind, {m.Width, m.Height});
            }};
  }

  TOp Transfer() {
    const auto seed = static_cast<uint32_t>(Int(1, 1 << 30));
    const auto type = static_cast<uint8_t>(Int(0, 1));
    return {"Transfer Map", "", [=](TMission& m) {
              GeneratorState state;
              state.TerrainType = type;
              TMapGenerator gen;
              gen.SetView(&state, &m);
              gen.GenerateFromSeed(seed);
              gen.Transfer();
            }};
  }

  TOp Clear() {
    uint16_t filter = static_cast<uint16_t>(Int(1, 15));
    filter = static_cast<uint16_t>(filter | (Int(0, 1) ? fbMap : 0) | (Int(0, 1) ? fbDFLayer : 0));
    const auto layer = static_cast<uint8_t>(Int(0, 3));
    return {"Clear with Filter", "", [=](TMission& m) {
              m.SelectDFLayer(layer);
              m.Clear(filter);
            }};
  }

  TOp Settings() {
    const int what = Int(0, 5), a = Int(0, 5), b = Int(0, 200);
    // Sizes only grow here: showing another layer on a map made smaller
    // drops the change records beyond it, and showing a layer is no step.
    const TPoint grow{Int(0, 24), Int(0, 34)};
    return {"Settings", "", [=](TMission& m) {
              switch (what) {
              case 0:
                m.Players[static_cast<size_t>(a)].Name = "Side " + std::to_string(b);
                m.Players[static_cast<size_t>(a)].Color = static_cast<uint8_t>(b % 8);
                break;
              case 1:
                m.Allies[static_cast<size_t>(a)] = static_cast<uint8_t>(b % 64);
                m.CompPlayers = static_cast<uint8_t>(b % 64);
                break;
              case 2:
                m.StdProd[static_cast<size_t>(b % UnitTypeCount)] = static_cast<int16_t>(b);
                m.NextMission = static_cast<uint16_t>(b);
                break;
              case 3:
                m.MissionName = "Mission " + std::to_string(b);
                m.SaveNames = b % 2 == 0;
                m.StartWeather = static_cast<uint8_t>(b % 4);
                break;
              case 4:
                m.MissUsage = static_cast<uint8_t>(b % 3);
                break;
              default:
                m.SetSize({std::min(m.Width + grow.x, 64), std::min(m.Height + grow.y, 64)});
              }
            }};
  }

  TOp NewShop() {
    const TPoint p = Cell();
    return {"New Shop", "", [=](TMission& m) {
              const TPoint c = InMap(m, p);
              if (m.Cell(c).Shop == -1)
                m.NewShop(c);
            }};
  }

  // The k-th shop that exists, or none.
  static int16_t NthShop(const TMission& m, int k) {
    std::vector<int16_t> have;
    for (size_t i = 0; i < m.Shops.size(); ++i)
      if (m.Shops[i])
        have.push_back(static_cast<int16_t>(i));
    return have.empty() ? -1 : have[static_cast<size_t>(k) % have.size()];
  }

  TOp DeleteShop() {
    const int k = Int(0, 50);
    return {"Delete Shop", "", [=](TMission& m) {
              if (int16_t s = NthShop(m, k); s != -1)
                DeleteShopAnywhere(m, s);
            }};
  }

  TOp ShopField() {
    const int k = Int(0, 50), field = Int(0, 9), v = Int(0, 300);
    std::array<int16_t, 16> content;
    for (int16_t& c : content)
      c = static_cast<int16_t>(Int(0, 3) == 0 ? Int(0, 63) : -1);
    static const char* const names[] = {"Shop Name", "Shop Owner", "Shop Type", "Energy",  "Material",
                                        "EP",        "MP",         "Priority",  "Content", "Production"};
    // Typing goes into one of few fields, so that runs of them merge.
    return {names[field], "shop " + std::to_string(k % 3) + " " + names[field], [=](TMission& m) {
              const int16_t s = NthShop(m, k % 3);
              TArrShop* shop = m.GetShop(s);
              if (!shop)
                return;
              switch (field) {
              case 0:
                AssignField(m, shop->Name, "Shop " + std::to_string(v));
                break;
              case 1:
                AssignField(m, shop->Owner, v % SideCount);
                break;
              case 2:
                AssignField(m, shop->ShopType, v % ShopTypeCount);
                break;
              case 3:
                AssignField(m, shop->Energy, v);
                break;
              case 4:
                AssignField(m, shop->Material, v);
                break;
              case 5:
                AssignField(m, shop->EP, v % 256);
                break;
              case 6:
                AssignField(m, shop->MP, v % 256);
                break;
              case 7:
                AssignField(m, shop->Priority, v);
                break;
              case 8:
                AssignField(m, shop->Content, content);
                break;
              default:
                AssignField(m, shop->Produce,
                            std::array<int16_t, 4>{content[0], content[1], content[2], content[3]});
              }
            }};
  }

  // The k-th base map cell with a unit, or none.
  static std::optional<TPoint> NthUnit(const TMission& m, int k) {
    std::vector<TPoint> have;
    for (int32_t y = 0; y < m.Height; ++y)
      for (int32_t x = 0; x < m.Width; ++x)
        if (UnitCode(m.Cells[static_cast<size_t>(y)][static_cast<size_t>(x)]) != NoUnitCode)
          have.push_back({x, y});
    if (have.empty())
      return std::nullopt;
    return have[static_cast<size_t>(k) % have.size()];
  }

  TOp Cargo() {
    const int k = Int(0, 500), clear = Int(0, 4);
    std::array<int16_t, 8> units;
    for (int16_t& u : units)
      u = static_cast<int16_t>(Int(0, 2) == 0 ? Int(0, 63) : -1);
    return {"Cargo", "", [=](TMission& m) {
              const std::optional<TPoint> p = NthUnit(m, k);
              if (!p)
                return;
              const int16_t current = m.Cell(*p).VehContent;
              if (clear == 0) {
                m.DeleteVehContent(*p);
                return;
              }
              const TVehContentRec* rec = m.GetVehContent(current);
              StoreCargo(m, *p, current, !rec || rec->Units == TVehContentRec{}.Units, units);
            }};
  }

  TOp AIPoint() {
    const int k = Int(0, 500), what = Int(0, 3), v = Int(0, 70000);
    static const char* const names[] = {"New AI Point", "Delete AI Point", "AI Point", "AI Point"};
    return {names[what], "", [=](TMission& m) {
              const std::optional<TPoint> p = NthUnit(m, k);
              if (!p)
                return;
              TMissionCell& c = m.Cell(*p);
              if (what == 0 && c.AIPoint == -1)
                m.NewAIPoint(*p);
              else if (what == 1)
                m.DeleteAIPoint(*p);
              else if (TAIPointRec* a = m.GetAIPoint(c.AIPoint); a && what == 2)
                StoreAIValue(m, *a, static_cast<TAIValue>(v % 4), v);
              else if (a)
                AssignField(m, a->AI1231, v % 2);
            }};
  }

  std::mt19937 rng_;
};

// A mission with something of everything: terrain, objects, units with cargo
// and AI points, shops, two change layers stored away and one in the grid.
TMission StartMission() {
  TMission m;
  m.SetSize({40, 30});
  std::mt19937 rng(5);
  for (int32_t y = 0; y < 30; ++y)
    for (int32_t x = 0; x < 40; ++x) {
      TMissionCell& c = m.Cells[static_cast<size_t>(y)][static_cast<size_t>(x)];
      c.Terrain = static_cast<int16_t>(rng() % 40);
      if (rng() % 3 == 0)
        c.Obj = static_cast<int16_t>(rng() % 1000);
      if (rng() % 6 == 0) {
        c.Vehicle = static_cast<uint8_t>(rng() % 64);
        c.VehOwner = static_cast<uint8_t>(rng() % 7);
        if (rng() % 3 == 0)
          m.GetVehContent(static_cast<int16_t>(m.NewVehContent({x, y})))->Units[0] = 4;
        if (rng() % 4 == 0)
          m.NewAIPoint({x, y});
      }
      if (rng() % 60 == 0)
        m.NewShop({x, y});
    }
  for (uint8_t layer : {2, 1}) {
    m.SelectDFLayer(layer);
    for (int n = 0; n < 30; ++n)
      m.DFCells[rng() % 30][rng() % 40] = {static_cast<int16_t>(rng() % 30), -1, NoUnit, NoSide};
  }
  m.SelectDFLayer(0);
  return m;
}

struct TStepModel {
  std::vector<std::vector<size_t>> Groups;  // the ops of each step in the history
};

// Runs `op` as one step and keeps the model's steps in line with the history's.
bool RunStep(TMissionHistory& h, TMission& m, const TOp& op, size_t index, TStepModel& model) {
  const size_t before = h.Position();
  h.Begin(op.Name, op.MergeKey);
  op.Edit(m);
  const bool recorded = h.End();
  if (!recorded) {
    EXPECT_EQ(h.Position(), before);
    return false;
  }
  model.Groups.resize(before);
  if (h.Position() == before + 1)
    model.Groups.push_back({index});
  else if (h.Position() == before)
    model.Groups.back().push_back(index);  // merged into the step before
  else if (h.Position() + 1 == before)
    model.Groups.pop_back();  // merged back to nothing
  else
    ADD_FAILURE() << "position jumped from " << before << " to " << h.Position();
  return true;
}

ByteStream Replay(const TMission& start, const std::vector<TOp>& ops, const TStepModel& model,
                  size_t position) {
  TMission m = start;
  for (size_t g = 0; g < position; ++g)
    for (size_t i : model.Groups[g])
      ops[i].Edit(m);
  return SavedBytes(m);
}

TEST(HistoryProperty, UndoingEverythingRestoresTheStartAndRedoingEverythingTheEnd) {
  for (uint32_t seed : {1u, 2u, 3u}) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    TMission m = StartMission();
    const ByteStream start = SavedBytes(m);
    TMissionHistory h(m, 0);
    TOpMaker maker(seed);
    std::vector<TOp> ops;
    TStepModel model;
    std::vector<ByteStream> states{start};
    for (size_t i = 0; i < 300; ++i) {
      ops.push_back(maker.Make());
      if (RunStep(h, m, ops.back(), i, model)) {
        states.resize(h.Position());
        states.push_back(SavedBytes(m));
      }
      // Showing another change layer now and then is no edit.
      if (i % 7 == 0)
        m.SelectDFLayer(static_cast<uint8_t>(maker.Int(0, 3)));
    }
    ASSERT_GT(h.Count(), 200u);
    const ByteStream end = SavedBytes(m);
    while (h.CanUndo()) {
      h.Undo();
      ASSERT_EQ(SavedBytes(m), states[h.Position()]) << "after undo to " << h.Position();
    }
    EXPECT_EQ(SavedBytes(m), start);
    EXPECT_FALSE(h.IsModified());
    while (h.CanRedo())
      h.Redo();
    EXPECT_EQ(SavedBytes(m), end);
  }
}

TEST(HistoryProperty, RandomUndoRedoAgreesWithReplayingTheEditsFromScratch) {
  const TMission start = StartMission();
  TMission m = start;
  TMissionHistory h(m, 0);
  TOpMaker maker(11);
  std::vector<TOp> ops;
  TStepModel model;
  std::vector<ByteStream> states{SavedBytes(m)};
  ByteStream saved = states[0];
  int edits = 0, undos = 0, redos = 0;
  for (int action = 0; action < 6000; ++action) {
    const int roll = maker.Int(0, 99);
    if (roll < 55) {
      ops.push_back(maker.Make());
      if (RunStep(h, m, ops.back(), ops.size() - 1, model)) {
        states.resize(h.Position());
        states.push_back(SavedBytes(m));
      }
      ++edits;
    } else if (roll < 75) {
      h.Undo();
      ++undos;
    } else if (roll < 90) {
      h.Redo();
      ++redos;
    } else if (roll < 94) {
      h.GoTo(static_cast<size_t>(maker.Int(0, static_cast<int>(h.Count()))));
    } else if (roll < 98) {
      m.SelectDFLayer(static_cast<uint8_t>(maker.Int(0, 3)));
    } else {
      h.MarkSaved();
      saved = SavedBytes(m);
    }
    ASSERT_EQ(model.Groups.size(), h.Count()) << "action " << action;
    const ByteStream now = SavedBytes(m);
    ASSERT_EQ(now, states[h.Position()]) << "action " << action;
    if (!h.IsModified()) {
      ASSERT_EQ(now, saved) << "action " << action;
    }
    if (action % 300 == 299) {
      ASSERT_EQ(now, Replay(start, ops, model, h.Position())) << "action " << action;
    }
  }
  EXPECT_GT(edits, 2000);
  EXPECT_GT(undos, 600);
  EXPECT_GT(redos, 400);
  EXPECT_EQ(SavedBytes(m), Replay(start, ops, model, h.Position()));
}

// Heap bytes in use, as the C library counts them.
long long HeapInUse() {
#ifdef _WIN32
  _HEAPINFO entry{};
  long long used = 0;
  int status;
  while ((status = _heapwalk(&entry)) == _HEAPOK)
    if (entry._useflag == _USEDENTRY)
      used += static_cast<long long>(entry._size);
  EXPECT_EQ(status, _HEAPEND) << "the heap cannot be walked";
  return used;
#else
  return static_cast<long long>(mallinfo2().uordblks);
#endif
}

TEST(HistoryMemory, TenThousandSingleCellStepsStayUnderTwentyMegabytes) {
  TMission m;
  m.SetSize({64, 64});
  TMissionHistory h(m, 0);
  const long long heapBefore = HeapInUse();
  int16_t strokeObject = 0;
  for (int i = 0; i < 10000; ++i) {
    h.Begin("Paint Terrain");
    ApplyCellValue(m, DefaultMissFilter, true, {i % 64, (i / 64) % 64}, static_cast<uint16_t>(i % 50 + 1),
                   pkTerrain, strokeObject);
    h.End();
  }
  ASSERT_EQ(h.Count(), 10000u);
  RecordProperty("history_bytes", std::to_string(h.MemoryUse()));
  RecordProperty("heap_bytes", std::to_string(HeapInUse() - heapBefore));
  EXPECT_LT(h.MemoryUse(), 20u << 20);
  EXPECT_LT(HeapInUse() - heapBefore, 20ll << 20);
}

TEST(HistoryMemory, AFullMapTransferStepStaysUnder200Kilobytes) {
  TMission m;
  m.SetSize({64, 64});
  TMissionHistory h(m, 0);
  GeneratorState state;
  TMapGenerator gen;
  gen.SetView(&state, &m);
  gen.GenerateFromSeed(77);
  const long long heapBefore = HeapInUse();
  h.Begin("Transfer Map");
  ASSERT_TRUE(gen.Transfer());
  h.End();
  ASSERT_EQ(h.Count(), 1u);
  EXPECT_EQ(h.StepCells(0), 64u * 64u);
  RecordProperty("history_bytes", std::to_string(h.MemoryUse()));
  RecordProperty("heap_bytes", std::to_string(HeapInUse() - heapBefore));
  EXPECT_LT(h.MemoryUse(), 200u * 1024u);
  EXPECT_LT(HeapInUse() - heapBefore, 200ll * 1024);
}

}  // namespace
}  // namespace vh
