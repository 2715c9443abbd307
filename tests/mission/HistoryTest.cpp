#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "base/Errors.h"
#include "mission/History.h"
#include "mission/MissionFields.h"
#include "mission/MissionFile.h"
#include "mission/ShopNames.h"
#include "support/SavedBytes.h"

namespace vh {
namespace {

using test::SavedBytes;

struct HistoryTest : ::testing::Test {
  TMission m;
  std::unique_ptr<TMissionHistory> h;
  void SetUp() override {
    m.SetSize({20, 16});
    h = std::make_unique<TMissionHistory>(m);
  }
  void Paint(TPoint p, int16_t terrain) {
    m.Cell(p).Terrain = terrain;
    m.NoteChange();
  }
};

TEST_F(HistoryTest, AStrokeIsOneStepAndUndoRedoRestoreItExactly) {
  const ByteStream start = SavedBytes(m);
  h->Begin("Paint Terrain");
  for (int x = 0; x < 14; ++x)
    Paint({x, 3}, static_cast<int16_t>(x + 1));
  EXPECT_TRUE(h->InStep());
  EXPECT_TRUE(h->End());
  const ByteStream painted = SavedBytes(m);
  ASSERT_EQ(h->Count(), 1u);
  EXPECT_EQ(h->StepName(0), "Paint Terrain");
  EXPECT_EQ(h->StepCells(0), 14u);
  EXPECT_EQ(h->UndoName(), "Paint Terrain");
  EXPECT_FALSE(h->CanRedo());

  const TStepEffect undone = h->Undo();
  EXPECT_EQ(SavedBytes(m), start);
  EXPECT_EQ(undone.Cells.size(), 14u);
  EXPECT_EQ(undone.Cells.front(), 3 * MaxMapSize);
  EXPECT_FALSE(h->CanUndo());
  EXPECT_EQ(h->RedoName(), "Paint Terrain");

  h->Redo();
  EXPECT_EQ(SavedBytes(m), painted);
  EXPECT_EQ(h->Position(), 1u);
}

TEST_F(HistoryTest, UndoDuringAnOpenStepClosesItFirst) {
  h->Begin("Paint Objects");
  m.Cell({1, 1}).Obj = 7;
  EXPECT_EQ(h->UndoName(), "Paint Objects");
  const TStepEffect e = h->Undo();
  EXPECT_EQ(m.Cell({1, 1}).Obj, -1);
  EXPECT_EQ(e.ObjectCells.size(), 1u);
  EXPECT_FALSE(h->InStep());
  EXPECT_EQ(h->RedoName(), "Paint Objects");
}

TEST_F(HistoryTest, TypingIntoOneFieldMergesUntilFocusMovesOrTheKeyChanges) {
  m.NewShop({2, 2});
  h->Commit("New Shop");
  EXPECT_EQ(h->StepCells(0), 0u);  // no cell looks different
  for (int16_t v : {1, 12, 123}) {
    m.GetShop(0)->Energy = v;
    EXPECT_TRUE(h->Commit("Energy", "shop 0 Energy"));
  }
  ASSERT_EQ(h->Count(), 2u);
  m.GetShop(0)->Material = 5;
  h->Commit("Material", "shop 0 Material");
  EXPECT_EQ(h->Count(), 3u);
  m.GetShop(0)->Material = 55;
  h->Commit("Material", "shop 0 Material");
  EXPECT_EQ(h->Count(), 3u);
  h->BreakMerge();
  m.GetShop(0)->Material = 555;
  h->Commit("Material", "shop 0 Material");
  EXPECT_EQ(h->Count(), 4u);

  h->Undo();
  EXPECT_EQ(m.GetShop(0)->Material, 55);
  h->Undo();
  EXPECT_EQ(m.GetShop(0)->Material, 0);
  EXPECT_EQ(m.GetShop(0)->Energy, 123);
  h->Undo();
  EXPECT_EQ(m.GetShop(0)->Energy, 0);

  // A field typed back to what it held leaves no step behind.
  h->Redo();
  h->Redo();
  h->Redo();
  m.GetShop(0)->EP = 3;
  h->Commit("EP", "shop 0 EP");
  m.GetShop(0)->EP = 0;
  h->Commit("EP", "shop 0 EP");
  EXPECT_EQ(h->Count(), 4u);
  EXPECT_EQ(h->UndoName(), "Material");
}

TEST_F(HistoryTest, NoMergeAcrossASaveOrAnUndo) {
  m.Players[0].Name = "A";
  h->Commit("Settings", "k");
  h->MarkSaved();
  m.Players[0].Name = "AB";
  h->Commit("Settings", "k");
  EXPECT_EQ(h->Count(), 2u);
  h->Undo();
  EXPECT_FALSE(h->IsModified());
  m.Players[0].Name = "AC";
  h->Commit("Settings", "k");
  EXPECT_EQ(h->Count(), 2u);
  h->Undo();
  EXPECT_EQ(m.Players[0].Name, "A");
}

TEST_F(HistoryTest, SavedMarkDrivesTheModifiedState) {
  EXPECT_FALSE(h->IsModified());
  Paint({0, 0}, 1);
  EXPECT_TRUE(h->IsModified());  // not yet a step, still unsaved work
  h->Commit("Paint Terrain");
  Paint({1, 0}, 1);
  h->Commit("Paint Terrain");
  h->Undo();
  h->Undo();
  EXPECT_FALSE(h->IsModified());
  h->Redo();
  EXPECT_TRUE(h->IsModified());
  h->MarkSaved();
  EXPECT_EQ(h->SavedPosition(), 1u);
  EXPECT_FALSE(h->IsModified());
  h->Undo();
  EXPECT_TRUE(h->IsModified());
  h->Redo();
  EXPECT_FALSE(h->IsModified());

  // A new step where the saved one could be redone makes the saved state
  // unreachable: nothing short of a save is unmodified again.
  h->Undo();
  Paint({5, 5}, 9);
  h->Commit("Paint Terrain");
  EXPECT_FALSE(h->SavedPosition());
  h->Undo();
  EXPECT_TRUE(h->IsModified());

  h->Reset();
  EXPECT_EQ(h->Count(), 0u);
  EXPECT_FALSE(h->IsModified());
  EXPECT_FALSE(h->CanUndo());
}

TEST_F(HistoryTest, TheLimitDropsTheOldestSteps) {
  h->SetLimit(3);
  h->MarkSaved();
  for (int16_t i = 0; i < 5; ++i) {
    Paint({i, 0}, 10);
    h->Commit("Paint Terrain " + std::to_string(i));
  }
  EXPECT_EQ(h->Count(), 3u);
  EXPECT_EQ(h->StepName(0), "Paint Terrain 2");
  EXPECT_FALSE(h->SavedPosition());
  while (h->CanUndo())
    h->Undo();
  EXPECT_EQ(m.Cell({1, 0}).Terrain, 10);  // fell off: stays
  EXPECT_EQ(m.Cell({2, 0}).Terrain, -1);
  EXPECT_TRUE(h->IsModified());

  h->SetLimit(0);
  for (int16_t i = 0; i < 1200; ++i) {
    Paint({i % 20, 1}, static_cast<int16_t>(i));
    h->Commit("Paint Terrain");
  }
  EXPECT_EQ(h->Count(), 1200u);
  h->SetLimit(DefaultUndoLimit);
  EXPECT_EQ(h->Count(), DefaultUndoLimit);
}

TEST_F(HistoryTest, NonEditsNeverEnterTheHistory) {
  EXPECT_FALSE(h->Commit("Nothing"));
  m.DFCells[2][2] = {4, -2, NoUnit, NoSide};
  h->Commit("Paint Terrain");
  // Showing other layers and back stores and reloads the working grid.
  m.SelectDFLayer(5);
  m.SelectDFLayer(0);
  m.SelectDFLayer(9);
  EXPECT_FALSE(h->Commit("Switch"));
  m.FileName = "elsewhere.dat";  // Save As
  EXPECT_FALSE(h->Commit("Save As"));
  EXPECT_EQ(h->Count(), 1u);
}

TEST_F(HistoryTest, ChangesOutsideAnyStepBecomeAStepOfTheirOwn) {
  Paint({3, 3}, 4);
  EXPECT_EQ(h->UndoName(), "Edit");
  h->Begin("Paint Terrain");
  Paint({4, 3}, 4);
  h->End();
  ASSERT_EQ(h->Count(), 2u);
  EXPECT_EQ(h->StepName(0), "Edit");
  h->Undo();
  EXPECT_EQ(m.Cell({3, 3}).Terrain, 4);
  EXPECT_EQ(m.Cell({4, 3}).Terrain, -1);
}

TEST_F(HistoryTest, ALayerEditIsUndoneWhileAnotherLayerIsShown) {
  m.SelectDFLayer(3);
  h->Begin("Paint Terrain");
  m.DFCells[1][1] = {8, -2, NoUnit, NoSide};
  m.DFCells[1][2] = {9, -2, NoUnit, NoSide};
  h->End();
  m.SelectDFLayer(7);
  m.DFCells[0][0] = {1, -2, NoUnit, NoSide};
  h->Commit("Paint Terrain");

  TStepEffect e = h->Undo();
  EXPECT_EQ(e.Cells.size(), 1u);
  e = h->Undo();
  EXPECT_TRUE(e.Cells.empty());  // the shown layer did not change
  EXPECT_TRUE(e.OtherLayers);
  EXPECT_EQ(m.DFNr, 7);
  EXPECT_TRUE(m.DFLayers[3].empty());
  h->Redo();
  EXPECT_EQ(m.DFNr, 7);
  m.SelectDFLayer(3);
  EXPECT_EQ(m.DFCells[1][2].Terrain, 9);
}

TEST_F(HistoryTest, GoToJumpsOverManyStepsAndReportsEveryCell) {
  // The mission after each step, saved: state k has k cells of row 2 painted.
  std::vector<ByteStream> states{SavedBytes(m)};
  for (int16_t i = 0; i < 6; ++i) {
    Paint({i, 2}, 3);
    h->Commit("Paint Terrain");
    states.push_back(SavedBytes(m));
  }
  TStepEffect e = h->GoTo(1);
  EXPECT_EQ(SavedBytes(m), states[1]);
  EXPECT_EQ(m.Cell({0, 2}).Terrain, 3);
  EXPECT_EQ(m.Cell({1, 2}).Terrain, -1);
  std::sort(e.Cells.begin(), e.Cells.end());
  EXPECT_EQ(e.Cells, (std::vector<uint16_t>{2 * 64 + 1, 2 * 64 + 2, 2 * 64 + 3, 2 * 64 + 4, 2 * 64 + 5}));
  EXPECT_EQ(h->Position(), 1u);
  e = h->GoTo(6);
  EXPECT_EQ(SavedBytes(m), states[6]);
  EXPECT_EQ(e.Cells.size(), 5u);
  e = h->GoTo(3);
  EXPECT_EQ(SavedBytes(m), states[3]);
  h->GoTo(0);
  EXPECT_EQ(SavedBytes(m), states[0]);
  EXPECT_THROW(h->GoTo(7), ERangeError);
  EXPECT_EQ(SavedBytes(m), states[0]) << "a jump out of range changes nothing";
}

TEST_F(HistoryTest, SettingsAndSizeAreOneStep) {
  const ByteStream start = SavedBytes(m);
  h->Begin("Settings");
  m.Players[2].Name = "Northern Fleet";
  m.Allies[1] = 3;
  m.NextMission = 12;
  m.SetSize({30, 30});
  h->End();
  const TStepEffect e = h->Undo();
  EXPECT_TRUE(e.Settings);
  EXPECT_TRUE(e.SizeChanged);
  EXPECT_EQ(SavedBytes(m), start);
}

TEST_F(HistoryTest, OnChangedFollowsEveryChangeOfTheSteps) {
  int calls = 0;
  h->OnChanged = [&] { ++calls; };
  Paint({0, 0}, 1);
  h->Commit("Paint Terrain");
  h->Undo();
  h->Redo();
  h->MarkSaved();
  EXPECT_EQ(calls, 4);
  h->Commit("Nothing");
  EXPECT_EQ(calls, 4);
}

}  // namespace
}  // namespace vh

