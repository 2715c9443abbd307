#pragma once

#include <memory>
#include <stdexcept>
#include <string>

#include "base/Message.h"

namespace vh {

// Every failure the editor reports to the user derives from this; the
// message is shown as it stands, so it must say what went wrong and where.
// A failure made from a TMessage (its pattern marked with
// VH_TRANSLATE_NOOP("Error", ...)) can be shown translated; what() is the
// English text either way.
class EVhError : public std::runtime_error {
public:
  explicit EVhError(const std::string& what) : std::runtime_error(what) {}
  explicit EVhError(const char* what) : std::runtime_error(what) {}
  explicit EVhError(TMessage message)
      : std::runtime_error(message.Text()), message_(std::make_shared<const TMessage>(std::move(message))) {}
  // The pattern and arguments; a failure made from plain text has that text
  // as its pattern and no arguments.
  TMessage Message() const { return message_ ? *message_ : TMessage{what(), {}}; }

private:
  // Shared, so that copying the exception cannot throw.
  std::shared_ptr<const TMessage> message_;
};

// A file that is not a mission file (wrong magic, wrong chunk tag, bad size).
class ENoMissionFile : public EVhError {
public:
  explicit ENoMissionFile(const std::string& file)
      : EVhError(file.empty() ? vh::Message(VH_TRANSLATE_NOOP("Error", "No Mission File!"))
                              : vh::Message(VH_TRANSLATE_NOOP("Error", "No Mission File! (%1)"), file)) {}
};

// Data that ends before a record is complete.
class EReadError : public EVhError {
public:
  using EVhError::EVhError;
};

// A value or index outside its declared range.
class ERangeError : public EVhError {
public:
  using EVhError::EVhError;
};

// A file that cannot be opened, created or written, and the shop name file's
// processing error.
class EInOutError : public EVhError {
public:
  using EVhError::EVhError;
};

}  // namespace vh
