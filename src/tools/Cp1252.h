#pragma once

// The model keeps texts as bytes in code page 1252 (as the game's files hold
// them) and paths as the file system's own bytes; both become QString only
// here, at the user interface.

#include <QFile>
#include <QString>
#include <string>

namespace vh {

namespace cp1252 {
// 0x80..0x9F differ from Latin-1; the five unused codes map to themselves.
inline constexpr char16_t High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                      0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
} // namespace cp1252

inline QString ToQString(const std::string& text) {
  QString s;
  s.reserve(static_cast<qsizetype>(text.size()));
  for (char c : text) {
    auto b = static_cast<unsigned char>(c);
    s.append(QChar(b >= 0x80 && b < 0xA0 ? cp1252::High[b - 0x80] : char16_t(b)));
  }
  return s;
}

// Characters the code page cannot hold become "?".
inline std::string FromQString(const QString& text) {
  std::string s;
  s.reserve(static_cast<size_t>(text.size()));
  for (QChar ch : text) {
    char16_t u = ch.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
      s.push_back(static_cast<char>(u));
      continue;
    }
    char out = '?';
    for (int i = 0; i < 32; ++i)
      if (cp1252::High[i] == u) {
        out = static_cast<char>(0x80 + i);
        break;
      }
    s.push_back(out);
  }
  return s;
}

inline QString PathToQString(const std::string& path) { return QFile::decodeName(path.c_str()); }
inline std::string PathFromQString(const QString& path) { return QFile::encodeName(path).toStdString(); }

} // namespace vh
