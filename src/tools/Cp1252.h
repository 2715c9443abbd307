#pragma once

#include <QFile>
#include <QString>

#include <string>

namespace vh {

// The model keeps text in code page 1252; widgets want Unicode. Latin-1 is
// not enough: 0x80..0x9F hold the euro sign, typographic quotes and dashes.
QString ToQString(const std::string& cp1252);
// Characters code page 1252 cannot hold become '?'.
std::string FromQString(const QString& text);

// The text of an error message. Messages name files by their paths, in the
// file system's encoding; a message that is no valid text of it quotes the
// model and is read as code page 1252.
QString MessageToQString(const std::string& message);

// Paths are the file system's own bytes, not code page 1252.
inline QString PathToQString(const std::string& path) { return QFile::decodeName(path.c_str()); }
inline std::string PathFromQString(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace vh
