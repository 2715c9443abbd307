// The dump read back: every field goes both ways, and JSON the files could
// not hold is refused with the path of the field.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include <nlohmann/json.hpp>

#include "base/Errors.h"
#include "cli/MissionJson.h"
#include "mission/StdData.h"
#include "support/SavedBytes.h"

namespace vh {
namespace {

using nlohmann::json;

// A small mission using every kind of record, with names and players saved.
std::unique_ptr<TMission> Sample() {
  auto m = std::make_unique<TMission>();
  m->SetSize({3, 2});
  for (int x = 0; x < 3; ++x)
    m->Cells[0][x].Terrain = m->Cells[1][x].Terrain = static_cast<int16_t>(10 + x);
  m->Cells[0][1].Obj = 90;
  m->NewShop({1, 0});
  m->GetShop(0)->Name = "Fort Harrow";
  m->GetShop(0)->Produce = {3, -1, -1, -1};
  m->Cells[1][0] = {.Terrain = 4, .Vehicle = 7, .VehOwner = 1};
  m->NewVehContent({0, 1});
  m->GetVehContent(0)->Units[0] = 12;
  m->Cells[1][2] = {.Terrain = 4, .Vehicle = 9, .VehOwner = 0};
  m->NewAIPoint({2, 1});
  m->GetAIPoint(0)->AI1231 = 1;
  m->GetAIPoint(0)->AI4E = 500;
  m->SaveNames = true;
  for (int side = 0; side < SideCount; ++side)
    m->Players[side] = {"P" + std::to_string(side + 1), static_cast<uint8_t>(side)};
  m->MissionName = "Border";
  m->MissionText = "Intro";
  m->MapRecords = ByteStream(40, 0x5C);
  m->SelectDFLayer(2);
  m->DFCells[0][2] = {.Terrain = 33};
  m->SelectDFLayer(0);
  m->DFCells[1][1] = {.Obj = -1};
  return m;
}

std::string LoadError(const json& doc) {
  auto m = std::make_unique<TMission>();
  try {
    cli::MissionFromJson(doc.dump(), *m);
  } catch (const EVhError& e) {
    return e.what();
  }
  return "(loaded)";
}

TEST(MissionJson, TheDumpLoadsBackToTheSameFiles) {
  const auto m = Sample();
  const std::string dump = cli::MissionToJson(*m);
  const json doc = json::parse(dump);
  EXPECT_EQ(doc["schemaVersion"], 1);
  // Where the records stand, from the cells.
  EXPECT_EQ(doc["shops"][0]["x"], 1);
  EXPECT_EQ(doc["shops"][0]["y"], 0);
  EXPECT_EQ(doc["vehicleContents"][0], json::parse(R"({"x":0,"y":1,"units":[12,-1,-1,-1,-1,-1,-1,-1]})"));
  EXPECT_EQ(doc["aiPoints"][0],
            json::parse(R"({"x":2,"y":1,"ai1231":1,"ai0A":0,"ai48":0,"ai4A":0,"ai4E":500})"));

  auto back = std::make_unique<TMission>();
  cli::MissionFromJson(dump, *back);
  EXPECT_EQ(test::SavedBytes(*back), test::SavedBytes(*m));
  EXPECT_EQ(cli::MissionToJson(*back), dump);

  // Read-only fields may go.
  json bare = doc;
  bare.erase("file");
  bare.erase("namesFile");
  for (const char* key : {"nr", "typeName", "x", "y"})
    bare["shops"][0].erase(key);
  auto fromBare = std::make_unique<TMission>();
  cli::MissionFromJson(bare.dump(), *fromBare);
  EXPECT_EQ(test::SavedBytes(*fromBare), test::SavedBytes(*m));

  // A record no cell names has no place.
  m->Cells[1][2].AIPoint = -1;
  EXPECT_EQ(json::parse(cli::MissionToJson(*m))["aiPoints"][0]["x"], nullptr);
}

TEST(MissionJson, WhatTheFilesCannotHoldIsRefusedNamingTheField) {
  const json good = json::parse(cli::MissionToJson(*Sample()));
  ASSERT_EQ(LoadError(good), "(loaded)");
  const std::vector<std::pair<std::function<void(json&)>, std::string>> cases{
      {[](json& d) { d["players"][0]["name"] = "A|B"; },
       "players[0].name: the shop names file cannot hold it: it holds \"|\", which separates the player "
       "list"},
      {[](json& d) { d["players"][6]["name"] = "seventeen letters"; },
       "players[6].name: the shop names file cannot hold it: it is longer than 16 characters"},
      {[](json& d) { d["missionText"] = "a|b"; },
       "missionText: the shop names file cannot hold it: it holds \"|\", which separates the player list"},
      {[](json& d) { d["missionName"] = "two\nlines"; },
       "missionName: the shop names file cannot hold it: it holds a line break"},
      {[](json& d) { d["shops"][0]["name"] = "\u201Equote"; },
       "shops[0].name: the shop names file cannot hold it: it holds \"\u201E\", which would read back as "
       "\"\u00E4\""},
      {[](json& d) { d["shops"][0]["name"] = "\u2713"; },
       "shops[0].name: U+2713 is not in code page 1252, which the mission's texts use"},
      {[](json& d) {
         d["saveNames"] = false;
         d["missionText"] = "Intro";
       },
       "players[0]: the shop names file keeps the players only with \"saveNames\": true; without it they "
       "read back as the standard players"},
      {[](json& d) { d["shops"][0]["produce"][1] = 0; },
       "shops[0].produce[1]: 0 marks an empty slot in the file and reads back as -1"},
      {[](json& d) { d["shops"][0]["owner"] = 7; }, "shops[0].owner: 7 is outside 0..6 (6: neutral)"},
      {[](json& d) { d["shops"][0]["type"] = 9; },
       "shops[0].type: 9 is no shop type: 0..7, or 255 for one the editor does not know"},
      {[](json& d) { d["shops"][0]["typeName"] = "Port"; },
       "shops[0].typeName: \"Port\" does not go with type 5 (\"Town\"); the type decides"},
      {[](json& d) { d["shops"][0]["x"] = 2; },
       "shops[0].x: (2, 0), but cells[0][1] names the record: it stands on (1, 0) (the cells decide)"},
      {[](json& d) { d["shops"][0]["colour"] = 1; }, "shops[0].colour: no such field in a dump of version 1"},
      {[](json& d) { d["cells"][0][0].erase("obj"); }, "cells[0][0].obj: missing"},
      {[](json& d) { d["cells"][1][2]["vehicle"] = 256; }, "cells[1][2].vehicle: 256 is outside 0..255"},
      {[](json& d) { d["cells"][0][0]["terrain"] = 1.5; },
       "cells[0][0].terrain: a whole number is needed, not 1.5"},
      {[](json& d) { d["cells"][0][0]["terrain"] = "1"; },
       "cells[0][0].terrain: a whole number is needed, not string"},
      {[](json& d) { d["cells"][0][0]["owner"] = 7; }, "cells[0][0].owner: 7 is outside 0..6 (null: none)"},
      {[](json& d) { d["cells"][0][0]["shop"] = 5; }, "cells[0][0].shop: there is no shop 5 (shops has 1)"},
      {[](json& d) { d["cells"][0][0]["shop"] = 0; },
       "cells[0][1].shop: shops[0] is named by cells[0][0] too; a record stands on one cell"},
      {[](json& d) { d["vehicleContents"][0] = nullptr; }, "cells[1][0].content: vehicleContents[0] is null"},
      {[](json& d) { d["cells"].erase(1); }, "cells: 2 entries are needed, not 1"},
      {[](json& d) { d["aiPoints"][0]["ai1231"] = 2; }, "aiPoints[0].ai1231: 2 is outside 0..1 (a flag)"},
      {[](json& d) { d["settings"]["stdProd"][3] = 4; },
       "settings.stdProd[3]: 4 is outside 0..3 (a load keeps bits 0 and 1 only)"},
      {[](json& d) { d["width"] = 65; }, "width: 65 is outside 0..64"},
      {[](json& d) { d["dfLayers"][0].push_back(d["dfLayers"][0][0]); },
       "dfLayers[0][1]: (1, 1) comes after (1, 1); the selected layer (dfNr) is written in row order, one "
       "record per cell"},
      {[](json& d) { d["dfLayers"][0][0]["x"] = 5; },
       "dfLayers[0][0]: (5, 1) lies outside the 3 x 2 map; a save drops it from the selected layer (dfNr)"},
      {[](json& d) { d["dfLayers"][0][0]["obj"] = -2; },
       "dfLayers[0][0]: changes nothing; a save drops it from the selected layer (dfNr)"},
      {[](json& d) { d["dfLayers"][2][0]["ownerMask"] = 4; },
       "dfLayers[2][0].ownerMask: 4 is written as \"owner\" (a single bit of 0..6 is a side, 255 none)"},
      {[](json& d) { d["dfLayers"][2][0]["y"] = 64; }, "dfLayers[2][0].y: 64 is outside 0..63"},
      {[](json& d) { d["mapRecords"] = std::string(78, '0'); },
       "mapRecords: 39 bytes; the MAP chunk holds records of 40"},
      {[](json& d) { d["missHeader"] = "0g"; }, "missHeader: character 1 is no hexadecimal digit"},
      {[](json& d) { d["schemaVersion"] = 2; }, "schemaVersion: 2: this vhmission reads version 1"},
      {[](json& d) { d = json::array(); }, "the document: an object is needed, not array"},
  };
  for (const auto& [change, message] : cases) {
    json doc = good;
    change(doc);
    EXPECT_EQ(LoadError(doc), message);
  }
  auto m = std::make_unique<TMission>();
  try {
    cli::MissionFromJson("{\"width\": ", *m);
    ADD_FAILURE() << "loaded";
  } catch (const EVhError& e) {
    EXPECT_EQ(std::string(e.what()).rfind("not JSON: parse error at line 1, column 11", 0), 0u) << e.what();
  }
}

TEST(MissionJson, ChangeLayersOutsideTheSelectedOneKeepEveryRecord) {
  auto m = Sample();
  // As a file may hold them: off the map, twice on one cell, an owner byte
  // that is no side, a record that changes nothing.
  ByteStream layer;
  for (auto [code, mask] : {std::pair<uint16_t, uint8_t>{PosCode(60, 60), 0x03},
                            {PosCode(0, 0), 0x80},
                            {PosCode(0, 0), 0xFF},
                            {PosCode(2, 1), 0x00}}) {
    AppendU16(layer, code);
    AppendI16(layer, -1);
    AppendI16(layer, -2);
    AppendU8(layer, 0xFF);
    AppendU8(layer, mask);
  }
  m->DFLayers[5] = layer;
  const std::string dump = cli::MissionToJson(*m);
  const json doc = json::parse(dump);
  EXPECT_EQ(doc["dfLayers"][5][0],
            json::parse(R"({"x":60,"y":60,"terrain":-1,"obj":-2,"vehicle":255,"owner":null,"ownerMask":3})"));
  EXPECT_FALSE(doc["dfLayers"][5][2].contains("ownerMask"));
  auto back = std::make_unique<TMission>();
  cli::MissionFromJson(dump, *back);
  EXPECT_EQ(back->DFLayers[5], layer);
  EXPECT_EQ(test::SavedBytes(*back), test::SavedBytes(*m));
}

}  // namespace
}  // namespace vh
