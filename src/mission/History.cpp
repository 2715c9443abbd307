#include "mission/History.h"

#include <algorithm>
#include <cstring>
#include <type_traits>
#include <utility>

#include "base/Errors.h"
#include "mission/DFLayers.h"
#include "mission/MissionFields.h"

namespace vh {

namespace {

// Heap bytes a recorded value holds beyond its own size.
size_t HeapBytes(const TMissionCell&) {
  return 0;
}
size_t HeapBytes(const TDFCell&) {
  return 0;
}
size_t HeapBytes(const ByteStream& s) {
  return s.capacity();
}
size_t HeapBytes(const std::string& s) {
  return s.capacity() > 15 ? s.capacity() + 1 : 0;
}
size_t HeapBytes(const std::optional<TArrShop>& s) {
  return s ? HeapBytes(s->Name) : 0;
}
size_t HeapBytes(const std::optional<TVehContentRec>&) {
  return 0;
}
size_t HeapBytes(const std::optional<TAIPointRec>&) {
  return 0;
}

// Values of one kind of record that a step changed, by key.
template <class K, class V> struct TChanges {
  std::vector<K> Keys;
  std::vector<V> Before, After;

  bool Empty() const { return Keys.empty(); }
  void Add(K key, const V& before, const V& after) {
    Keys.push_back(key);
    Before.push_back(before);
    After.push_back(after);
  }
  // `later` happened right after this: the result goes from this one's
  // before to the later after, and keys that came back drop out.
  void Merge(const TChanges& later) {
    for (size_t j = 0; j < later.Keys.size(); ++j) {
      auto it = std::find(Keys.begin(), Keys.end(), later.Keys[j]);
      if (it == Keys.end())
        Add(later.Keys[j], later.Before[j], later.After[j]);
      else
        After[static_cast<size_t>(it - Keys.begin())] = later.After[j];
    }
    for (size_t i = Keys.size(); i-- > 0;)
      if (Before[i] == After[i]) {
        Keys.erase(Keys.begin() + static_cast<std::ptrdiff_t>(i));
        Before.erase(Before.begin() + static_cast<std::ptrdiff_t>(i));
        After.erase(After.begin() + static_cast<std::ptrdiff_t>(i));
      }
  }
  void Shrink() {
    Keys.shrink_to_fit();
    Before.shrink_to_fit();
    After.shrink_to_fit();
  }
  size_t Bytes() const {
    size_t n = Keys.capacity() * sizeof(K) + (Before.capacity() + After.capacity()) * sizeof(V);
    for (const V& v : Before)
      n += HeapBytes(v);
    for (const V& v : After)
      n += HeapBytes(v);
    return n;
  }
};

template <class T> struct TSlotChanges {
  TChanges<uint16_t, std::optional<T>> Slots;
  uint32_t SizeBefore = 0, SizeAfter = 0;

  bool Empty() const { return Slots.Empty() && SizeBefore == SizeAfter; }
  void Merge(const TSlotChanges& later) {
    if (Empty())
      SizeBefore = later.SizeBefore;
    Slots.Merge(later.Slots);
    SizeAfter = later.SizeAfter;
  }
};

size_t HeapBytes(const TPlayers& players) {
  size_t n = 0;
  for (const TPlayerInfo& p : players)
    n += HeapBytes(p.Name);
  return n;
}
template <class T> size_t HeapBytes(const T&) {
  return 0;
}

size_t SettingsBytes(const TMissionSettings& s) {
  return sizeof s + std::apply([](const auto&... value) { return (HeapBytes(value) + ...); }, s);
}

template <class T>
void DiffSlots(const TSlotList<T>& before, const TSlotList<T>& after, TSlotChanges<T>& out) {
  static const std::optional<T> none;
  const size_t nb = before.size(), na = after.size(), common = std::min(nb, na);
  out.SizeBefore = static_cast<uint32_t>(nb);
  out.SizeAfter = static_cast<uint32_t>(na);
  const std::optional<T>* b = before.data();
  const std::optional<T>* a = after.data();
  for (size_t i = 0; i < common; ++i)
    if (!(b[i] == a[i]))
      out.Slots.Add(static_cast<uint16_t>(i), b[i], a[i]);
  for (size_t i = common; i < nb; ++i)
    out.Slots.Add(static_cast<uint16_t>(i), b[i], none);
  for (size_t i = common; i < na; ++i)
    out.Slots.Add(static_cast<uint16_t>(i), none, a[i]);
}

template <class T> bool ApplySlots(TSlotList<T>& list, const TSlotChanges<T>& c, bool forward) {
  if (c.Empty())
    return false;
  list.resize(forward ? c.SizeAfter : c.SizeBefore);
  const auto& values = forward ? c.Slots.After : c.Slots.Before;
  for (size_t i = 0; i < c.Slots.Keys.size(); ++i)
    if (c.Slots.Keys[i] < list.size())
      list[c.Slots.Keys[i]] = values[i];
  return true;
}

}  // namespace

struct TStep {
  std::string Name, MergeKey;
  TChanges<uint16_t, TMissionCell> Cells;
  uint8_t DFLayer = 0;  // the change layer DFCells belong to
  TChanges<uint16_t, TDFCell> DFCells;
  TChanges<uint8_t, ByteStream> Layers;  // stored streams of layers not in the working grid
  TSlotChanges<TArrShop> Shops;
  TSlotChanges<TVehContentRec> Cargo;
  TSlotChanges<TAIPointRec> AIPoints;
  std::unique_ptr<std::pair<TMissionSettings, TMissionSettings>> Settings;