namespace vh {
namespace {

// Where each listed member of the mission lies in it.
struct TMemberSpan {
  size_t Offset, Size;
};

template <class Tuple>
void AddSpans(const TMission& m, const Tuple& fields, std::vector<TMemberSpan>& spans) {
  std::apply(
      [&](auto... field) {
        ((spans.push_back({static_cast<size_t>(reinterpret_cast<const char*>(&(m.*field)) -
                                               reinterpret_cast<const char*>(&m)),
                           sizeof(m.*field)})),
         ...);
      },
      fields);
}

TEST(MissionFields, EveryPartOfTheMissionIsListedForUndo) {
  // Built over bytes of a known value, twice: what no member writes keeps
  // that value. Volatile, so that the fill is not dropped as dead before the
  // constructor runs.
  for (const unsigned char fill : {0xA5, 0x5A}) {
    alignas(TMission) unsigned char storage[sizeof(TMission)];
    volatile unsigned char* bytes = storage;
    for (size_t b = 0; b < sizeof storage; ++b)
      bytes[b] = fill;
    auto* m = new (storage) TMission;
    std::vector<TMemberSpan> spans;
    AddSpans(*m, MissionSettingsFields, spans);
    AddSpans(*m, MissionDiffedFields, spans);
    AddSpans(*m, MissionUnrecordedFields, spans);
    std::sort(spans.begin(), spans.end(),
              [](const TMemberSpan& a, const TMemberSpan& b) { return a.Offset < b.Offset; });
    std::vector<bool> listed(sizeof(TMission), false);
    for (size_t i = 0; i < spans.size(); ++i) {
      if (i > 0) {
        EXPECT_GE(spans[i].Offset, spans[i - 1].Offset + spans[i - 1].Size) << "a member listed twice";
      }
      for (size_t b = spans[i].Offset; b < spans[i].Offset + spans[i].Size; ++b)
        listed[b] = true;
    }
    // A member no list names lies in what is left, and its initial value
    // is written there.
    for (size_t b = 0; b < sizeof(TMission); ++b)
      if (!listed[b]) {
        EXPECT_EQ(bytes[b], fill) << "byte " << b << " of the mission belongs to no listed member";
      }
    m->~TMission();
  }
}

}  // namespace
}  // namespace vh
