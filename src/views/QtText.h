#pragma once

#include <QString>

#include <exception>
#include <string>

#include "base/Message.h"

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

// The core's texts in the editor's language. `context` is the one their
// kind is marked with (base/Message.h): "Error", "Check" or "History".
QString TranslatedText(const char* context, const std::string& source);
// The name of a history step (context "History"), also in its form for an
// edit of a change layer, "<step> in change layer <n>".
QString StepNameText(const std::string& name);
// The translated pattern with the message's arguments filled in, each read
// as MessageToQString reads a message.
QString TranslatedMessage(const char* context, const TMessage& message);
// A failure's message: translated for the editor's own failures, as it
// stands for any other.
QString ErrorText(const std::exception& error);

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
