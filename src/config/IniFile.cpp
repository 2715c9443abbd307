#include "config/IniFile.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>

#include "base/Errors.h"
#include "base/FileUtil.h"

namespace vh {

namespace {

std::string Trim(const std::string& s) {
  size_t b = 0, e = s.size();
  while (b < e && std::isspace(static_cast<unsigned char>(s[b])))
    ++b;
  while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1])))
    --e;
  return s.substr(b, e - b);
}

bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size())
    return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

// "[name]" (blanks allowed around the name) gives the section name.
std::optional<std::string> SectionOf(const std::string& line) {
  std::string t = Trim(line);
  if (t.size() < 2 || t.front() != '[')
    return std::nullopt;
  size_t close = t.find(']');
  if (close == std::string::npos)
    return std::nullopt;
  return Trim(t.substr(1, close - 1));
}

// "key = value" gives the trimmed key; comments and other lines give nothing.
std::optional<std::string> KeyOf(const std::string& line, std::string* value = nullptr) {
  std::string t = Trim(line);
  if (t.empty() || t[0] == ';')
    return std::nullopt;
  size_t eq = t.find('=');
  if (eq == std::string::npos)
    return std::nullopt;
  if (value)
    *value = Trim(t.substr(eq + 1));
  return Trim(t.substr(0, eq));
}

}  // namespace

TIniFile::TIniFile(std::string path) : path_(std::move(path)) {
  ByteStream data;
  try {
    data = ReadWholeFile(ResolvePathCI(path_), 4u << 20);
  } catch (const EVhError&) {
    return;  // a missing or unreadable file reads as empty
  }
  std::string text(data.begin(), data.end());
  eol_ = text.find("\r\n") != std::string::npos || text.find('\n') == std::string::npos ? "\r\n" : "\n";
  size_t at = 0;
  while (at < text.size()) {
    size_t end = text.find('\n', at);
    std::string line = text.substr(at, end == std::string::npos ? std::string::npos : end - at);
    if (!line.empty() && line.back() == '\r')
      line.pop_back();
    lines_.push_back(line);
    if (end == std::string::npos)
      break;
    at = end + 1;
  }
}

std::optional<std::string> TIniFile::Find(const std::string& section, const std::string& key) const {
  bool inSection = false;
  for (const std::string& line : lines_) {
    if (auto s = SectionOf(line)) {
      inSection = SameName(*s, section);
      continue;
    }
    std::string value;
    if (inSection)
      if (auto k = KeyOf(line, &value); k && SameName(*k, key))
        return value;
  }
  return std::nullopt;
}

std::string TIniFile::ReadString(const std::string& section, const std::string& key, const std::string& def,
                                 size_t bufferSize) const {
  std::string value = Find(section, key).value_or(def);
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  if (bufferSize > 0 && value.size() > bufferSize - 1)
    value.resize(bufferSize - 1);
  return value;
}

std::optional<long> TIniFile::ParseInteger(const std::string& text) {
  std::string t = Trim(text);
  bool negative = false;
  size_t at = 0;
  if (at < t.size() && (t[at] == '-' || t[at] == '+'))
    negative = t[at++] == '-';
  int base = 10;
  if (t.size() - at > 2 && t[at] == '0' && (t[at + 1] == 'x' || t[at + 1] == 'X')) {
    base = 16;
    at += 2;
  }
  if (at >= t.size())
    return std::nullopt;
  for (size_t i = at; i < t.size(); ++i)
    if (!(base == 16 ? std::isxdigit(static_cast<unsigned char>(t[i]))
                     : std::isdigit(static_cast<unsigned char>(t[i]))))
      return std::nullopt;
  errno = 0;
  long v = std::strtol(t.c_str() + at, nullptr, base);
  if (errno == ERANGE)
    return std::nullopt;
  return negative ? -v : v;
}

long TIniFile::ReadInteger(const std::string& section, const std::string& key, long def) const {
  auto v = ParseInteger(ReadString(section, key, ""));
  return v.value_or(def);
}

bool TIniFile::ReadBool(const std::string& section, const std::string& key, bool def) const {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void TIniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
  std::string entry = key + "=" + value;
  bool inSection = false;
  size_t lastInSection = std::string::npos;  // last non-blank line of the section
  for (size_t i = 0; i < lines_.size(); ++i) {
    if (auto s = SectionOf(lines_[i])) {
      if (inSection)
        break;
      inSection = SameName(*s, section);
      if (inSection)
        lastInSection = i;
      continue;
    }
    if (!inSection)
      continue;
    if (!Trim(lines_[i]).empty())
      lastInSection = i;
    if (auto k = KeyOf(lines_[i]); k && SameName(*k, key)) {
      lines_[i] = entry;
      return;
    }
  }
  if (lastInSection != std::string::npos) {
    lines_.insert(lines_.begin() + static_cast<long>(lastInSection) + 1, entry);
    return;
  }
  lines_.push_back("[" + section + "]");
  lines_.push_back(entry);
}

void TIniFile::Save() const {
  std::string text;
  for (const std::string& line : lines_)
    text += line + eol_;
  WriteWholeFile(ResolvePathForWrite(path_), ByteStream(text.begin(), text.end()));
}

}  // namespace vh