  bool Empty() const {
    return Cells.Empty() && DFCells.Empty() && Layers.Empty() && Shops.Empty() && Cargo.Empty() &&
           AIPoints.Empty() && !Settings;
  }

  bool CanMerge(const TStep& later) const {
    return DFCells.Empty() || later.DFCells.Empty() || DFLayer == later.DFLayer;
  }

  void Merge(TStep& later) {
    Cells.Merge(later.Cells);
    if (DFCells.Empty())
      DFLayer = later.DFLayer;
    DFCells.Merge(later.DFCells);
    Layers.Merge(later.Layers);
    Shops.Merge(later.Shops);
    Cargo.Merge(later.Cargo);
    AIPoints.Merge(later.AIPoints);
    if (later.Settings) {
      if (Settings)
        Settings->second = std::move(later.Settings->second);
      else
        Settings = std::move(later.Settings);
      if (Settings->first == Settings->second)
        Settings.reset();
    }
  }

  size_t Bytes() const {
    return sizeof(TStep) + HeapBytes(Name) + HeapBytes(MergeKey) + Cells.Bytes() + DFCells.Bytes() +
           Layers.Bytes() + Shops.Slots.Bytes() + Cargo.Slots.Bytes() + AIPoints.Slots.Bytes() +
           (Settings ? SettingsBytes(Settings->first) + SettingsBytes(Settings->second) : 0);
  }
};

namespace {

template <class Cell, size_t N>
void DiffGrid(const std::array<std::array<Cell, N>, N>& before,
              const std::array<std::array<Cell, N>, N>& after, TChanges<uint16_t, Cell>& out) {
  // The cell structs have no padding, so whole rows compare as bytes.
  static_assert(std::has_unique_object_representations_v<Cell>);
  for (size_t y = 0; y < N; ++y) {
    if (std::memcmp(before[y].data(), after[y].data(), sizeof(before[y])) == 0)
      continue;
    for (size_t x = 0; x < N; ++x)
      if (!(before[y][x] == after[y][x]))
        out.Add(static_cast<uint16_t>(y * N + x), before[y][x], after[y][x]);
  }
}

// The difference from `before` to `after`, whose working grids hold the same layer.
void Diff(const TMission& before, const TMission& after, TStep& s) {
  DiffGrid(before.Cells, after.Cells, s.Cells);
  s.DFLayer = after.DFNr;
  DiffGrid(before.DFCells, after.DFCells, s.DFCells);
  // The stored stream of the working layer is rewritten from the grid
  // whenever it is read, so only the other layers' streams count.
  for (size_t l = 0; l < DFLayerCount; ++l)
    if (l != after.DFNr && before.DFLayers[l] != after.DFLayers[l])
      s.Layers.Add(static_cast<uint8_t>(l), before.DFLayers[l], after.DFLayers[l]);
  DiffSlots(before.Shops, after.Shops, s.Shops);
  DiffSlots(before.VehContents, after.VehContents, s.Cargo);
  DiffSlots(before.AIPoints, after.AIPoints, s.AIPoints);
  if (!SameSettings(before, after))
    s.Settings = std::make_unique<std::pair<TMissionSettings, TMissionSettings>>(SettingsOf(before),
                                                                                 SettingsOf(after));
  s.Cells.Shrink();
  s.DFCells.Shrink();
}

void NoteCell(TStepEffect& e, uint16_t index) {
  e.Cells.push_back(index);
}

// Changes cells of a layer that is not in the working grid in its stored
// stream. The whole grid is written back, not only the map's present size:
// a map made smaller keeps the records beyond it, as the stream it came
// from did.
void EditStoredLayer(ByteStream& stream, const std::vector<uint16_t>& keys,
                     const std::vector<TDFCell>& cells) {
  auto grid = std::make_unique<TDFGrid>();
  for (auto& row : *grid)
    row.fill(NoChangeDFCell);
  for (size_t at = 0; at + 8 <= stream.size(); at += 8) {
    const uint16_t code = GetU16(stream, at);
    if (code / MaxMapSize >= MaxMapSize)
      continue;
    TDFCell& c = (*grid)[code / MaxMapSize][code % MaxMapSize];
    c.Terrain = GetI16(stream, at + 2);
    c.Obj = GetI16(stream, at + 4);
    c.Vehicle = stream[at + 6];
    c.VehOwner = MaskToSide(stream[at + 7]);
  }
  for (size_t i = 0; i < keys.size(); ++i)
    (*grid)[keys[i] / MaxMapSize][keys[i] % MaxMapSize] = cells[i];
  stream = DFRecordsOf(*grid, MaxMapSize, MaxMapSize);
}

// Brings `m` from one side of the step to the other.
void ApplyStep(TMission& m, const TStep& s, bool forward, TStepEffect& e) {
  if (s.Settings) {
    const TMissionSettings& to = forward ? s.Settings->second : s.Settings->first;
    const int32_t width = m.Width, height = m.Height;
    ApplySettings(m, to);
    e.SizeChanged = e.SizeChanged || width != m.Width || height != m.Height;
    e.Settings = true;
  }
  const auto& cells = forward ? s.Cells.After : s.Cells.Before;
  for (size_t i = 0; i < s.Cells.Keys.size(); ++i) {
    const uint16_t k = s.Cells.Keys[i];
    TMissionCell& c = m.Cells[k / MaxMapSize][k % MaxMapSize];
    if (c.Obj != cells[i].Obj)
      e.ObjectCells.push_back(k);
    c = cells[i];
    NoteCell(e, k);
  }
  e.Records = ApplySlots(m.Shops, s.Shops, forward) | e.Records;
  e.Records = ApplySlots(m.VehContents, s.Cargo, forward) | e.Records;
  e.Records = ApplySlots(m.AIPoints, s.AIPoints, forward) | e.Records;

  const auto& streams = forward ? s.Layers.After : s.Layers.Before;
  for (size_t i = 0; i < s.Layers.Keys.size(); ++i) {
    const uint8_t l = s.Layers.Keys[i];
    m.DFLayers[l] = streams[i];
    if (l == m.DFNr) {
      // The stream of the layer now in the working grid changed: reread it.
      const TDFGrid old = m.DFCells;
      m.LoadDFLayer(l);
      for (size_t k = 0; k < static_cast<size_t>(MaxMapSize * MaxMapSize); ++k)
        if (!(old[k / MaxMapSize][k % MaxMapSize] == m.DFCells[k / MaxMapSize][k % MaxMapSize]))
          NoteCell(e, static_cast<uint16_t>(k));
    } else {
      e.OtherLayers = true;
    }
  }

  if (!s.DFCells.Empty()) {
    const auto& df = forward ? s.DFCells.After : s.DFCells.Before;
    if (s.DFLayer == m.DFNr) {
      for (size_t i = 0; i < s.DFCells.Keys.size(); ++i) {
        const uint16_t k = s.DFCells.Keys[i];
        m.DFCells[k / MaxMapSize][k % MaxMapSize] = df[i];
        NoteCell(e, k);
      }
    } else {
      EditStoredLayer(m.DFLayers[s.DFLayer], s.DFCells.Keys, df);
      e.OtherLayers = true;
    }
  }
}

}  // namespace

TMissionHistory::TMissionHistory(TMission& mission, size_t limit)
    : mission_(mission), baseline_(mission), baselineCount_(mission.ChangeCount), limit_(limit) {}

TMissionHistory::~TMissionHistory() = default;

void TMissionHistory::Changed() {
  if (OnChanged)
    OnChanged();
}

void TMissionHistory::Reset() {
  steps_.clear();
  pos_ = 0;
  saved_ = 0;
  open_ = false;
  mergeOpen_ = false;
  baseline_ = mission_;
  baselineCount_ = mission_.ChangeCount;
  Changed();
}

void TMissionHistory::SetLimit(size_t limit) {
  limit_ = limit;
  while (limit_ != 0 && steps_.size() > limit_ && pos_ > 0) {
    steps_.pop_front();
    --pos_;
    if (saved_)
      saved_ = *saved_ == 0 ? std::nullopt : std::optional<size_t>(*saved_ - 1);
  }
  // Steps that can be redone go last, when even the undo side is full.
  while (limit_ != 0 && steps_.size() > limit_) {
    steps_.pop_back();
    if (saved_ && *saved_ > steps_.size())
      saved_.reset();
  }
  Changed();
}

void TMissionHistory::Begin(std::string name, std::string mergeKey) {
  if (open_ || mission_.ChangeCount != baselineCount_)
    End();
  open_ = true;
  openName_ = std::move(name);
  openKey_ = std::move(mergeKey);
}

bool TMissionHistory::Commit(std::string name, std::string mergeKey) {
  open_ = true;
  openName_ = std::move(name);
  openKey_ = std::move(mergeKey);
  return End();
}

bool TMissionHistory::End() {
  auto step = std::make_unique<TStep>();
  step->Name = open_ ? std::move(openName_) : std::string(VH_TRANSLATE_NOOP("History", "Edit"));
  step->MergeKey = open_ ? std::move(openKey_) : std::string();
  open_ = false;
  if (baseline_.DFNr != mission_.DFNr)
    baseline_.SelectDFLayer(mission_.DFNr);  // showing another layer is no edit
  Diff(baseline_, mission_, *step);
  baselineCount_ = mission_.ChangeCount;
  const bool keyed = !step->MergeKey.empty();
  if (step->Empty()) {
    if (!keyed)
      mergeOpen_ = false;
    return false;
  }
  TStepEffect ignored;
  ApplyStep(baseline_, *step, true, ignored);

  TStep* top = pos_ > 0 ? steps_[pos_ - 1].get() : nullptr;
  if (keyed && mergeOpen_ && top && pos_ == steps_.size() && saved_ != pos_ &&
      top->MergeKey == step->MergeKey && top->CanMerge(*step)) {
    top->Merge(*step);
    if (top->Empty()) {
      steps_.pop_back();
      --pos_;
      mergeOpen_ = false;
    }
    Changed();
    return true;
  }

  steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(pos_), steps_.end());
  if (saved_ && *saved_ > pos_)
    saved_.reset();
  steps_.push_back(std::move(step));
  ++pos_;
  mergeOpen_ = keyed;
  if (limit_ != 0 && steps_.size() > limit_)
    SetLimit(limit_);
  Changed();
  return true;
}

