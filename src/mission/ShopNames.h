#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "base/ByteIO.h"
#include "mission/Mission.h"
#include "mission/StdData.h"

namespace vh {

// One entry "#KKKK:TTTT{text}" of a shop names file, text in code page 1252.
struct TShopNameItem {
  int16_t Key = 0;
  int16_t Type = 0;
  std::string Text;
  friend bool operator==(const TShopNameItem&, const TShopNameItem&) = default;
};
using TShopNames = std::vector<TShopNameItem>;

constexpr int16_t NamesTypeMissionText = 0;   // key 0
constexpr int16_t NamesTypeMissionName = 24;  // key 1
constexpr int16_t NamesTypeShop = 16;         // key shop number + 2
constexpr size_t MaxPlayerNameLength = 16;
// Names files hold a few kilobytes; anything this large is not one.
constexpr size_t MaxShopNamesFileSize = 16u << 20;

// Where a mission's shop names lie: beside it, or in the game's text
// directory when the mission lies in a directory named MIS (any case).
std::string NamesPathFor(const std::string& missionPath, const std::string& txtDir = TxtFilesDir);

// Parses the bytes of a whole names file, decoding it first when it starts
// with "TPWM". `source` names the file in error messages. Lines that are not
// entries are skipped; when `skippedLines` is given it receives the numbers
// (from 1) of those that are not blank either.
TShopNames ParseShopNames(std::span<const uint8_t> file, const std::string& source,
                          std::vector<int>* skippedLines = nullptr);
TShopNames ReadShopNames(const std::string& path, std::vector<int>* skippedLines = nullptr);

std::string LookupName(const TShopNames& table, int16_t key, int16_t type);

// Entry 0/0: the mission text, optionally followed by the player list
// "|name|colour" x 7. Sets MissionText, SaveNames and (with a list) Players.
void ApplyMissionText(TMission& m, const std::string& text);
std::string BuildMissionText(const TMission& m);

// The complete names file as the editor writes it (DOS code page, CR LF).
ByteStream ShopNamesFileBytes(const TMission& m);
void WriteShopNames(const TMission& m);

} // namespace vh
