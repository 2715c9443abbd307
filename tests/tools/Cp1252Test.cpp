#include <gtest/gtest.h>

#include <string>

#include "tools/Cp1252.h"

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
}  // namespace vh
