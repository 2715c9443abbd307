#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vh {

// An INI file read and written the way the Windows private-profile functions
// do it: sections and keys match without regard to case, the first match
// wins, values are trimmed and lose one pair of enclosing quotes, and writing
// a key changes only that key's line (or adds it), keeping every other line of
// the file as it was. Qt's settings class rewrites the whole file in its own
// format, which the game's tools would not read.
class TIniFile {
public:
  // Reads `path`; a missing file is an empty INI file.
  explicit TIniFile(std::string path);

  const std::string& Path() const { return path_; }

  // The value, cut to `bufferSize` - 1 characters as the platform's read
  // buffer does; `def` when the section or key is missing.
  std::string ReadString(const std::string& section, const std::string& key, const std::string& def,
                         size_t bufferSize = 1024) const;
  // Decimal, or hexadecimal after "0x"/"0X"; anything else gives `def`.
  long ReadInteger(const std::string& section, const std::string& key, long def) const;
  bool ReadBool(const std::string& section, const std::string& key, bool def) const;

  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  void WriteBool(const std::string& section, const std::string& key, bool value) {
    WriteString(section, key, value ? "1" : "0");
  }
  // Writes the file (through a temporary file). Raises EInOutError naming it.
  void Save() const;
  // Later saves write `path` instead.
  void SetPath(std::string path) { path_ = std::move(path); }

  // Parses "0x1F", "-12", " 7 ": the integer rules of ReadInteger.
  static std::optional<long> ParseInteger(const std::string& text);

private:
  std::optional<std::string> Find(const std::string& section, const std::string& key) const;

  std::string path_;
  std::vector<std::string> lines_;
  std::string eol_ = "\r\n";
};

}  // namespace vh