bool TMissionHistory::CanUndo() const {
  return pos_ > 0 || mission_.ChangeCount != baselineCount_ || open_;
}
bool TMissionHistory::CanRedo() const {
  return pos_ < steps_.size();
}

std::string TMissionHistory::UndoName() const {
  if (open_)
    return openName_;
  if (mission_.ChangeCount != baselineCount_)
    return VH_TRANSLATE_NOOP("History", "Edit");
  return pos_ > 0 ? steps_[pos_ - 1]->Name : std::string();
}

std::string TMissionHistory::RedoName() const {
  return CanRedo() ? steps_[pos_]->Name : std::string();
}

const std::string& TMissionHistory::StepName(size_t i) const {
  return steps_.at(i)->Name;
}

size_t TMissionHistory::StepCells(size_t i) const {
  const TStep& s = *steps_.at(i);
  // A shop, cargo or AI point only fills in an index of its cell: that is
  // no painted cell.
  size_t n = s.DFCells.Keys.size();
  for (size_t k = 0; k < s.Cells.Keys.size(); ++k) {
    const TMissionCell &a = s.Cells.Before[k], &b = s.Cells.After[k];
    if (a.Terrain != b.Terrain || a.Obj != b.Obj || a.Vehicle != b.Vehicle || a.VehOwner != b.VehOwner)
      ++n;
  }
  return n;
}

