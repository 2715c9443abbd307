#include <gtest/gtest.h>

#include <string>

#include "views/QtText.h"

namespace vh {
namespace {

TEST(Cp1252Test, EveryByteSurvivesTheRoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b)
    all.push_back(static_cast<char>(b));
  const QString text = ToQString(all);
  ASSERT_EQ(text.size(), 256);
  EXPECT_EQ(FromQString(text), all);
}

TEST(Cp1252Test, TheRangeLatin1GetsWrong) {
  EXPECT_EQ(ToQString("\x80"), QString(QChar(0x20AC)));
  EXPECT_EQ(ToQString("a\x96z"), QStringLiteral("a\u2013z"));
  EXPECT_EQ(ToQString("\x84\x93\x9F"), QStringLiteral("\u201E\u201C\u0178"));
  EXPECT_EQ(ToQString("Gr\xFCn \xC4"), QStringLiteral("Gr\u00FCn \u00C4"));
  EXPECT_EQ(FromQString(QStringLiteral("\u20AC \u0153")), "\x80 \x9C");
  EXPECT_EQ(FromQString(QStringLiteral("\u00E9")), "\xE9");
}

TEST(Cp1252Test, CharactersTheCodePageLacksBecomeQuestionMarks) {
  EXPECT_EQ(FromQString(QStringLiteral("\u03A9x")), "?x");
  EXPECT_EQ(FromQString(QString::fromUcs4(U"a\U0001F600b")), "a?b")
      << "one mark per character, not per surrogate";
  EXPECT_EQ(FromQString(QString()), "");
}

}  // namespace
TEST(Cp1252Test, MessagesReadPathsAsTheFileSystemWritesThem) {
  // A path in UTF-8, the file system's encoding here.
  EXPECT_EQ(MessageToQString("Cannot open file \"/home/k\xC3\xBCste/miss.dat\""),
            QString::fromUtf8("Cannot open file \"/home/k\u00FCste/miss.dat\""));
  // Text that is no UTF-8 quotes the model: code page 1252.
  EXPECT_EQ(MessageToQString("Shop \"K\xFCste \x80\""), QString::fromUtf8("Shop \"K\u00FCste \u20AC\""));
  EXPECT_EQ(MessageToQString("plain"), "plain");
}

}  // namespace vh
