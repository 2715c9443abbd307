#include "mission/ShopNames.h"

#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string_view>

#include "base/CodePage.h"
#include "base/Errors.h"
#include "base/FileUtil.h"
#include "base/Platform.h"
#include "mission/TPWM.h"

namespace vh {

namespace {

char LowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// A whole decimal integer with an optional sign, nothing else.
bool ParseWholeInt(std::string_view s, long& value) {
  if (!s.empty() && s.front() == '+')
    s.remove_prefix(1);
  if (s.empty())
    return false;
  const char* end = s.data() + s.size();
  auto [ptr, ec] = std::from_chars(s.data(), end, value);
  return ec == std::errc() && ptr == end;
}

std::string_view TrimControl(std::string_view s) {
  while (!s.empty() && static_cast<uint8_t>(s.front()) <= 32)
    s.remove_prefix(1);
  while (!s.empty() && static_cast<uint8_t>(s.back()) <= 32)
    s.remove_suffix(1);
  return s;
}

// Characters 1..11 are "#KKKK:TTTT{", the last one is "}".
bool ParseEntry(std::string_view line, TShopNameItem& item) {
  line = TrimControl(line);
  if (line.size() < 12 || line[0] != '#' || line[5] != ':' || line[10] != '{' || line.back() != '}')
    return false;
  long key = 0, type = 0;
  if (!ParseWholeInt(line.substr(1, 4), key) || !ParseWholeInt(line.substr(6, 4), type))
    return false;
  item.Key = static_cast<int16_t>(key);
  item.Type = static_cast<int16_t>(type);
  item.Text = DosToWin(std::string(line.substr(11, line.size() - 12)));
  return true;
}

}  // namespace

std::string NamesPathFor(const std::string& missionPath, const std::string& txtDir) {
  size_t sep = missionPath.find_last_of("/\\");
  std::string dir = sep == std::string::npos ? std::string() : missionPath.substr(0, sep + 1);
  std::string name = sep == std::string::npos ? missionPath : missionPath.substr(sep + 1);
  size_t dot = name.find_last_of('.');
  name = (dot == std::string::npos ? name : name.substr(0, dot)) + ".txt";
  if (dir.size() >= 5) {
    std::string_view tail(dir.data() + dir.size() - 5, 5);
    if (IsPathSep(tail[0]) && LowerAscii(tail[1]) == 'm' && LowerAscii(tail[2]) == 'i' &&
        LowerAscii(tail[3]) == 's' && IsPathSep(tail[4]))
      return dir.substr(0, dir.size() - 4) + txtDir + dir.back() + name;
  }
  return dir + name;
}

TShopNames ParseShopNames(std::span<const uint8_t> file, const std::string& source,
                          std::vector<int>* skippedLines) {
  if (file.size() < 4)
    throw EReadError(Message(
        VH_TRANSLATE_NOOP("Error", "Read error in shop name file %1: it is shorter than 4 bytes"), source));
  ByteStream decoded;
  if (std::equal(file.begin(), file.begin() + 4, TPWMMagic)) {
    decoded = DecompressTPWM(file.subspan(4), "shop name file " + source);
    file = decoded;
  }
  std::string_view text(reinterpret_cast<const char*>(file.data()), file.size());
  text = text.substr(0, text.find('\0'));
  TShopNames table;
  size_t at = 0;
  int lineNr = 0;
  while (at < text.size()) {
    size_t end = text.find_first_of("\r\n", at);
    if (end == std::string_view::npos)
      end = text.size();
    ++lineNr;
    TShopNameItem item;
    std::string_view line = text.substr(at, end - at);
    if (ParseEntry(line, item))
      table.push_back(std::move(item));
    else if (skippedLines && !TrimControl(line).empty())
      skippedLines->push_back(lineNr);
    at = end;
    if (at < text.size() && text[at] == '\r')
      ++at;
    if (at < text.size() && text[at] == '\n')
      ++at;
  }
  return table;
}

TShopNames ReadShopNames(const std::string& path, std::vector<int>* skippedLines) {
  std::ifstream in(PathOf(path), std::ios::binary);
  if (!in)
    throw EInOutError(Message(VH_TRANSLATE_NOOP("Error", "Cannot open shop name file \"%1\": %2"), path,
                              std::strerror(errno)));
  ByteStream data;
  char block[4096];
  while (in.read(block, sizeof block) || in.gcount() > 0) {
    data.insert(data.end(), block, block + in.gcount());
    if (data.size() > MaxShopNamesFileSize)
      throw EInOutError(Message(VH_TRANSLATE_NOOP("Error", "Shop name file \"%1\" is too large"), path));
  }
  if (in.bad())
    throw EInOutError(Message(VH_TRANSLATE_NOOP("Error", "Error processing shop name file \"%1\""), path));
  return ParseShopNames(data, path, skippedLines);
}

std::string LookupName(const TShopNames& table, int16_t key, int16_t type) {
  for (const TShopNameItem& item : table)
    if (item.Key == key && item.Type == type)
      return item.Text;
  return {};
}

void ApplyMissionText(TMission& m, const std::string& text) {
  size_t bar = text.find('|');
  if (text.empty() || bar == std::string::npos) {
    m.SaveNames = false;
    m.MissionText = text;
    return;
  }
  m.SaveNames = true;
  m.MissionText = text.substr(0, bar);
  std::string_view rest(text);
  rest.remove_prefix(bar + 1);
  auto nextPiece = [&rest]() {
    size_t end = rest.find('|');
    std::string_view piece = rest.substr(0, end);
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    return piece;
  };
  for (TPlayerInfo& player : m.Players) {
    player.Name = std::string(nextPiece().substr(0, MaxPlayerNameLength));
    long colour = 0;
    std::string_view piece = nextPiece();
    player.Color =
        ParseWholeInt(piece, colour) && colour >= 0 && colour <= 255 ? static_cast<uint8_t>(colour) : 0;
  }
}

std::string BuildMissionText(const TMission& m) {
  std::string t = m.MissionText;
  if (m.SaveNames) {
    for (size_t i = 0; i < m.Players.size(); ++i)
      t += "|" + m.Players[i].Name + "|" + std::to_string(m.Players[i].Color);
  }
  return t;
}

ByteStream ShopNamesFileBytes(const TMission& m) {
  std::string text = "\r\n";
  auto line = [&text](std::string s) { text += WinToDos(std::move(s)) + "\r\n"; };
  line("#0000:0000{" + BuildMissionText(m) + "}");
  line("#0001:0024{" + m.MissionName + "}");
  int j = 0;
  for (const auto& shop : m.Shops) {
    if (!shop)
      continue;
    char key[16];
    std::snprintf(key, sizeof key, "#%04d", j + 2);
    line(key + std::string(":0016{") + shop->Name + "}");
    ++j;
  }
  return ByteStream(text.begin(), text.end());
}

namespace {

// DOS umlaut bytes that DosToWin turns into letters; as code page 1252 bytes
// of a text they would come back as those letters.
bool IsDosLetter(char c) {
  return DosToWin(std::string(1, c))[0] != c;
}

}  // namespace

char DosLetterReadBack(char c) {
  return DosToWin(std::string(1, c))[0];
}

std::optional<TNamesFault> NamesTextFault(std::string_view text, TNamesText role) {
  TNamesFault fault{role, 0, {}, 0};
  auto with = [&fault](TNamesFaultKind kind, char c = 0) {
    fault.Kind = kind;
    fault.Char = c;
    return std::optional<TNamesFault>(fault);
  };
  for (char c : text) {
    if (c == '\r' || c == '\n')
      return with(TNamesFaultKind::LineBreak);
    if (c == '\0')
      return with(TNamesFaultKind::ZeroByte);
    if (c == '|' && (role == TNamesText::MissionText || role == TNamesText::PlayerName))
      return with(TNamesFaultKind::Bar, c);
    if (IsDosLetter(c))
      return with(TNamesFaultKind::DosLetter, c);
  }
  if (role == TNamesText::PlayerName && text.size() > MaxPlayerNameLength)
    return with(TNamesFaultKind::TooLong);
  return std::nullopt;
}

std::vector<TNamesFault> FindNamesFaults(const TMission& m) {
  std::vector<TNamesFault> faults;
  auto add = [&faults](std::string_view text, TNamesText role, int index) {
    if (auto fault = NamesTextFault(text, role)) {
      fault->Index = index;
      faults.push_back(*fault);
    }
  };
  add(m.MissionText, TNamesText::MissionText, 0);
  if (m.SaveNames)
    for (int side = 0; side < SideCount; ++side)
      add(m.Players[side].Name, TNamesText::PlayerName, side);
  add(m.MissionName, TNamesText::MissionName, 0);
  size_t number = 0;
  for (size_t slot = 0; slot < m.Shops.size(); ++slot) {
    if (!m.Shops[slot])
      continue;
    if (++number > MaxNamedShops) {
      faults.push_back({TNamesText::ShopName, static_cast<int>(slot), TNamesFaultKind::TooManyShops, 0});
      break;
    }
    add(m.Shops[slot]->Name, TNamesText::ShopName, static_cast<int>(slot));
  }
  return faults;
}

std::string NamesFaultReason(const TNamesFault& fault) {
  switch (fault.Kind) {
  case TNamesFaultKind::LineBreak:
    return "holds a line break";
  case TNamesFaultKind::ZeroByte:
    return "holds a zero byte";
  case TNamesFaultKind::Bar:
    return "holds \"|\", which separates the player list";
  case TNamesFaultKind::TooLong:
    return "is longer than " + std::to_string(MaxPlayerNameLength) + " characters";
  case TNamesFaultKind::DosLetter:
    return "holds \"" + std::string(1, fault.Char) + "\", which would read back as \"" +
           std::string(1, DosLetterReadBack(fault.Char)) + "\"";
  case TNamesFaultKind::TooManyShops:
    return "is past the " + std::to_string(MaxNamedShops) + " shops whose names the file can number";
  }
  return {};
}

std::string NamesFaultText(const TNamesFault& fault) {
  switch (fault.Text) {
  case TNamesText::MissionText:
    return "the mission text " + NamesFaultReason(fault);
  case TNamesText::MissionName:
    return "the mission name " + NamesFaultReason(fault);
  case TNamesText::PlayerName:
    return "the name of " +
           (fault.Index == NeutralSide ? std::string("Neutral")
                                       : "Player " + std::to_string(fault.Index + 1)) +
           " " + NamesFaultReason(fault);
  case TNamesText::ShopName:
    return (fault.Kind == TNamesFaultKind::TooManyShops ? "the shop in slot "
                                                        : "the name of the shop in slot ") +
           std::to_string(fault.Index) + " " + NamesFaultReason(fault);
  }
  return NamesFaultReason(fault);
}

void CheckNamesFaults(const TMission& m) {
  const std::vector<TNamesFault> faults = FindNamesFaults(m);
  if (!faults.empty())
    throw EVhError(Message(
        VH_TRANSLATE_NOOP("Error", "Cannot save \"%1\": %2; the shop names file would read back otherwise"),
        (m.FileName.empty() ? m.NamesFileName : m.FileName), NamesFaultText(faults.front())));
}

void WriteShopNames(const TMission& m) {
  CheckNamesFaults(m);
  WriteWholeFile(m.NamesFileName, ShopNamesFileBytes(m));
}

}  // namespace vh
