#pragma once

#include <stdexcept>
#include <string>

namespace vh {

// Every failure the editor reports to the user derives from this; the
// message is shown as it stands, so it must say what went wrong and where.
class EVhError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// A file that is not a mission file (wrong magic, wrong chunk tag, bad size).
class ENoMissionFile : public EVhError {
public:
  explicit ENoMissionFile(const std::string& file)
      : EVhError(file.empty() ? std::string("No Mission File!") : "No Mission File! (" + file + ")") {}
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
