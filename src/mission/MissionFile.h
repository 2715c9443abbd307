#pragma once

#include <span>
#include <string>

#include "base/ByteIO.h"
#include "mission/Mission.h"
#include "mission/ShopNames.h"

namespace vh {

constexpr size_t DirectorySize = 278;
constexpr size_t ShopRecordSize = 80;
constexpr size_t MapRecordSize = 40;
// No mission comes near this; it only keeps a wrong file from being read
// into memory whole.
constexpr size_t MaxMissionFileSize = 64u << 20;

// Fills a fresh mission from the bytes of a whole mission file and the names
// table of its shop names file. `source` names the file in messages. Used by
// LoadFromFile and directly by tests and the fuzzer.
void ParseMissionFile(TMission& m, std::span<const uint8_t> file, const TShopNames& names,
                      const std::string& source);

// The complete mission file as SaveToFile writes it. Updates what a save
// updates in the model: the shops' X and Y and the stored stream of the
// selected change layer.
ByteStream BuildMissionFile(TMission& m);

// The path of the mission's shop names file when the mission exists and that
// file does not, else empty.
std::string MissingNamesFile(const std::string& missionPath);

// Class and type words of a shop type in SHOP records; unknown types give 0.
uint16_t ShopClassWord(uint8_t shopType);
uint16_t ShopTypeWord(uint8_t shopType);

}  // namespace vh