TStepEffect TMissionHistory::Apply(size_t index, bool forward, TStepEffect effect) {
  ApplyStep(mission_, *steps_[index], forward, effect);
  return effect;
}

TStepEffect TMissionHistory::Undo() {
  End();
  if (pos_ == 0)
    return {};
  return GoTo(pos_ - 1);
}

TStepEffect TMissionHistory::Redo() {
  End();
  if (pos_ >= steps_.size())
    return {};
  return GoTo(pos_ + 1);
}

TStepEffect TMissionHistory::GoTo(size_t position) {
  End();
  if (position > steps_.size())
    throw ERangeError(Message(VH_TRANSLATE_NOOP("Error", "History position %1 beyond its %2 steps"), position,
                              steps_.size()));
  TStepEffect effect;
  if (position == pos_)
    return effect;
  while (pos_ > position)
    effect = Apply(--pos_, false, std::move(effect));
  while (pos_ < position)
    effect = Apply(pos_++, true, std::move(effect));
  std::sort(effect.Cells.begin(), effect.Cells.end());
  effect.Cells.erase(std::unique(effect.Cells.begin(), effect.Cells.end()), effect.Cells.end());
  std::sort(effect.ObjectCells.begin(), effect.ObjectCells.end());
  effect.ObjectCells.erase(std::unique(effect.ObjectCells.begin(), effect.ObjectCells.end()),
                           effect.ObjectCells.end());
  mission_.NoteChange();
  baseline_ = mission_;
  baselineCount_ = mission_.ChangeCount;
  mergeOpen_ = false;
  Changed();
  return effect;
}

void TMissionHistory::MarkSaved() {
  open_ = false;
  // A save rewrites derived values (shop positions, the working layer's
  // stream); they are no step of their own.
  baseline_ = mission_;
  baselineCount_ = mission_.ChangeCount;
  saved_ = pos_;
  mergeOpen_ = false;
  Changed();
}

void TMissionHistory::MarkUnsaved() {
  saved_.reset();
  Changed();
}

bool TMissionHistory::IsModified() const {
  return saved_ != pos_ || mission_.ChangeCount != baselineCount_;
}

size_t TMissionHistory::MemoryUse() const {
  size_t n = sizeof(*this);
  for (const auto& s : steps_)
    n += s->Bytes() + sizeof(s);
  return n;
}

}  // namespace vh
