// Texts the shop names file cannot hold: the rules that refuse a save, and a
// property over random texts that no text without a fault reads back
// differently and no text with one reads back the same.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

#include "base/Errors.h"
#include "base/FileUtil.h"
#include "mission/MissionFile.h"
#include "mission/ShopNames.h"
#include "support/TempDir.h"

namespace vh {
namespace {

TNamesFault Fault(TNamesText text, int index, TNamesFaultKind kind, char c = 0) {
  return {text, index, kind, c};
}

TMission Named() {
  TMission m;
  m.SetSize({4, 4});
  m.NewShop({0, 0});
  m.NewShop({1, 0});
  m.GetShop(0)->Name = "Fort";
  m.GetShop(1)->Name = "Mill";
  m.MissionText = "Intro";
  m.MissionName = "Name";
  m.SaveNames = true;
  for (int side = 0; side < SideCount; ++side)
    m.Players[side] = {"Side" + std::to_string(side), static_cast<uint8_t>(side)};
  return m;
}

TEST(NamesFaults, EachRuleNamesItsTextAndReason) {
  EXPECT_TRUE(FindNamesFaults(Named()).empty());

  TMission m = Named();
  m.Players[0].Name = "A|B";
  EXPECT_EQ(FindNamesFaults(m), (std::vector{Fault(TNamesText::PlayerName, 0, TNamesFaultKind::Bar, '|')}));
  EXPECT_EQ(NamesFaultText(FindNamesFaults(m)[0]),
            "the name of Player 1 holds \"|\", which separates the player list");

  m = Named();
  m.MissionText = "a|b";                     // would start the player list
  m.Players[6].Name = std::string(17, 'x');  // a load keeps 16
  m.Players[2].Name = "two\nlines";
  m.MissionName = std::string("cut\0here", 8);  // the reader stops at the first zero byte
  m.GetShop(1)->Name = "\x84quote";             // DOS a-umlaut as a code page 1252 quote
  EXPECT_EQ(FindNamesFaults(m),
            (std::vector{Fault(TNamesText::MissionText, 0, TNamesFaultKind::Bar, '|'),
                         Fault(TNamesText::PlayerName, 2, TNamesFaultKind::LineBreak),
                         Fault(TNamesText::PlayerName, 6, TNamesFaultKind::TooLong),
                         Fault(TNamesText::MissionName, 0, TNamesFaultKind::ZeroByte),
                         Fault(TNamesText::ShopName, 1, TNamesFaultKind::DosLetter, '\x84')}));
  EXPECT_EQ(NamesFaultText(FindNamesFaults(m)[4]),
            "the name of the shop in slot 1 holds \"\x84\", which would read back as \"\xE4\"");
  EXPECT_EQ(NamesFaultText(FindNamesFaults(m)[2]), "the name of Neutral is longer than 16 characters");

  // "|" is at home in shop names and the mission name; an unwritten player
  // list cannot break; the real umlauts travel as DOS bytes and come back.
  m = Named();
  m.GetShop(0)->Name = "a|b";
  m.MissionName = "x|y \xE4\xF6\xFC\xC4\xD6\xDC\xDF";
  EXPECT_TRUE(FindNamesFaults(m).empty());
  m.SaveNames = false;
  m.Players[0].Name = "A|B\r\n" + std::string(20, 'z');
  EXPECT_TRUE(FindNamesFaults(m).empty());
  m.GetShop(0)->Name = "\r";
  EXPECT_EQ(FindNamesFaults(m), (std::vector{Fault(TNamesText::ShopName, 0, TNamesFaultKind::LineBreak)}));
}

TEST(NamesFaults, ShopsPastFourDigitKeysAreOneFault) {
  TMission m;
  m.Shops.resize(9998, TArrShop{});
  EXPECT_TRUE(FindNamesFaults(m).empty());
  m.Shops.push_back(std::nullopt);  // empty slots take no key
  m.Shops.resize(10005, TArrShop{});
  EXPECT_EQ(FindNamesFaults(m),
            (std::vector{Fault(TNamesText::ShopName, 9999, TNamesFaultKind::TooManyShops)}));
}

// What the names file of `m` reads back as.
TMission ReadBack(const TMission& m) {
  const TShopNames table = ParseShopNames(ShopNamesFileBytes(m), "names.txt");
  TMission back;
  back.Players = m.Players;  // an unwritten list leaves the players as they were
  ApplyMissionText(back, LookupName(table, 0, NamesTypeMissionText));
  back.MissionName = LookupName(table, 1, NamesTypeMissionName);
  for (size_t slot = 0, number = 0; slot < m.Shops.size(); ++slot)
    if (m.Shops[slot]) {
      back.Shops.emplace_back(TArrShop{});
      back.Shops.back()->Name = LookupName(table, static_cast<int16_t>(number++ + 2), NamesTypeShop);
    } else {
      back.Shops.emplace_back();
    }
  return back;
}

TEST(NamesFaults, WithoutAFaultEveryTextReadsBackAndWithOneItDoesNot) {
  std::mt19937 rng(2028);
  auto pick = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  // Mostly letters, with the bytes that matter often enough to meet.
  const std::string special("|\r\n\0\x81\x84\x8E\x94\x99\x9A\xE4\xFC{}# \t:", 19);
  // One text in ten draws from every byte, so that whole missions without a
  // fault come up as often as missions with one.
  auto text = [&](int maxLength) {
    std::string s(static_cast<size_t>(pick(0, maxLength)), ' ');
    const bool plain = pick(0, 9) != 0;
    for (char& c : s) {
      const int kind = plain ? 9 : pick(0, 9);
      c = kind == 0   ? special[static_cast<size_t>(pick(0, static_cast<int>(special.size()) - 1))]
          : kind == 1 ? static_cast<char>(pick(1, 255))
                      : static_cast<char>(pick('a', 'z'));
    }
    return s;
  };
  int clean = 0, faulty = 0;
  for (int round = 0; round < 4000; ++round) {
    TMission m;
    m.MissionText = text(12);
    m.MissionName = text(12);
    m.SaveNames = pick(0, 3) != 0;
    for (TPlayerInfo& p : m.Players)
      p = {text(18), static_cast<uint8_t>(pick(0, 255))};
    for (int s = pick(0, 4); s > 0; --s) {
      m.Shops.emplace_back(TArrShop{});
      m.Shops.back()->Name = text(12);
      if (pick(0, 4) == 0)
        m.Shops.emplace_back();
    }
    const std::vector<TNamesFault> faults = FindNamesFaults(m);
    const TMission back = ReadBack(m);
    const bool same = back.MissionText == m.MissionText && back.MissionName == m.MissionName &&
                      back.SaveNames == m.SaveNames && (!m.SaveNames || back.Players == m.Players) && [&] {
                        for (size_t i = 0; i < m.Shops.size(); ++i)
                          if (m.Shops[i] && m.Shops[i]->Name != back.Shops[i]->Name)
                            return false;
                        return true;
                      }();
    ASSERT_EQ(faults.empty(), same) << "round " << round << ": "
                                    << (faults.empty() ? "no fault found" : NamesFaultText(faults[0]));
    ++(same ? clean : faulty);
  }
  // Both sides of the property were met often.
  EXPECT_GT(clean, 500);
  EXPECT_GT(faulty, 500);
}

TEST(NamesFaults, ASaveIsRefusedBeforeAnythingChanges) {
  test::TempDir dir;
  TMission m = Named();
  m.SaveAs(dir.File("m.dat"));
  const ByteStream mission = ReadWholeFile(dir.File("m.dat")), names = ReadWholeFile(dir.File("m.txt"));
  m.Players[0].Name = "A|B";
  m.Cells[3][3].Terrain = 5;
  const TMission before = m;
  try {
    m.SaveToFile();
    FAIL() << "saved";
  } catch (const EVhError& e) {
    EXPECT_EQ(std::string(e.what()),
              "Cannot save \"" + dir.File("m.dat") +
                  "\": the name of Player 1 holds \"|\", which separates the player list; the shop names "
                  "file would read back otherwise");
  }
  EXPECT_EQ(ReadWholeFile(dir.File("m.dat")), mission);
  EXPECT_EQ(ReadWholeFile(dir.File("m.txt")), names);
  EXPECT_EQ(m.Players, before.Players);
  EXPECT_EQ(m.FileName, before.FileName);
  EXPECT_EQ(m.Cells, before.Cells);

  EXPECT_THROW(m.SaveAs(dir.File("other.dat")), EVhError);
  EXPECT_EQ(m.FileName, dir.File("m.dat"));
  EXPECT_FALSE(std::filesystem::exists(dir.File("other.dat")));
  EXPECT_FALSE(std::filesystem::exists(dir.File("other.txt")));
}

}  // namespace
}  // namespace vh
