#pragma once

#include <string>
#include <vector>

#include "mission/Mission.h"

namespace vh {

// What the mission check finds. Errors are missions that cannot be saved as
// they are or whose file would not read back the same; warnings are things a
// designer most likely did not mean.
enum class TCheckKind {
  LoadAnomaly,          // tolerated while the file was read
  NamesFileLine,        // a line of the shop names file that is not an entry
  NoTerrain,            // a cell inside the map without terrain
  CoastWithoutPicture,  // water or coast beside land that no coast picture fits
  ShopWithoutObject,    // a shop on a cell without an object
  ShopWithoutCell,      // a shop record no cell holds
  DuplicateShopName,    // shops that share one name
  CargoWithoutCell,     // a cargo record no cell uses
  CargoWithoutUnit,     // cargo on a cell without a unit
  AIPointWithoutCell,   // an AI point record no cell uses
  AIPointWithoutUnit,   // an AI point on a cell without a unit
  BrokenReference,      // a cell naming an empty slot, or a slot named twice
  UnitOwner,            // a unit that belongs to none of the sides
  ShopOwner,            // a shop that belongs to none of the sides
  PlayerNameLength,     // a written player name longer than a load keeps
  ChangeOutsideMap,     // a change-layer cell outside the map size
  FileLimits,           // more than the mission file or the names file can hold
};
constexpr int CheckKindCount = static_cast<int>(TCheckKind::FileLimits) + 1;

enum class TSeverity { Warning, Error };

TSeverity CheckKindSeverity(TCheckKind kind);
// A stable identifier for machine output ("no-terrain", ...).
const char* CheckKindId(TCheckKind kind);
// One sentence that describes every place of the kind.
const char* CheckKindSentence(TCheckKind kind);

// One place where a problem shows: a cell, a line of the names file, or
// neither (a player, a record that lies nowhere). `Detail` (code page 1252)
// tells places of one kind apart where the cell alone does not.
struct TProblemPlace {
  TPoint Cell{-1, -1};
  int Line = 0;  // line of the shop names file, from 1; 0 for none
  std::string Detail;
  bool HasCell() const { return Cell.x >= 0 && Cell.y >= 0; }
  friend bool operator==(const TProblemPlace&, const TProblemPlace&) = default;
};

// All places of one kind, in row order of their cells where they have one.
struct TProblem {
  TCheckKind Kind{};
  std::vector<TProblemPlace> Places;
  TSeverity Severity() const { return CheckKindSeverity(Kind); }
};

struct TCheckReport {
  // Errors first, then warnings, each in TCheckKind order; kinds without
  // places are left out.
  std::vector<TProblem> Problems;
  int Errors() const;  // places of error kinds
  int Warnings() const;
  const TProblem* Find(TCheckKind kind) const;
};

// Checks the model as it stands, with the change layer DFNr taken from the
// working grid. Reads nothing from disk.
TCheckReport CheckMission(const TMission& m);

}  // namespace vh
