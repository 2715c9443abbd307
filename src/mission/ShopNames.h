#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
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
// Names keys have four digits: shop number n has key n + 2.
constexpr size_t MaxNamedShops = 9999 - 2 + 1;
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

// Why a text would not read back from the names file as it was written.
enum class TNamesFaultKind {
  LineBreak,     // CR or LF: the file holds one entry per line
  ZeroByte,      // the reader stops at the first zero byte
  Bar,           // "|" separates the mission text and the player list
  TooLong,       // a player name above MaxPlayerNameLength; a load cuts it
  DosLetter,     // a code page 1252 byte the file's DOS umlauts would turn into a letter
  TooManyShops,  // the names keys have four digits
};
// The texts of a names file.
enum class TNamesText { MissionText, MissionName, PlayerName, ShopName };

struct TNamesFault {
  TNamesText Text{};
  int Index = 0;  // the side of a player name, the slot of a shop name
  TNamesFaultKind Kind{};
  char Char = 0;  // the byte at fault for Bar and DosLetter
  friend bool operator==(const TNamesFault&, const TNamesFault&) = default;
};

// The first reason why `text` in the role `role` would read back differently.
std::optional<TNamesFault> NamesTextFault(std::string_view text, TNamesText role);
// Every text the names file of `m` would read back differently, in file
// order; player names only while SaveNames (otherwise they are not written).
// Without a fault a save and a load give the same texts, players and names.
std::vector<TNamesFault> FindNamesFaults(const TMission& m);
// "the name of Player 2 holds \"|\", ..." and the like, in code page 1252;
// the reason alone is "holds \"|\", ...".
std::string NamesFaultText(const TNamesFault& fault);
std::string NamesFaultReason(const TNamesFault& fault);
// The code page 1252 letter a DOS umlaut byte reads back as.
char DosLetterReadBack(char c);

// The complete names file as the editor writes it (DOS code page, CR LF).
ByteStream ShopNamesFileBytes(const TMission& m);
// Raises an EVhError naming the first fault of FindNamesFaults, if any, so
// that no save writes names that read back differently.
void CheckNamesFaults(const TMission& m);
void WriteShopNames(const TMission& m);

}  // namespace vh
