#pragma once

#include <QString>

#include <string>

namespace vh {

// The model keeps text in code page 1252; widgets want Unicode. Latin-1 is
// not enough: 0x80..0x9F hold the euro sign, typographic quotes and dashes.
QString ToQString(const std::string& cp1252);
// Characters code page 1252 cannot hold become '?'.
std::string FromQString(const QString& text);

// The text of an error message. Messages name files by their paths, in
// UTF-8; a message that is no valid UTF-8 quotes the model and is read as
// code page 1252.
QString MessageToQString(const std::string& message);

// Paths are UTF-8 on every system, not code page 1252 (the core turns them
// into the file system's names; on Windows the system's code page could not
// hold every name).
inline QString PathToQString(const std::string& path) {
  return QString::fromStdString(path);
}
inline std::string PathFromQString(const QString& path) {
  return path.toStdString();
}

}  // namespace vh
