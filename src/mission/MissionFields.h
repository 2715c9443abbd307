#pragma once

#include <tuple>

#include "mission/Mission.h"

// Every data member of TMission, by how the undo history treats it. A member
// added to the mission must be listed here: a test lays the members out and
// fails on any part of the mission no list names.

namespace vh {

// Recorded whole, before and after, when any of them differs: what only the
// settings, a new size or the map records change.
inline constexpr auto MissionSettingsFields =
    std::make_tuple(&TMission::MissHeader, &TMission::Width, &TMission::Height, &TMission::MissUsage,
                    &TMission::MissionText, &TMission::MissionName, &TMission::SaveNames, &TMission::StdProd,
                    &TMission::CompPlayers, &TMission::Allies, &TMission::MissByte15, &TMission::StartWeather,
                    &TMission::Players, &TMission::NextMission, &TMission::MapRecords);

// Recorded by the history cell by cell, record by record or layer by layer.
inline constexpr auto MissionDiffedFields =
    std::make_tuple(&TMission::Cells, &TMission::DFCells, &TMission::DFNr, &TMission::DFLayers,
                    &TMission::Shops, &TMission::VehContents, &TMission::AIPoints);

// Not part of any step: where the mission lives, what loading it tolerated,
// and the bookkeeping of edits.
inline constexpr auto MissionUnrecordedFields =
    std::make_tuple(&TMission::FileName, &TMission::NamesFileName, &TMission::LoadAnomalies,
                    &TMission::NamesFileSkippedLines, &TMission::ChangeCount, &TMission::Blank);

// The settings' values, one of each field's type.
template <class Tuple> struct TFieldValuesOf;
template <class... Members> struct TFieldValuesOf<std::tuple<Members TMission::*...>> {
  using Type = std::tuple<Members...>;
};
using TMissionSettings = TFieldValuesOf<std::remove_const_t<decltype(MissionSettingsFields)>>::Type;

inline TMissionSettings SettingsOf(const TMission& m) {
  return std::apply([&m](auto... field) { return TMissionSettings{m.*field...}; }, MissionSettingsFields);
}

inline void ApplySettings(TMission& m, const TMissionSettings& s) {
  std::apply([&](auto... field) { std::apply([&](const auto&... value) { ((m.*field = value), ...); }, s); },
             MissionSettingsFields);
}

// Compares in place, so that a step that leaves the settings alone copies nothing.
inline bool SameSettings(const TMission& a, const TMission& b) {
  return std::apply([&](auto... field) { return ((a.*field == b.*field) && ...); }, MissionSettingsFields);
}

}  // namespace vh
