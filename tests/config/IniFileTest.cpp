#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/FileUtil.h"
#include "config/IniFile.h"
#include "support/TempDir.h"

namespace vh {
namespace {

namespace fs = std::filesystem;

class IniFileTest : public ::testing::Test {
protected:
  test::TempDir tmp;
  std::string path = tmp.File("test.ini");
  void Write(const std::string& text) { WriteWholeFile(path, ByteStream(text.begin(), text.end())); }
  std::string Text() const {
    ByteStream b = ReadWholeFile(path);
    return std::string(b.begin(), b.end());
  }
};

TEST_F(IniFileTest, ReadsLikeThePrivateProfileFunctions) {
  Write("; comment\r\n[general]\r\n  VarnholtDir =  C:\\Games\\VH \r\nQuoted=\"  spaced  \"\r\n"
        "varnholtdir=second\r\n[Other]\r\nKey=other\r\n[GENERAL]\r\nLate=1\r\n");
  TIniFile ini(path);
  EXPECT_EQ(ini.ReadString("General", "varnholtDIR", "x"), "C:\\Games\\VH");  // first match wins
  EXPECT_EQ(ini.ReadString("General", "Quoted", ""), "  spaced  ");
  EXPECT_EQ(ini.ReadString("General", "Key", "def"), "def");
  EXPECT_EQ(ini.ReadString("Other", "Key", "def"), "other");
  EXPECT_EQ(ini.ReadString("General", "Late", ""), "1");  // a repeated section is searched too
  EXPECT_EQ(ini.ReadString("Missing", "Key", "def"), "def");
  EXPECT_EQ(ini.ReadString("General", "VarnholtDir", "", 5), "C:\\G");  // the read buffer cuts
}

TEST_F(IniFileTest, IntegersAreDecimalOrHexadecimal) {
  Write("[General]\nA=0\nB=2\nC=0x1\nD=yes\nE=0X1f\nF=-12\nG=\nH=12abc\nI=0x\n");
  TIniFile ini(path);
  EXPECT_FALSE(ini.ReadBool("General", "A", true));
  EXPECT_TRUE(ini.ReadBool("General", "B", false));
  EXPECT_TRUE(ini.ReadBool("General", "C", false));
  EXPECT_TRUE(ini.ReadBool("General", "D", true));  // not a number: the default
  EXPECT_FALSE(ini.ReadBool("General", "D", false));
  EXPECT_EQ(ini.ReadInteger("General", "E", 0), 31);
  EXPECT_EQ(ini.ReadInteger("General", "F", 0), -12);
  EXPECT_EQ(ini.ReadInteger("General", "G", 5), 5);
  EXPECT_EQ(ini.ReadInteger("General", "H", 5), 5);
  EXPECT_EQ(ini.ReadInteger("General", "I", 5), 5);
  EXPECT_EQ(ini.ReadInteger("General", "Missing", 7), 7);
}

TEST_F(IniFileTest, WritingChangesOnlyThatKeyAndKeepsTheRest) {
  Write("; keep me\r\n[General]\r\nVarnholtDir=old\r\nOther=1\r\n\r\n[VH2Players]\r\nPlayerName0=Red\r\n");
  TIniFile ini(path);
  ini.WriteString("general", "VARNHOLTDIR", "/new/dir/");
  ini.WriteString("General", "ToolBar", "0");
  ini.WriteString("Fresh", "Key", "v");
  ini.Save();
  EXPECT_EQ(Text(),
            "; keep me\r\n[General]\r\nVARNHOLTDIR=/new/dir/\r\nOther=1\r\nToolBar=0\r\n\r\n[VH2Players]\r\n"
            "PlayerName0=Red\r\n[Fresh]\r\nKey=v\r\n");
  TIniFile again(path);
  EXPECT_EQ(again.ReadString("General", "VarnholtDir", ""), "/new/dir/");
}

TEST_F(IniFileTest, MissingFileReadsEmptyAndIsCreatedOnSave) {
  TIniFile ini(path);
  EXPECT_EQ(ini.ReadString("General", "Key", "def"), "def");
  ini.WriteString("General", "Key", "v");
  ini.Save();
  EXPECT_EQ(Text(), "[General]\r\nKey=v\r\n");
}

TEST_F(IniFileTest, UnixLineEndsStayUnix) {
  Write("[General]\nA=1\n");
  TIniFile ini(path);
  ini.WriteString("General", "B", "2");
  ini.Save();
  EXPECT_EQ(Text(), "[General]\nA=1\nB=2\n");
}

}  // namespace
}  // namespace vh
